// Measures what the child feels in the labyrinth: what one pointer movement costs from the
// platform's event to the handler's return, and what a wall contact costs with the sad face's
// twenty enlargement steps and the repaint they cause. Both must stay well inside one frame.
#include "bench/samples.h"
#include "tools/offscreenprogram.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "screens/laby/frmlaby.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

QT_BEGIN_NAMESPACE
// The platform's entry for pointer events, as the windowing system calls it.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow *window, const QPointF &local, const QPointF &global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
QT_END_NAMESPACE

namespace {

int timestamp = 0;

// A pointer movement to a point of the client area in pixels, delivered as the platform does.
void move(FrmLaby &laby, QPointF at, Qt::MouseButtons held = Qt::NoButton)
{
    QWindow *window = laby.window()->windowHandle();
    timestamp += 10;
    qt_handleMouseEvent(window, at, window->mapToGlobal(at), held, Qt::NoButton, QEvent::MouseMove,
                        Qt::NoModifier, timestamp);
}

} // namespace

int main(int argc, char *argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    configureApplication(app);

    ClockRandom random;
    OffscreenProgram offscreen(random);
    Program &program = offscreen.program;
    FrmLaby &laby = program.frmLaby();
    program.nav().show(laby);
    QApplication::processEvents();

    // Many movements, each timed from the platform's event to the handler's return.
    auto movements = [&laby](const char *key, int xSpan) {
        std::vector<double> samples;
        for (int i = 0; i < 20000; ++i) {
            const QPointF at(100 + (i * 7) % xSpan, 40 + (i * 13) % 480);
            QElapsedTimer clock;
            clock.start();
            move(laby, at);
            samples.push_back(double(clock.nsecsElapsed()) / 1e3);
        }
        printSamples(key, samples);
    };
    // Up and down corridor 1 and across divider 1 and corridor 2, with no attempt running, so
    // that every movement reaches a handler and none changes the screen.
    movements("laby_move_us", 180);
    // The same during an attempt, along the corridor only.
    laby.cmdStart_Click();
    movements("laby_move_attempt_us", 44);

    // A wall contact: the movement onto divider 1, the face grown in twenty steps, and the
    // window painted with it.
    {
        std::vector<double> handled;
        std::vector<double> painted;
        for (int i = 0; i < 500; ++i) {
            laby.cmdStart_Click();
            move(laby, QPointF(120, 60));
            QApplication::processEvents();
            QElapsedTimer clock;
            clock.start();
            move(laby, QPointF(150, 60));
            handled.push_back(double(clock.nsecsElapsed()) / 1e3);
            // The platform delivers the movement at once, so the contact has happened by now.
            if (laby.SpielLaeuft) {
                std::fprintf(stderr, "the movement onto the wall was not handled at once\n");
                return 1;
            }
            QApplication::processEvents();
            laby.window()->repaint();
            painted.push_back(double(clock.nsecsElapsed()) / 1e3);
            if (laby.SpielLaeuft || !laby.ctl("imgSad").visible()) {
                std::fprintf(stderr, "the movement onto the wall was not a contact\n");
                return 1;
            }
        }
        printSamples("laby_wall_us", handled);
        printSamples("laby_wall_paint_us", painted);
    }
    return 0;
}
