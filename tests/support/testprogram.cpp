#include "testprogram.h"

#include "app/widgets.h"
#include "screens/splash/frmsplash.h"

#include <QPointer>

void RecordingMessageBoxes::show(const QString &text, MsgIcon icon, const QString &title)
{
    shown.append({text, icon, title});
    if (whileOpen)
        whileOpen();
}

TestProgram::TestProgram(RandomSource *random)
    : settings(m_configDir.path())
    , program(boxes, settings, random ? *random : m_seeded)
{
    program.nav().setExitHandler([this](int status) { exits.append(status); });
    program.setHyperlink(links);
}

void TestProgram::startPastSplash()
{
    program.start();
    Drive::key(program.frmSplash(), Qt::Key_Space);
}

bool RecordingHyperlink::navigateTo(const QString &target)
{
    targets.append(target);
    return opens;
}

namespace Drive {

void click(Control &control)
{
    QWidget *w = control.widget();
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void mouseDown(Control &control, Qt::MouseButton button)
{
    QPointer<QWidget> w = control.widget();
    const QPoint centre = w->rect().center();
    QTest::mousePress(w, button, {}, centre);
    // The press may have unloaded the screen; its widgets linger until the event loop runs.
    if (w)
        QTest::mouseRelease(w, button, {}, centre);
}

void type(Control &control, const QString &text)
{
    QTest::keyClicks(control.widget(), text);
}

QWidget *focused(Screen &screen)
{
    return screen.window() ? screen.window()->focusWidget() : nullptr;
}

void key(Screen &screen, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // Through the window, as the platform delivers keys, so that access keys work too.
    QTest::keyClick(screen.window()->windowHandle(), key, modifiers);
}

} // namespace Drive
