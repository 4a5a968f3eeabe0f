#include "testprogram.h"

#include "app/widgets.h"
#include "screens/splash/frmsplash.h"

#include <QPointer>
#include <QPrinter>
#include <QWindow>

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
    program.setDialogs(dialogs);
    program.setAppPath(m_programDir.path());
    program.setHyperlink(links);
}

bool ScriptedDialogs::chooseFont(FontChoice &choice, int flags, QWidget *)
{
    fontOpenedWith.append(choice);
    fontFlags.append(flags);
    if (!fontAnswer)
        return false;
    choice = *fontAnswer;
    return true;
}

bool ScriptedDialogs::choosePrinter(QPrinter &printer, QWidget *)
{
    ++printerDialogs;
    if (whilePrinterDialogOpen)
        whilePrinterDialogOpen();
    if (pdfFile.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return true;
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

namespace {

QPointF pixels(QPointF twips)
{
    return twips / Twips::PerPixel;
}

void pointer(Screen &screen, QPointF twips, Qt::MouseButtons held, Qt::MouseButton button, QEvent::Type type)
{
    // Each event a little later than the one before, as the platform stamps them.
    static int timestamp = 0;
    timestamp += 20;
    QWindow *window = screen.window()->windowHandle();
    const QPointF local = pixels(twips);
    qt_handleMouseEvent(window, local, window->mapToGlobal(local), held, button, type, Qt::NoModifier, timestamp);
}

void sendMove(QWidget *widget, QPointF twips, Qt::MouseButtons held)
{
    const QPointF local = pixels(twips);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

void pointerMove(Screen &screen, QPointF twips, Qt::MouseButtons held)
{
    pointer(screen, twips, held, Qt::NoButton, QEvent::MouseMove);
}

void pointerPress(Screen &screen, QPointF twips, Qt::MouseButton button)
{
    pointer(screen, twips, button, button, QEvent::MouseButtonPress);
}

void pointerRelease(Screen &screen, QPointF twips, Qt::MouseButton button)
{
    pointer(screen, twips, Qt::NoButton, button, QEvent::MouseButtonRelease);
}

void moveOver(Control &control, QPointF twips, Qt::MouseButtons held)
{
    sendMove(control.widget(), twips, held);
}

void moveOver(Screen &screen, QPointF twips, Qt::MouseButtons held)
{
    sendMove(screen.window(), twips, held);
}

void settle()
{
    // No timer fires here: a test ticks the timers it means to.
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace Drive
