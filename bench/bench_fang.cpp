// Measures what the child feels: how long the program takes to show its first screen, what a
// board set-up costs, what one tick of level 5 costs with the repaint it causes, how many of
// the nominal 100 ticks a second a running level 5 actually gets, and how much memory it uses.
#include "bench/stats.h"
#include "tools/offscreenprogram.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "screens/fang/board.h"
#include "screens/fang/frmmaus.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString memoryLine(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return QString::fromLatin1(line).simplified();
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    configureApplication(app);

    ClockRandom random;
    OffscreenProgram offscreen(random);
    Program &program = offscreen.program;
    program.start();
    QApplication::processEvents();
    std::printf("start-up to the first screen (the splash screen) shown: %.1f ms\n", double(sinceMain.nsecsElapsed()) / 1e6);
    std::printf("memory after start-up: %s\n", qPrintable(memoryLine("VmHWM")));

    // The placement alone, over many boards.
    {
        const int boards = 20000;
        QElapsedTimer clock;
        clock.start();
        float sink = 0;
        for (int i = 0; i < boards; ++i)
            sink += Board::scatter(11910, 8625, random)[10].left;
        std::printf("board placement: %.2f us per board (%d boards)%s\n",
                    double(clock.nsecsElapsed()) / 1e3 / boards, boards, sink < 0 ? "!" : "");
    }

    // A whole level set-up: load with its placement and steps, and display.
    FrmMaus &level5 = program.frmMaus(5);
    {
        std::vector<double> samples;
        for (int i = 0; i < 200; ++i) {
            QElapsedTimer clock;
            clock.start();
            program.nav().show(level5);
            QApplication::processEvents();
            level5.window()->repaint();
            samples.push_back(double(clock.nsecsElapsed()) / 1e6);
            program.nav().unload(level5);
            // Outside an event loop the unloaded windows wait for this to be deleted.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        const Stats s = stats(samples);
        std::printf("level 5 load and first paint: mean %.2f ms, median %.2f ms, p99 %.2f ms\n", s.mean, s.median, s.p99);
    }

    std::printf("memory after the set-ups: %s\n", qPrintable(memoryLine("VmHWM")));

    // One tick by hand, with the repaint it causes.
    program.nav().show(level5);
    QApplication::processEvents();
    level5.ctl("tmrTimer").timer()->stop();
    {
        std::vector<double> samples;
        for (int i = 0; i < 3000; ++i) {
            QElapsedTimer clock;
            clock.start();
            level5.tmrTimer_Timer();
            QApplication::processEvents();
            samples.push_back(double(clock.nsecsElapsed()) / 1e3);
        }
        const Stats s = stats(samples);
        std::printf("level 5 tick with repaint: mean %.1f us, median %.1f us, p99 %.1f us\n", s.mean, s.median, s.p99);
    }

    // The running level with its own timer, for five seconds.
    program.nav().unload(level5);
    program.nav().show(level5);
    int ticks = 0;
    QObject::connect(level5.ctl("tmrTimer").timer(), &QTimer::timeout, [&ticks] { ++ticks; });
    QElapsedTimer running;
    running.start();
    QTimer::singleShot(5000, Qt::PreciseTimer, &app, [&app] { app.exit(0); });
    app.exec();
    const double seconds = double(running.nsecsElapsed()) / 1e9;
    std::printf("level 5 ticks delivered: %.1f per second (nominal 100) over %.2f s\n", ticks / seconds, seconds);
    std::printf("memory: %s, %s\n", qPrintable(memoryLine("VmHWM")), qPrintable(memoryLine("VmRSS")));
    return 0;
}
