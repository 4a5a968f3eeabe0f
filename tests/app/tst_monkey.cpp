#include "screens/hub/frmauswahl.h"
#include "support/testprogram.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <QTimerEvent>
#include <QWindow>

#include <csignal>
#include <cstdio>
#include <random>
#include <unistd.h>

namespace {

const QString GenericError = QStringLiteral("Es ist ein Fehler aufgetreten!");

// Where the run is, for the report of a crash: the seed and the event that was being fired.
volatile sig_atomic_t g_seed = 0;
volatile sig_atomic_t g_event = -1;
struct sigaction g_previous[NSIG];

extern "C" void reportAndCrash(int signal)
{
    char text[128];
    const int n = std::snprintf(text, sizeof text, "monkey: signal %d at seed %d, event %d\n", signal,
                                int(g_seed), int(g_event));
    if (n > 0)
        (void)!write(STDERR_FILENO, text, size_t(n));
    sigaction(signal, &g_previous[signal], nullptr);
    raise(signal);
}

void reportCrashes()
{
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) {
        struct sigaction action = {};
        action.sa_handler = reportAndCrash;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, &g_previous[signal]);
    }
}

// A key pressed and released as the platform reports it, with the modifier keys held around
// it. Unlike QTest's key clicks this lets no event loop run in between, so no timer fires out of
// the seed's order, and a window that the press closed gets no more keys.
void pressKey(QWindow *target, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QPointer<QWindow> window = target;
    const char ascii = QTest::keyToAscii(key);
    const QString text = ascii ? QString(QChar::fromLatin1(ascii)) : QString();
    struct Modifier
    {
        Qt::KeyboardModifier flag;
        Qt::Key key;
    };
    const Modifier held[] = {{Qt::ShiftModifier, Qt::Key_Shift}, {Qt::AltModifier, Qt::Key_Alt}};
    Qt::KeyboardModifiers down;
    for (const Modifier &m : held)
        if (window && (modifiers & m.flag)) {
            qt_handleKeyEvent(window, QEvent::KeyPress, m.key, down);
            down |= m.flag;
        }
    if (window)
        qt_handleKeyEvent(window, QEvent::KeyPress, key, modifiers, text);
    if (window)
        qt_handleKeyEvent(window, QEvent::KeyRelease, key, modifiers, text);
    for (const Modifier &m : held)
        if (window && (modifiers & m.flag))
            qt_handleKeyEvent(window, QEvent::KeyRelease, m.key, down);
}

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

// Random input at whatever screen is in front, as a child hammering mouse and keyboard would
// give it. The same seed gives the same events, so a failure can be replayed:
//   ZD_MONKEY_SEED=<seed> ZD_MONKEY_EVENTS=<event + 1> ZD_MONKEY_TRACE=1 tst_monkey
class TestMonkey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void randomInput_data();
    void randomInput();

private:
    void startProgram();
    Screen *activeScreen() const;
    QString fire(Screen &screen);
    QString broken();

    std::unique_ptr<TestProgram> t;
    std::mt19937 m_random;
    int m_boxesSeen = 0;
};

void TestMonkey::initTestCase()
{
    reportCrashes();
}

void TestMonkey::randomInput_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("events");
    const int events = envInt("ZD_MONKEY_EVENTS", 20000);
    if (qEnvironmentVariableIsSet("ZD_MONKEY_SEED")) {
        QTest::newRow("replay") << envInt("ZD_MONKEY_SEED", 1) << events;
        return;
    }
    for (int seed : {1, 2, 3, 4})
        QTest::addRow("seed %d", seed) << seed << events;
}

void TestMonkey::startProgram()
{
    t = std::make_unique<TestProgram>();
    m_boxesSeen = 0;
    t->program.start();
}

// The screen that takes input: the modal one in front, else the active window, else any
// loaded screen that shows.
Screen *TestMonkey::activeScreen() const
{
    const QWidget *front = QApplication::activeModalWidget();
    if (!front)
        front = QApplication::activeWindow();
    Screen *shown = nullptr;
    for (Screen *screen : t->program.screens()) {
        if (!screen->isLoaded() || !screen->window()->isVisible())
            continue;
        if (screen->window() == front)
            return screen;
        shown = screen;
    }
    return shown;
}

