#include "app/classictext.h"
#include "app/usercontrol.h"
#include "app/widgets.h"
#include "screens/splash/frmsplash.h"
#include "screens/splash/linkcontrols.h"
#include "screens/start/frmstart.h"
#include "support/testprogram.h"

#include <QTest>
#include <QTimer>

class TestSplash : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opensFirstAndUntitled();
    void leaving_data();
    void leaving();
    void linkTargetsAndTooltips_data();
    void linkTargetsAndTooltips();
    void timerKeepsCountingAfterALinkClick();
    void linkThatNothingCanOpenIsReportedAndTheScreenStays();
    void captionsAtLoad();
    void centringOnTheScreensWidth();
    void creditsWrapAfterTheClassAndLeaveGapsForTheLinks();
    void creditsDrawnInsideTheLabel();

private:
    FrmSplash &splash() { return t->program.frmSplash(); }
    void act(const QString &action);
    void clickMiddle(const QString &control);

    std::unique_ptr<TestProgram> t;
};

void TestSplash::init()
{
    t = std::make_unique<TestProgram>();
    t->program.start();
}

void TestSplash::cleanup()
{
    t.reset();
}

void TestSplash::opensFirstAndUntitled()
{
    QVERIFY(splash().isLoaded());
    QVERIFY(!t->program.frmStart().isLoaded());
    ScreenWindow *window = splash().window();
    QCOMPARE(window->windowTitle().trimmed(), "");
    QCOMPARE(window->size(), QSize(656, 475));
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->palette().color(QPalette::Window), toQColor(VbColors::ActiveBorder));
    // Every control but the frame lies in the frame.
    for (const auto &c : splash().controls())
        if (c->widget() && c->name() != "Frame1")
            QCOMPARE(c->widget()->parentWidget(), splash().ctl("Frame1").widget());
    QTimer *timer = splash().ctl("Timer1").timer();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 60000);
    // The lowest tab index among the links has the focus.
    QCOMPARE(Drive::focused(splash()), splash().ctl("LinkVelm21").widget());
}

// A click in the middle of a control lands on whatever part of it lies there, as a pointer's does.
void TestSplash::clickMiddle(const QString &control)
{
    QWidget *widget = splash().ctl(control).widget();
    const QPoint middle = widget->rect().center();
    QWidget *part = widget->childAt(middle);
    if (!part)
        part = widget;
    QTest::mouseClick(part, Qt::LeftButton, {}, part->mapFrom(widget, middle));
}

// "timer" lets Timer1 fire; "click NAME" clicks a control's middle; "frame" an empty spot of
// the frame; "screen" the screen outside the frame; "key K" presses a key.
void TestSplash::act(const QString &action)
{
    const QStringList parts = action.split(' ');
    if (parts[0] == "timer") {
        QVERIFY(QMetaObject::invokeMethod(splash().ctl("Timer1").timer(), "timeout"));
    } else if (parts[0] == "click") {
        clickMiddle(parts[1]);
    } else if (parts[0] == "frame") {
        QWidget *frame = splash().ctl("Frame1").widget();
        const QPoint empty(20, 440);
        QCOMPARE(frame->childAt(empty), nullptr);
        QTest::mouseClick(frame, Qt::LeftButton, {}, empty);
    } else if (parts[0] == "screen") {
        QTest::mouseClick(splash().window(), Qt::LeftButton, {}, QPoint(3, 3));
    } else if (parts[0] == "key") {
        const QMap<QString, Qt::Key> keys{{"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape},
                                          {"Space", Qt::Key_Space}, {"A", Qt::Key_A},
                                          {"Tab", Qt::Key_Tab}, {"Left", Qt::Key_Left}};
        Drive::key(splash(), keys.value(parts[1]));
    }
}

void TestSplash::leaving_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("Timer1 after 60 seconds") << "timer" << true;
    QTest::newRow("title") << "click lblTitel" << true;
    QTest::newRow("explanation") << "click lblErklaerung" << true;
    QTest::newRow("version") << "click lblversion" << true;
    QTest::newRow("credits") << "click lblAutoren" << true;
    QTest::newRow("address") << "click lblVelm2" << true;
    QTest::newRow("empty spot of the frame") << "frame" << true;
    QTest::newRow("screen outside the frame") << "screen" << true;
    QTest::newRow("Enter") << "key Enter" << true;
    QTest::newRow("Esc") << "key Esc" << true;
    QTest::newRow("Space") << "key Space" << true;
    QTest::newRow("a letter with the focus on a link") << "key A" << true;
    QTest::newRow("Tab produces no character") << "key Tab" << false;
    QTest::newRow("an arrow produces no character") << "key Left" << false;
    QTest::newRow("disclaimer") << "click lblVelm3" << false;
    QTest::newRow("logo") << "click LinkVelm1" << false;
    QTest::newRow("Velmstifts") << "click LinkVelm21" << false;
    QTest::newRow("Orlingen") << "click LinkOrlingen1" << false;
    QTest::newRow("e-mail address") << "click MailMarlow1" << false;
}

