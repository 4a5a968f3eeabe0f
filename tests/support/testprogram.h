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
    QList<int> exits;

private:
    QTemporaryDir m_configDir;
    SeededRandom m_seeded{20261210};

public:
    SettingsStore settings;
    RecordingMessageBoxes boxes;
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