// Fires one random event at the screen and says what it was.
QString TestMonkey::fire(Screen &screen)
{
    QWidget *window = screen.window();
    const auto pick = [this](int n) { return int(m_random() % unsigned(n)); };
    // A point of the window, now and then a little outside it, in twips.
    const auto point = [&](bool outside) {
        const int margin = outside ? 40 : 0;
        const int x = pick(window->width() + 2 * margin) - margin;
        const int y = pick(window->height() + 2 * margin) - margin;
        return QPointF(x, y) * Twips::PerPixel;
    };
    const auto where = [](QPointF p) { return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()); };
    static const Qt::MouseButton Buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

    const int kind = pick(100);
    if (kind < 10) {
        // A click on one of the screen's controls, as a child aiming at it would give it; on a
        // level now and then the number that comes next.
        std::vector<Control *> targets;
        for (const auto &c : screen.controls())
            if (c->widget() && c->widget()->isVisible())
                targets.push_back(c.get());
        if (targets.empty())
            return QStringLiteral("nothing to aim at");
        Control *target = targets[size_t(pick(int(targets.size())))];
        if (screen.findControl(QStringLiteral("cmd1"), 1) && pick(2) == 0)
            if (Control *next = screen.findControl(QStringLiteral("cmd1"), screen.tag().toInt() + 1))
                target = next;
        // The click may unload the screen and its controls with it.
        const QString name = QStringLiteral("%1(%2)").arg(target->name()).arg(target->index());
        QWidget *w = target->widget();
        const QPointF at = QPointF(w->mapTo(window, w->rect().center())) * Twips::PerPixel;
        Drive::pointerMove(screen, at);
        Drive::pointerPress(screen, at);
        if (screen.isLoaded())
            Drive::pointerRelease(screen, at);
        return QStringLiteral("click on %1 at %2").arg(name, where(at));
    }
    if (kind < 35) {
        const QPointF at = point(false);
        const Qt::MouseButton button = Buttons[pick(3)];
        Drive::pointerMove(screen, at);
        Drive::pointerPress(screen, at, button);
        if (screen.isLoaded())
            Drive::pointerRelease(screen, at, button);
        return QStringLiteral("click %1 at %2").arg(int(button)).arg(where(at));
    }
    if (kind < 45) {
        const QPointF from = point(false);
        const QPointF to = point(true);
        const Qt::MouseButton button = Buttons[pick(3)];
        Drive::pointerPress(screen, from, button);
        const int steps = 1 + pick(6);
        for (int i = 1; i <= steps && screen.isLoaded(); ++i)
            Drive::pointerMove(screen, from + (to - from) * i / steps, button);
        if (screen.isLoaded())
            Drive::pointerRelease(screen, to, button);
        return QStringLiteral("drag %1 from %2 to %3").arg(int(button)).arg(where(from), where(to));
    }
    if (kind < 57) {
        const QPointF at = point(pick(4) == 0);
        Drive::pointerMove(screen, at);
        return QStringLiteral("move to %1").arg(where(at));
    }
    if (kind < 75) {
        static const Qt::Key Keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backspace};
        const Qt::Key key = Keys[pick(5)];
        pressKey(window->windowHandle(), key, pick(6) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        return QStringLiteral("key %1").arg(QKeySequence(key).toString());
    }
    if (kind < 90) {
        // An access key the screen offers, or any letter, with or without Alt.
        QStringList access;
        for (const auto &c : screen.controls()) {
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("&([A-Za-z])")).match(c->caption());
            if (m.hasMatch())
                access.append(m.captured(1).toUpper());
        }
        const QChar letter = !access.isEmpty() && pick(2) == 0 ? access[pick(int(access.size()))][0]
                                                               : QChar('A' + pick(26));
        const bool alt = pick(2) == 0;
        pressKey(window->windowHandle(), Qt::Key(letter.unicode()), alt ? Qt::AltModifier : Qt::NoModifier);
        return QStringLiteral("key %1%2").arg(alt ? "Alt+" : "").arg(letter);
    }
    if (kind < 97) {
        // A tick of every running timer of the screen, as the event loop delivers it.
        int ticks = 0;
        std::vector<QPointer<QTimer>> timers;
        for (const auto &c : screen.controls())
            if (QTimer *timer = c->timer(); timer && timer->isActive())
                timers.emplace_back(timer);
        const int repeat = 1 + pick(20);
        for (int r = 0; r < repeat; ++r)
            for (const QPointer<QTimer> &timer : timers)
                if (timer && timer->isActive()) {
                    QTimerEvent tick(timer->timerId());
                    QCoreApplication::sendEvent(timer, &tick);
                    ++ticks;
                }
        return QStringLiteral("%1 timer ticks").arg(ticks);
    }
    if (kind < 99) {
        // The teacher's password, or the master password, typed into the focused box.
        const QString text = pick(2) ? t->vars().PasswortAktuell : QStringLiteral("Klassenlehrer");
        if (QWidget *focus = Drive::focused(screen))
            QTest::keyClicks(focus, text);
        return QStringLiteral("type %1").arg(text);
    }
    // The window frame's close command.
    window->close();
    return QStringLiteral("close %1").arg(screen.name());
}