void TestSplash::leaving()
{
    QFETCH(QString, action);
    QFETCH(bool, leaves);
    QPointer<QTimer> timer = splash().ctl("Timer1").timer();
    QVERIFY(qobject_cast<UserControl *>(Drive::focused(splash())));

    act(action);

    QCOMPARE(!splash().isLoaded(), leaves);
    QCOMPARE(t->program.frmStart().isLoaded(), leaves);
    if (leaves) {
        QVERIFY(!timer || !timer->isActive());
        QCOMPARE(t->program.frmStart().window()->windowModality(), Qt::NonModal);
        QCOMPARE(t->program.frmStart().window()->windowTitle(), "Willkommen zum Zeigerdiplom!");
    } else {
        QVERIFY(timer->isActive());
    }
    QVERIFY(t->boxes.shown.isEmpty());
    QVERIFY(t->exits.isEmpty());
}

void TestSplash::linkTargetsAndTooltips_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("handOn");
    QTest::newRow("logo") << "LinkVelm1" << "www.velmstift.example" << "www.velmstift.example" << "imgLogo";
    QTest::newRow("Velmstifts") << "LinkVelm21" << "www.velmstift.example" << "www.velmstift.example" << "Label1";
    QTest::newRow("Orlingen") << "LinkOrlingen1" << "www.orlingen.example" << "www.orlingen.example" << "";
    QTest::newRow("mail: a blank in the tooltip, none in the target")
        << "MailMarlow1" << "mailto:marlow@velmstift.example" << "mailto: marlow@velmstift.example" << "Label1";
}

