#include "screens/hub/frmauswahl.h"
#include "screens/start/frmbedienung.h"
#include "screens/start/frmstart.h"
#include "support/testprogram.h"

#include <QDir>
#include <QTest>

class TestStartFlow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void nameStartGelesenReachTheHub();
    void greetingFollowsTheName_data();
    void greetingFollowsTheName();
    void enterStartsAndEscEndsWithTheThanks();
    void endeBringsBackAnEmptyNameAndAZeroScore();
    void hubShowsSumsThatStopAtTheLimit();
    void hubReadsTheStoredPassword();
    void enterOnTheHubPressesUrkunde();
    void closingTheInstructionsStillOpensTheHub();

private:
    void startAs(const QString &name);
    void readInstructions();

    std::unique_ptr<TestProgram> t;
};

void TestStartFlow::init()
{
    t = std::make_unique<TestProgram>();
    t->startPastSplash();
}

void TestStartFlow::cleanup()
{
    t.reset();
}

void TestStartFlow::startAs(const QString &name)
{
    FrmStart &start = t->program.frmStart();
    Drive::type(start.ctl("txtName"), name);
    Drive::click(start.ctl("cmdStart"));
}

void TestStartFlow::readInstructions()
{
    Drive::click(t->program.frmBedienung().ctl("cmdGelesen"));
}

void TestStartFlow::nameStartGelesenReachTheHub()
{
    FrmStart &start = t->program.frmStart();
    QVERIFY(start.isLoaded());
    QCOMPARE(start.window()->windowTitle(), "Willkommen zum Zeigerdiplom!");
    QCOMPARE(start.window()->size(), QSize(794, 575));
    QCOMPARE(Drive::focused(start), start.ctl("txtName").widget());

    startAs("Anna");
    FrmBedienung &instructions = t->program.frmBedienung();
    QCOMPARE(t->vars().Schueler, "Anna");
    QVERIFY(instructions.isLoaded());
    QCOMPARE(instructions.window()->windowModality(), Qt::ApplicationModal);
    QVERIFY(start.isLoaded()); // still behind the instructions
    QCOMPARE(instructions.window()->size(), QSize(587, 551));
    QCOMPARE(Drive::focused(instructions), instructions.ctl("cmdGelesen").widget());

    readInstructions();
    FrmAuswahl &hub = t->program.frmAuswahl();
    QVERIFY(!instructions.isLoaded());
    QVERIFY(!start.isLoaded());
    QVERIFY(hub.isLoaded());
    QCOMPARE(hub.window()->windowTitle(), "S P I E L     A U S W A H L");
    QCOMPARE(hub.window()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(hub.ctl("lblSchüler").caption(), "Anna");
    QCOMPARE(hub.ctl("lblPunkte").caption(), "0");
    QCOMPARE(hub.ctl("lblVersuche").caption(), "0");
    QCOMPARE(hub.ctl("lblFehler").caption(), "0");
    QCOMPARE(t->vars().PasswortAktuell, "731904");
    // Reading the password with nothing stored writes nothing.
    QVERIFY(QDir(t->configRoot()).isEmpty());
    QVERIFY(t->exits.isEmpty());
}

void TestStartFlow::greetingFollowsTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ordinary") << "Anna";
    QTest::newRow("empty name is accepted") << "";
    QTest::newRow("blanks kept") << "  Ole ";
    QTest::newRow("long name runs off the page") << "Maximilian-Alexander von Hohenstein-Überlingen der Dritte";
}

void TestStartFlow::greetingFollowsTheName()
{
    QFETCH(QString, name);
    startAs(name);
    FrmBedienung &instructions = t->program.frmBedienung();
    Control &schueler = instructions.ctl("lblSchüler");
    Control &rest = instructions.ctl("lbl3");
    QCOMPARE(t->vars().Schueler, name);
    QCOMPARE(schueler.caption(), name);
    QCOMPARE(rest.left(), schueler.left() + schueler.width());
    // Nothing wraps: the name and the rest stay on one line, clipped at the window's edge.
    QCOMPARE(rest.height(), instructions.ctl("lblHallo").height());
    QCOMPARE(schueler.height(), instructions.ctl("lblHallo").height());
    if (name.isEmpty())
        QCOMPARE(rest.left(), 1200.0f);
}

