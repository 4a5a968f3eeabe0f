#include "settings/settingsstore.h"
#include "support/testprogram.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {

const QString Section = QStringLiteral("Einstellungen/");
const QStringList LayoutKeys{"Urkunde0X", "Urkunde0Y", "Urkunde1X", "Urkunde1Y",
                             "Schriftart0", "Schriftart1", "Schriftgr0", "Schriftgr1"};
// The two layouts the helper stores in turn, as the file holds them.
const QStringList FirstLayout{"10", "10", "1100", "10", "Arial", "Arial", "10", "10"};
const QStringList SecondLayout{"4440", "-300,5", "5160,25", "5175", "Times New Roman", "Times New Roman",
                               "26,25", "26,25"};

} // namespace

// The program killed while it stores: the settings file is whole afterwards, with the values
// before the store or after it, never some of each.
class TestKilledWrite : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void killedWhileStoring_data();
    void killedWhileStoring();
};

void TestKilledWrite::killedWhileStoring_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("Speichern on the certificate") << "layout";
    QTest::newRow("password change") << "password";
}

void TestKilledWrite::killedWhileStoring()
{
    QFETCH(QString, mode);
    QTemporaryDir root;
    SettingsStore store(root.path());
    const QString path = store.filePath("Zeigerdiplom");
    // What was stored before: the first layout and a password.
    SettingsStore::Values before{{"Passwort", "alt"}};
    for (int i = 0; i < LayoutKeys.size(); ++i)
        before.append({LayoutKeys[i], FirstLayout[i]});
    QVERIFY(store.WriteSettings("Zeigerdiplom", "Einstellungen", before));

    QRandomGenerator random(20261211);
    const QString helper = QCoreApplication::applicationDirPath() + "/killedwrite";
    int seenNew = 0;
    for (int round = 0; round < 100; ++round) {
        QProcess writer;
        writer.start(helper, {mode, root.path()});
        QVERIFY(writer.waitForStarted());
        QVERIFY2(writer.waitForReadyRead(20000), qPrintable(writer.readAllStandardError()));
        QThread::usleep(random.bounded(20000u));
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        // Read from a copy: a settings object on the file itself may be served from memory.
        const QString copy = root.filePath(QStringLiteral("round%1.conf").arg(round));
        QVERIFY(QFile::copy(path, copy));
        QSettings file(copy, QSettings::IniFormat);
        QCOMPARE(file.status(), QSettings::NoError);
        QStringList layout;
        for (const QString &key : LayoutKeys)
            layout << file.value(Section + key).toString();
        const QString password = file.value(Section + "Passwort").toString();
        if (mode == "layout") {
            QVERIFY2(layout == FirstLayout || layout == SecondLayout, qPrintable(layout.join('|')));
            QCOMPARE(password, "alt");
            seenNew += layout == SecondLayout;
        } else {
            QCOMPARE(layout, FirstLayout);
            QVERIFY2(password == "alt" || password == "neu", qPrintable(password));
            seenNew += password == "neu";
        }
        QFile::remove(copy);
    }
    // The kills fell before and after stores alike.
    QVERIFY(seenNew > 10 && seenNew < 90);
    const QStringList left = QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files);
    qInfo() << "files left beside the store:" << left;
}

ZD_TEST_MAIN(TestKilledWrite)
#include "tst_killedwrite.moc"
