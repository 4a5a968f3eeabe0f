// Measures what the child feels in "Voze ziv Urared": what a board set-up costs, what one tick
// of level 5 costs with the repaint it causes, and how many of the nominal 100 ticks a second a
// running level 5 actually gets, with the processor time it takes from the program and from
// the X server that shows it.
//
//   zeigerdiplom-bench setups COUNT          microseconds of each of COUNT board set-ups
//   zeigerdiplom-bench tick COUNT            microseconds of each of COUNT ticks with repaint
//   zeigerdiplom-bench run SECONDS [XPID]    ticks delivered in SECONDS, and the share of one
//                                            core used by this process and by process XPID
#include "bench/samples.h"
#include "tools/offscreenprogram.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "screens/fang/board.h"
#include "screens/fang/frmmaus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <vector>

namespace {

// The client area of level 5 once its load has set the outer size.
constexpr float ClientWidth = 11910;
constexpr float ClientHeight = 8625;

void boardSetups(int count, RandomSource &random)
{
    std::vector<double> us;
    us.reserve(size_t(count));
    float sink = 0;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer clock;
        clock.start();
        sink += Board::scatter(ClientWidth, ClientHeight, random)[10].left;
        us.push_back(double(clock.nsecsElapsed()) / 1e3);
    }
    if (sink < 0)
        std::printf("impossible layout\n");
    printSamples("setup_us", us);
}

// Level 5 shown in its window, drawn at least once.
FrmMaus &showLevel5(Program &program)
{
    FrmMaus &level5 = program.frmMaus(5);
    program.nav().show(level5);
    if (!QTest::qWaitForWindowExposed(level5.window()))
        std::fprintf(stderr, "level 5 was not exposed\n");
    QApplication::processEvents();
    return level5;
}

void tickCost(int count, Program &program)
{
    FrmMaus &level5 = showLevel5(program);
    level5.ctl("tmrTimer").timer()->stop();
    std::vector<double> us;
    us.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        QElapsedTimer clock;
        clock.start();
        level5.tmrTimer_Timer();
        // The moved buttons are painted here and the window's new picture handed to the
        // windowing system.
        QApplication::processEvents();
        us.push_back(double(clock.nsecsElapsed()) / 1e3);
    }
    printSamples("tick_us", us);
}

// User and system time of a process in clock ticks, or -1 when it cannot be read.
long long processorTicks(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // The command name in brackets may hold blanks; the fields after it are plain numbers.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // utime and stime are fields 14 and 15 of the line, counted from the pid as 1.
    return fields.size() > 12 ? fields.at(11).toLongLong() + fields.at(12).toLongLong() : -1;
}

int runLevel5(QApplication &app, Program &program, double seconds, const QString &xserverPid)
{
    FrmMaus &level5 = showLevel5(program);
    int ticks = 0;
    QObject::connect(level5.ctl("tmrTimer").timer(), &QTimer::timeout, [&ticks] { ++ticks; });
    const QString self = QString::number(getpid());
    const long long selfBefore = processorTicks(self);
    const long long xBefore = xserverPid.isEmpty() ? -1 : processorTicks(xserverPid);
    QElapsedTimer running;
    running.start();
    QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &app, [&app] { app.exit(0); });
    app.exec();
    const double elapsed = double(running.nsecsElapsed()) / 1e9;
    const double perCore = 100.0 / (double(sysconf(_SC_CLK_TCK)) * elapsed);
    printSample("ticks", ticks);
    const double selfShare = double(processorTicks(self) - selfBefore) * perCore;
    printSample("cpu_program_pct", selfShare);
    if (xBefore >= 0) {
        const double xShare = double(processorTicks(xserverPid) - xBefore) * perCore;
        printSample("cpu_xserver_pct", xShare);
        printSample("cpu_both_pct", selfShare + xShare);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    configureApplication(app);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    const int count = args.value(2).toInt();

    ClockRandom random;
    OffscreenProgram offscreen(random);
    Program &program = offscreen.program;
    if (mode == QLatin1String("setups") && count > 0) {
        boardSetups(count, random);
        return 0;
    }
    if (mode == QLatin1String("tick") && count > 0) {
        tickCost(count, program);
        return 0;
    }
    if (mode == QLatin1String("run") && args.value(2).toDouble() > 0)
        return runLevel5(app, program, args.value(2).toDouble(), args.value(3));
    std::fprintf(stderr, "usage: %s setups COUNT | tick COUNT | run SECONDS [XSERVER_PID]\n", argv[0]);
    return 2;
}