void TestSplash::linkTargetsAndTooltips()
{
    QFETCH(QString, control);
    QFETCH(QString, target);
    QFETCH(QString, toolTip);
    QFETCH(QString, handOn);
    auto *link = static_cast<LinkControl *>(splash().ctl(control).widget());
    clickMiddle(control);
    QCOMPARE(t->links.targets, QStringList{target});
    QCOMPARE(link->toolTip(), toolTip);
    QWidget *hand = handOn.isEmpty() ? link : link->ctl(handOn).widget();
    QCOMPARE(hand->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(hand->cursor().hotSpot(), QPoint(12, 1));
    QCOMPARE(hand->cursor().pixmap().size(), QSize(32, 32));
    // The web targets are bare host names, which the desktop is given as web addresses.
    if (target.startsWith("www."))
        QCOMPARE(Hyperlink::urlFor(target), QUrl("https://" + target));
    else
        QCOMPARE(Hyperlink::urlFor(target), QUrl(target));
}

void TestSplash::timerKeepsCountingAfterALinkClick()
{
    QTimer *timer = splash().ctl("Timer1").timer();
    QTest::qSleep(20);
    const int before = timer->remainingTime();
    clickMiddle("LinkVelm1");
    QVERIFY(timer->isActive());
    QVERIFY(timer->remainingTime() <= before);
    QVERIFY(timer->remainingTime() > 50000);
}

void TestSplash::linkThatNothingCanOpenIsReportedAndTheScreenStays()
{
    t->links.opens = false;
    clickMiddle("MailMarlow1");
    QCOMPARE(t->boxes.shown.size(), 1);
    QVERIFY(t->boxes.shown.first().text.contains("mailto:marlow@velmstift.example"));
    QCOMPARE(t->boxes.shown.first().title, "Zeigerdiplom");
    QVERIFY(splash().isLoaded());
    QVERIFY(splash().ctl("Timer1").timer()->isActive());
    QVERIFY(t->exits.isEmpty());
    // And the splash screen still leaves as before.
    act("timer");
    QVERIFY(t->program.frmStart().isLoaded());
}

void TestSplash::captionsAtLoad()
{
    QCOMPARE(splash().ctl("lblTitel").caption(), "Zeigerdiplom");
    QCOMPARE(splash().ctl("lblErklaerung").caption(), "Ein Lernprogramm zum Umgang mit der Maus\r\r1. Schuljahr");
    QCOMPARE(splash().ctl("lblversion").caption(), "Version 1.0.7");
    const QStringList address = splash().ctl("lblVelm2").caption().split('\r');
    QCOMPARE(address.size(), 3);
    QVERIFY(address[2].startsWith("z. Hd. "));
    QCOMPARE(static_cast<VbLabel *>(splash().ctl("lblVelm2").widget())->lines(), address);
}

void TestSplash::centringOnTheScreensWidth()
{
    QCOMPARE(splash().ctl("lblTitel").left(), 1492.5f);
    QCOMPARE(splash().ctl("lblErklaerung").left(), 1852.5f);
    QCOMPARE(splash().ctl("LinkVelm1").left(), 2992.5f);
    QCOMPARE(splash().ctl("lblVelm2").left(), 2992.5f);
    QCOMPARE(splash().ctl("lblversion").left(), 3052.5f);
    QCOMPARE(splash().ctl("MailMarlow1").left(), 2992.5f);
    QCOMPARE(splash().ctl("MailMarlow1").top(), 5895.0f);
}

void TestSplash::creditsWrapAfterTheClassAndLeaveGapsForTheLinks()
{
    auto *credits = static_cast<VbLabel *>(splash().ctl("lblAutoren").widget());
    const QStringList lines = credits->lines();
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].endsWith("Klasse GK07"));
    QVERIFY(lines[1].startsWith("des "));

    // Each link lies wholly over its run of blanks on the second line, and on that line.
    const ClassicText text(credits->font());
    const int lineTop = credits->y() + text.lineTop(1);
    const auto gap = [&](const QString &before, int blanks) {
        const int from = credits->x() + text.width(lines[1].left(lines[1].indexOf(before) + before.size()));
        return std::pair{from, from + text.width(QString(blanks, ' '))};
    };
    const auto first = gap("des", 38);
    const auto second = gap("in Kooperation mit der", 44);
    for (const auto &[name, span] : {std::pair{"LinkVelm21", first}, std::pair{"LinkOrlingen1", second}}) {
        const QRect link = splash().ctl(name).widget()->geometry();
        QVERIFY2(link.left() >= span.first && link.right() < span.second, name);
        QVERIFY2(std::abs(link.top() - lineTop) <= 1, name);
    }
}

void TestSplash::creditsDrawnInsideTheLabel()
{
    QWidget *credits = splash().ctl("lblAutoren").widget();
    const QImage image = credits->grab().toImage();
    // The first line's ink reaches where the whole-pixel widths put its end (580 pixels), and
    // no further than the label's 585.
    int rightmost = -1;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                rightmost = std::max(rightmost, x);
    QCOMPARE(image.width(), 585);
    QVERIFY2(rightmost >= 575 && rightmost < 582, qPrintable(QString::number(rightmost)));
}

ZD_TEST_MAIN(TestSplash)
#include "tst_splash.moc"