void TestStartFlow::enterStartsAndEscEndsWithTheThanks()
{
    FrmStart &start = t->program.frmStart();
    Drive::type(start.ctl("txtName"), "Ben");
    Drive::key(start, Qt::Key_Return);
    QVERIFY(t->program.frmBedienung().isLoaded());
    Drive::key(t->program.frmBedienung(), Qt::Key_Return); // "Gelesen" has the focus
    QVERIFY(t->program.frmAuswahl().isLoaded());

    Drive::click(t->program.frmAuswahl().ctl("cmdEnde"));
    QVERIFY(start.isLoaded());
    Drive::key(start, Qt::Key_Escape);
    QVERIFY(!t->nav().anyLoaded());
    QCOMPARE(t->boxes.shown.size(), 1);
    QCOMPARE(t->boxes.shown.first().text, "Vielen Dank, dass Sie sich für das Produkt entschieden haben!");
    QCOMPARE(t->boxes.shown.first().icon, MsgIcon::Information);
    QCOMPARE(t->boxes.shown.first().title, "Zeigerdiplom");
    QCOMPARE(t->exits, QList<int>{0});
    QVERIFY(QDir(t->configRoot()).isEmpty());
}

void TestStartFlow::endeBringsBackAnEmptyNameAndAZeroScore()
{
    startAs("Anna");
    readInstructions();
    // As if a game had been played.
    t->vars().PunkteFang = 10;
    t->vars().VersucheFang = 1;
    t->vars().PunkteLaby = 50;
    t->vars().VersucheLaby = 1;
    t->vars().Fehler = 3;

    Drive::click(t->program.frmAuswahl().ctl("cmdEnde"));
    FrmStart &start = t->program.frmStart();
    QVERIFY(!t->program.frmAuswahl().isLoaded());
    QCOMPARE(start.window()->windowModality(), Qt::NonModal);
    QCOMPARE(start.ctl("txtName").caption(), "");
    QCOMPARE(Drive::focused(start), start.ctl("txtName").widget());

    startAs("Ben");
    readInstructions();
    FrmAuswahl &hub = t->program.frmAuswahl();
    QCOMPARE(hub.ctl("lblSchüler").caption(), "Ben");
    QCOMPARE(hub.ctl("lblPunkte").caption(), "0");
    QCOMPARE(hub.ctl("lblVersuche").caption(), "0");
    QCOMPARE(hub.ctl("lblFehler").caption(), "0");
}

void TestStartFlow::hubShowsSumsThatStopAtTheLimit()
{
    startAs("Anna");
    t->vars().PunkteFang = 100;
    t->vars().PunkteLaby = 50;
    t->vars().VersucheFang = 32767;
    t->vars().VersucheLaby = 2;
    readInstructions();
    FrmAuswahl &hub = t->program.frmAuswahl();
    QCOMPARE(hub.ctl("lblPunkte").caption(), "150");
    QCOMPARE(hub.ctl("lblVersuche").caption(), "32767");
    QVERIFY(t->exits.isEmpty());
    // A number wider than its label is clipped; the label does not grow.
    QCOMPARE(hub.ctl("lblVersuche").width(), 855.0f);
}

void TestStartFlow::hubReadsTheStoredPassword()
{
    QVERIFY(t->settings.WriteSetting("Zeigerdiplom", "Einstellungen", "Passwort", ""));
    startAs("Anna");
    readInstructions();
    // An empty stored password is a password, not a missing one.
    QCOMPARE(t->vars().PasswortAktuell, "");
}

void TestStartFlow::enterOnTheHubPressesUrkunde()
{
    startAs("Anna");
    readInstructions();
    FrmAuswahl &hub = t->program.frmAuswahl();
    QCOMPARE(Drive::focused(hub), hub.ctl("cmdUrkunde").widget());
}

void TestStartFlow::closingTheInstructionsStillOpensTheHub()
{
    startAs("Anna");
    t->program.frmBedienung().window()->close();
    QVERIFY(!t->program.frmStart().isLoaded());
    QVERIFY(t->program.frmAuswahl().isLoaded());
    QVERIFY(t->exits.isEmpty());
}

ZD_TEST_MAIN(TestStartFlow)
#include "tst_startflow.moc"
