#pragma once

#include "app/control.h"
#include "app/hyperlink.h"
#include "app/messageboxes.h"
#include "app/program.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

// Message boxes that return at once and remember what they showed. whileOpen runs as if from
// inside the box's own loop, for tests of what may happen while one is open.
class RecordingMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        MsgIcon icon;
        QString title;
    };

    void show(const QString &text, MsgIcon icon, const QString &title) override;

    QList<Shown> shown;
    std::function<void()> whileOpen;
};

// Font and printer dialogs that answer at once with what the test put in. They remember what
// they were opened with; the printer dialog points the print into a PDF file.
class ScriptedDialogs : public Dialogs
{
public:
    bool chooseFont(FontChoice &choice, int flags, QWidget *parent) override;
    bool choosePrinter(QPrinter &printer, QWidget *parent) override;

    // Nothing set: the dialog is cancelled.
    std::optional<FontChoice> fontAnswer;
    QString pdfFile;
    QList<FontChoice> fontOpenedWith;
    QList<int> fontFlags;
    int printerDialogs = 0;
    std::function<void()> whilePrinterDialogOpen;
};

// The desktop's hyperlink facility, recorded: every target handed over. With opens false the
// desktop has nothing that could open it.
class RecordingHyperlink : public Hyperlink
{
public:
    bool navigateTo(const QString &target) override;

    QStringList targets;
    bool opens = true;
};

// A whole program with a settings store in a temporary folder, recorded message boxes, a
// seeded random source unless the test brings its own, and the end of the program recorded
// instead of leaving the event loop.
class TestProgram
{
public:
    explicit TestProgram(RandomSource *random = nullptr);

    // Starts the program and passes the splash screen as a child would, with a key.
    void startPastSplash();

    QString configRoot() const { return m_configDir.path(); }
    // The program's own folder, empty until a test puts files there.
    QString programDir() const { return m_programDir.path(); }
    QList<int> exits;

private:
    QTemporaryDir m_configDir;
    QTemporaryDir m_programDir;
    SeededRandom m_seeded{20261210};

public:
    SettingsStore settings;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    RecordingHyperlink links;
    Program program;

    Navigator &nav() { return program.nav(); }
    Variablen &vars() { return program.vars(); }
};

namespace Drive {

void click(Control &control);
void mouseDown(Control &control, Qt::MouseButton button = Qt::LeftButton);
void type(Control &control, const QString &text);
// A key as the user presses it: to the screen's window, which hands it to its focused control.
void key(Screen &screen, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
QWidget *focused(Screen &screen);

// The pointer as the platform reports it: at a point of the screen's client area in twips,
// with these buttons held. The toolkit decides which control it is over and which control holds
// the pointer while a button pressed on it stays down.
void pointerMove(Screen &screen, QPointF twips, Qt::MouseButtons held = Qt::NoButton);
void pointerPress(Screen &screen, QPointF twips, Qt::MouseButton button = Qt::LeftButton);
void pointerRelease(Screen &screen, QPointF twips, Qt::MouseButton button = Qt::LeftButton);
// A movement reported straight to one control, at a point in twips relative to its top-left
// corner (negative or past its edges for a control that holds the pointer).
void moveOver(Control &control, QPointF twips, Qt::MouseButtons held = Qt::NoButton);
void moveOver(Screen &screen, QPointF twips, Qt::MouseButtons held = Qt::NoButton);

// What the event loop does between two events of a user, without waiting for any timer: the
// window system's events (exposures, activations) and the events widgets posted to themselves
// are handled, and the windows the program let go of are deleted. A test that never lets them
// through piles them up as the running program never does.
void settle();

} // namespace Drive

// QTEST_MAIN with the program's own application set-up and a fixed German locale.
#define ZD_TEST_MAIN(TestClass)                                                                    \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        configureApplication(app);                                                                 \
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));                           \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
