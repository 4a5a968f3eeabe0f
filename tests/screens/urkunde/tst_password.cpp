#include "screens/hub/frmauswahl.h"
#include "screens/urkunde/frmchangepw.h"
#include "screens/urkunde/frmpasswort.h"
#include "screens/urkunde/frmurkunde.h"
#include "support/testprogram.h"

#include <QLineEdit>
#include <QSettings>
#include <QTest>

// The teacher password: the prompt's verdict and the change dialog, both driven through their
// real screens from the certificate's "Editieren".
class TestPassword : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void promptVerdict_data();
    void promptVerdict();
    void everyOtherWayOutOfThePromptRefuses_data();
    void everyOtherWayOutOfThePromptRefuses();
    void passwordBoxesShowStars();
    void changeDialog_data();
    void changeDialog();
    void changedPasswordHoldsAfterARestart();
    void tabOrderAndFocus();

private:
    void openPrompt();
    void answerPrompt(const QString &typed);
    void openChangeDialog();
    QString storedPassword() const;

    std::unique_ptr<TestProgram> t;
};

void TestPassword::init()
{
    t = std::make_unique<TestProgram>();
    t->vars().Schueler = QStringLiteral("Anna");
    // The hub reads the password as it loads; the certificate opens over it.
    t->nav().show(t->program.frmAuswahl());
    Drive::click(t->program.frmAuswahl().ctl("cmdUrkunde"));
    QVERIFY(t->program.frmUrkunde().isLoaded());
}

void TestPassword::cleanup()
{
    t.reset();
}

void TestPassword::openPrompt()
{
    Drive::click(t->program.frmUrkunde().ctl("cmdEdit"));
    QVERIFY(t->program.frmPasswort().isLoaded());
}

void TestPassword::answerPrompt(const QString &typed)
{
    FrmPasswort &prompt = t->program.frmPasswort();
    Drive::type(prompt.ctl("txtPasswort"), typed);
    Drive::key(prompt, Qt::Key_Return);
    QVERIFY(!prompt.isLoaded());
}

void TestPassword::openChangeDialog()
{
    openPrompt();
    Drive::click(t->program.frmPasswort().ctl("cmdChangePW"));
    QVERIFY(!t->program.frmPasswort().isLoaded());
    QVERIFY(t->program.frmChangePW().isLoaded());
}

QString TestPassword::storedPassword() const
{
    QSettings store(t->settings.filePath("Zeigerdiplom"), QSettings::IniFormat);
    return store.value("Einstellungen/Passwort", "<missing>").toString();
}

void TestPassword::promptVerdict_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("granted");
    QTest::newRow("the default password") << "731904" << "731904" << true;
    QTest::newRow("the current password") << "Geheim" << "Geheim" << true;
    QTest::newRow("other letter case") << "Geheim" << "geheim" << false;
    QTest::newRow("trailing space") << "Geheim" << "Geheim " << false;
    QTest::newRow("leading space") << "Geheim" << " Geheim" << false;
    QTest::newRow("empty box, password set") << "731904" << "" << false;
    QTest::newRow("empty box, empty password") << "" << "" << true;
    QTest::newRow("master password does not unlock") << "731904" << "Klassenlehrer" << false;
}

void TestPassword::promptVerdict()
{
    QFETCH(QString, current);
    QFETCH(QString, typed);
    QFETCH(bool, granted);
    t->vars().PasswortAktuell = current;
    t->vars().PasswortOK = granted ? 0 : -1; // the verdict of an earlier prompt must not count

    FrmUrkunde &urkunde = t->program.frmUrkunde();
    openPrompt();
    answerPrompt(typed);

    QCOMPARE(t->vars().PasswortOK, granted ? qint16(-1) : qint16(0));
    QCOMPARE(urkunde.EditierModus, granted ? qint16(-1) : qint16(0));
    QCOMPARE(urkunde.ctl("cmdEdit").caption(), granted ? "Editieren beenden" : "Editieren");
    if (granted) {
        QVERIFY(t->boxes.shown.isEmpty());
    } else {
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].text, "Passwort ist falsch!");
        QCOMPARE(t->boxes.shown[0].title, "Zeigerdiplom");
        QCOMPARE(t->boxes.shown[0].icon, MsgIcon::None);
    }
    QVERIFY(!t->program.frmChangePW().isLoaded());
    QVERIFY(t->exits.isEmpty());
}

void TestPassword::everyOtherWayOutOfThePromptRefuses_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Abbrechen") << "Abbrechen";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("title bar") << "title bar";
}

void TestPassword::everyOtherWayOutOfThePromptRefuses()
{
    QFETCH(QString, way);
    FrmUrkunde &urkunde = t->program.frmUrkunde();
    // An earlier prompt granted edit mode, which was then left.
    openPrompt();
    answerPrompt("731904");
    QCOMPARE(t->vars().PasswortOK, qint16(-1));
    Drive::click(urkunde.ctl("cmdEdit"));
    QCOMPARE(urkunde.EditierModus, qint16(0));

    openPrompt();
    FrmPasswort &prompt = t->program.frmPasswort();
    Drive::type(prompt.ctl("txtPasswort"), "731904");
    if (way == "Abbrechen")
        Drive::click(prompt.ctl("cmdAbbrechen"));
    else if (way == "Esc")
        Drive::key(prompt, Qt::Key_Escape);
    else
        prompt.window()->close();
    QVERIFY(!prompt.isLoaded());
    QCOMPARE(t->vars().PasswortOK, qint16(0));
    QCOMPARE(urkunde.EditierModus, qint16(0));
    QCOMPARE(urkunde.ctl("cmdEdit").caption(), "Editieren");
    QVERIFY(t->boxes.shown.isEmpty());
    QVERIFY(urkunde.isLoaded());
}