// What is wrong with the program's state now, or nothing.
QString TestMonkey::broken()
{
    for (; m_boxesSeen < t->boxes.shown.size();) {
        const auto &box = t->boxes.shown[m_boxesSeen];
        if (box.text == GenericError || box.icon == MsgIcon::Critical)
            return QStringLiteral("message box \"%1\" (%2)").arg(box.text, box.title);
        ++m_boxesSeen;
    }
    if (t->exits.contains(1))
        return QStringLiteral("the program ended with an error");
    if (t->nav().handlerDepth() != 0)
        return QStringLiteral("handler depth %1 between events").arg(t->nav().handlerDepth());

    const Variablen &v = t->vars();
    const int counters[] = {v.PunkteLaby.value(), v.PunkteFang.value(), v.VersucheLaby.value(),
                            v.VersucheFang.value(), v.Fehler.value()};
    for (int c : counters)
        if (c < 0)
            return QStringLiteral("a counter below zero: %1 %2 %3 %4 %5")
                .arg(counters[0]).arg(counters[1]).arg(counters[2]).arg(counters[3]).arg(counters[4]);

    if (!t->exits.isEmpty())
        return {};

    FrmAuswahl &hub = t->program.frmAuswahl();
    if (hub.isLoaded()) {
        const QString shown = hub.ctl("lblPunkte").caption() + " " + hub.ctl("lblVersuche").caption() + " "
            + hub.ctl("lblFehler").caption();
        const QString sums = QStringLiteral("%1 %2 %3")
                                 .arg((v.PunkteFang + v.PunkteLaby).value())
                                 .arg((v.VersucheFang + v.VersucheLaby).value())
                                 .arg(v.Fehler.value());
        if (shown != sums)
            return QStringLiteral("the hub shows %1, the sums are %2").arg(shown, sums);
    }

    // Input goes somewhere: a modal window in front is a loaded screen's, and some loaded
    // screen shows.
    int showing = 0;
    for (Screen *screen : t->program.screens())
        if (screen->isLoaded() && screen->window()->isVisible())
            ++showing;
    if (showing == 0)
        return QStringLiteral("the program runs with no screen showing");
    if (QWindow *modal = QGuiApplication::modalWindow()) {
        bool ours = false;
        for (Screen *screen : t->program.screens())
            if (screen->isLoaded() && screen->window()->isVisible() && screen->window()->windowHandle() == modal)
                ours = true;
        if (!ours)
            return QStringLiteral("input is blocked by a window no loaded screen shows");
    }
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::ToolTip || w->windowType() == Qt::Popup)
            continue;
        bool ours = false;
        for (Screen *screen : t->program.screens())
            if (screen->window() == w)
                ours = true;
        if (!ours)
            return QStringLiteral("a window is left showing: %1 %2").arg(w->metaObject()->className(), w->windowTitle());
    }
    return {};
}

void TestMonkey::randomInput()
{
    QFETCH(int, seed);
    QFETCH(int, events);
    const bool trace = qEnvironmentVariableIsSet("ZD_MONKEY_TRACE");
    m_random.seed(unsigned(seed));
    g_seed = seed;
    startProgram();

    QElapsedTimer clock;
    clock.start();
    int restarts = 0;
    QMap<QString, int> visits;
    for (int n = 0; n < events; ++n) {
        g_event = n;
        if (!t->exits.isEmpty()) {
            ++restarts;
            startProgram();
        }
        Screen *screen = activeScreen();
        QVERIFY2(screen, qPrintable(QStringLiteral("seed %1, event %2: no screen takes input").arg(seed).arg(n)));
        ++visits[screen->name()];
        const QString what = fire(*screen);
        Drive::settle();
        if (trace)
            qInfo("%d %s: %s", n, qPrintable(screen->name()), qPrintable(what));
        const QString fault = broken();
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1, event %2 (%3 on %4): %5")
                                                 .arg(seed).arg(n).arg(what, screen->name(), fault)));
    }
    g_event = -1;
    QStringList seen;
    for (auto it = visits.cbegin(); it != visits.cend(); ++it)
        seen.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
    qInfo("seed %d: %d events in %lld ms, %d restarts; events per screen: %s", seed, events, clock.elapsed(),
          restarts, qPrintable(seen.join(", ")));
    t.reset();
}

ZD_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