void TestPassword::passwordBoxesShowStars()
{
    openPrompt();
    auto *box = qobject_cast<QLineEdit *>(t->program.frmPasswort().ctl("txtPasswort").widget());
    QCOMPARE(box->echoMode(), QLineEdit::Password);
    Drive::type(t->program.frmPasswort().ctl("txtPasswort"), "ab c");
    QCOMPARE(box->displayText(), "****");
    Drive::click(t->program.frmPasswort().ctl("cmdChangePW"));
    for (const char *name : {"txtAltesPW", "txtNeuesPW"}) {
        auto *edit = qobject_cast<QLineEdit *>(t->program.frmChangePW().ctl(name).widget());
        QTest::keyClicks(edit, "xy");
        QCOMPARE(edit->displayText(), "**");
    }
}

void TestPassword::changeDialog_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("current password") << "731904" << "731904" << "Sonne" << true;
    QTest::newRow("master password") << "Geheim" << "Klassenlehrer" << "Mond" << true;
    QTest::newRow("master password in other case") << "Geheim" << "klassenlehrer" << "Mond" << false;
    QTest::newRow("wrong old password") << "Geheim" << "geheim" << "Mond" << false;
    QTest::newRow("empty new password") << "731904" << "731904" << "" << true;
    QTest::newRow("blanks kept") << "731904" << "731904" << " a b " << true;
}

void TestPassword::changeDialog()
{
    QFETCH(QString, current);
    QFETCH(QString, old);
    QFETCH(QString, fresh);
    QFETCH(bool, accepted);
    t->vars().PasswortAktuell = current;

    openChangeDialog();
    // The prompt has already ended refused.
    QCOMPARE(t->vars().PasswortOK, qint16(0));
    QCOMPARE(t->program.frmUrkunde().EditierModus, qint16(0));

    FrmChangePW &change = t->program.frmChangePW();
    Drive::type(change.ctl("txtAltesPW"), old);
    Drive::type(change.ctl("txtNeuesPW"), fresh);
    Drive::key(change, Qt::Key_Return);
    QVERIFY(!change.isLoaded());
    QCOMPARE(t->vars().Generalpasswort, "Klassenlehrer");

    if (accepted) {
        QCOMPARE(t->vars().PasswortAktuell, fresh);
        QCOMPARE(storedPassword(), fresh);
        QVERIFY(t->boxes.shown.isEmpty());
    } else {
        QCOMPARE(t->vars().PasswortAktuell, current);
        QCOMPARE(storedPassword(), "<missing>");
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].text, "Falsches Passwort!");
        QCOMPARE(t->boxes.shown[0].title, "Bitte richtiges Passwort eingeben!");
        QCOMPARE(t->boxes.shown[0].icon, MsgIcon::None);
    }
    // The next prompt compares with the password now in force.
    t->boxes.shown.clear();
    openPrompt();
    answerPrompt(accepted ? fresh : current);
    QCOMPARE(t->program.frmUrkunde().EditierModus, qint16(-1));
}

void TestPassword::changedPasswordHoldsAfterARestart()
{
    openChangeDialog();
    FrmChangePW &change = t->program.frmChangePW();
    Drive::type(change.ctl("txtAltesPW"), "Klassenlehrer");
    Drive::click(change.ctl("cmdAbbrechen"));
    QCOMPARE(storedPassword(), "<missing>");

    openChangeDialog();
    Drive::type(t->program.frmChangePW().ctl("txtAltesPW"), "Klassenlehrer");
    Drive::click(t->program.frmChangePW().ctl("cmdÄndern"));
    QCOMPARE(storedPassword(), "");

    // A second run of the program on the same store.
    RecordingMessageBoxes boxes;
    SeededRandom random(7);
    Program again(boxes, t->settings, random);
    again.setDialogs(t->dialogs);
    again.nav().setExitHandler([](int) {});
    again.nav().show(again.frmAuswahl());
    QCOMPARE(again.vars().PasswortAktuell, "");
    Drive::click(again.frmAuswahl().ctl("cmdUrkunde"));
    Drive::click(again.frmUrkunde().ctl("cmdEdit"));
    // The old default no longer unlocks; the empty password does.
    Drive::type(again.frmPasswort().ctl("txtPasswort"), "731904");
    Drive::click(again.frmPasswort().ctl("cmdOK"));
    QCOMPARE(again.frmUrkunde().EditierModus, qint16(0));
    Drive::click(again.frmUrkunde().ctl("cmdEdit"));
    Drive::click(again.frmPasswort().ctl("cmdOK"));
    QCOMPARE(again.frmUrkunde().EditierModus, qint16(-1));
}

void TestPassword::tabOrderAndFocus()
{
    openPrompt();
    FrmPasswort &prompt = t->program.frmPasswort();
    QCOMPARE(prompt.window()->windowTitle(), "Passworteingabe:");
    QCOMPARE(prompt.window()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(prompt.window()->size(), QSize(265, 118));
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        order << Drive::focused(prompt)->objectName();
        Drive::key(prompt, Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"txtPasswort", "cmdOK", "cmdAbbrechen", "cmdChangePW"}));

    Drive::click(prompt.ctl("cmdChangePW"));
    FrmChangePW &change = t->program.frmChangePW();
    QCOMPARE(change.window()->windowTitle(), "Ändern des Passwortes");
    QCOMPARE(change.window()->size(), QSize(249, 185));
    order.clear();
    for (int i = 0; i < 4; ++i) {
        order << Drive::focused(change)->objectName();
        Drive::key(change, Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"txtAltesPW", "txtNeuesPW", "cmdÄndern", "cmdAbbrechen"}));
}

ZD_TEST_MAIN(TestPassword)
#include "tst_password.moc"
