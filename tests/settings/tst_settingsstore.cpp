#include "settings/settingsstore.h"
#include "support/testprogram.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

static const QString App = QStringLiteral("Zeigerdiplom");
static const QString Section = QStringLiteral("Einstellungen");

class TestSettingsStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void missingKeyGivesItsDefaultAndWritesNothing();
    void storedTextsReadBackExactly_data();
    void storedTextsReadBackExactly();
    void keysKeepTheirOwnValues();
    void fileIsReadableByItsUserOnly();
    void failedWriteIsReportedAndReturnsFalse();
    void numberThatDoesNotConvertGivesTheDefault();
    void numberWrittenUnderTheOtherSeparatorReadsBack();
    void unreadableStoreGivesTheDefault();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    QStringList m_reported;
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<SettingsStore>(m_dir->path());
    m_reported.clear();
    m_store->setFailureReporter([this](const QString &failure) { m_reported << failure; });
}

void TestSettingsStore::missingKeyGivesItsDefaultAndWritesNothing()
{
    QCOMPARE(m_store->ReadSetting(App, Section, "Passwort", QStringLiteral("731904")), "731904");
    // A number default comes back in the number text form of the locale.
    QCOMPARE(m_store->ReadSetting(App, Section, "Schriftgr0", 10.5), "10,5");
    QCOMPARE(m_store->ReadNumber(App, Section, "Urkunde0X", 10), 10.0f);
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestSettingsStore::storedTextsReadBackExactly_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty password is not the default") << "";
    QTest::newRow("blanks and case kept") << " Geheim ";
    QTest::newRow("umlauts") << "Größe&Übung";
    QTest::newRow("ini syntax characters") << "a=b;c#d\\e";
}

void TestSettingsStore::storedTextsReadBackExactly()
{
    QFETCH(QString, value);
    QVERIFY(m_store->WriteSetting(App, Section, "Passwort", value));
    QCOMPARE(m_store->ReadSetting(App, Section, "Passwort", QStringLiteral("731904")), value);
    // A fresh store on the same folder sees it too: nothing lives only in memory.
    SettingsStore again(m_dir->path());
    QCOMPARE(again.ReadSetting(App, Section, "Passwort", QStringLiteral("731904")), value);
}

void TestSettingsStore::keysKeepTheirOwnValues()
{
    QVERIFY(m_store->WriteSetting(App, Section, "Urkunde0X", "-15"));
    QVERIFY(m_store->WriteSetting(App, Section, "Schriftart0", "Times New Roman"));
    QVERIFY(m_store->WriteSetting(App, Section, "Urkunde0X", "4440"));
    QCOMPARE(m_store->ReadNumber(App, Section, "Urkunde0X", 10), 4440.0f);
    QCOMPARE(m_store->ReadSetting(App, Section, "Schriftart0", QStringLiteral("Arial")), "Times New Roman");
    QCOMPARE(m_store->ReadSetting(App, Section, "Schriftart1", QStringLiteral("Arial")), "Arial");
}

void TestSettingsStore::fileIsReadableByItsUserOnly()
{
    QVERIFY(m_store->WriteSetting(App, Section, "Passwort", "neu"));
    const QFileInfo file(m_store->filePath(App));
    QVERIFY(file.isFile());
    QVERIFY(file.permissions() & QFile::ReadOwner);
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
        | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(file.permissions() & others, QFile::Permissions());
    QCOMPARE(file.absolutePath(), m_dir->path() + "/Zeigerdiplom");
}

void TestSettingsStore::failedWriteIsReportedAndReturnsFalse()
{
    // A folder where the file should be makes every write fail, even for root.
    QVERIFY(QDir().mkpath(m_store->filePath(App)));
    QVERIFY(!m_store->WriteSetting(App, Section, "Passwort", "neu"));
    QCOMPARE(m_reported.size(), 1);
    QVERIFY(m_reported.first().contains("Passwort"));
    QCOMPARE(m_store->ReadSetting(App, Section, "Passwort", QStringLiteral("731904")), "731904");
}

void TestSettingsStore::numberThatDoesNotConvertGivesTheDefault()
{
    QVERIFY(m_store->WriteSetting(App, Section, "Schriftgr0", "groß"));
    QVERIFY(m_store->WriteSetting(App, Section, "Schriftgr1", ""));
    QCOMPARE(m_store->ReadNumber(App, Section, "Schriftgr0", 10), 10.0f);
    QCOMPARE(m_store->ReadNumber(App, Section, "Schriftgr1", 10), 10.0f);
}

void TestSettingsStore::numberWrittenUnderTheOtherSeparatorReadsBack()
{
    QVERIFY(m_store->WriteSetting(App, Section, "Schriftgr0", "10.5"));
    QCOMPARE(m_store->ReadNumber(App, Section, "Schriftgr0", 10), 10.5f);
}

void TestSettingsStore::unreadableStoreGivesTheDefault()
{
    QVERIFY(QDir().mkpath(m_store->filePath(App)));
    QCOMPARE(m_store->ReadSetting(App, Section, "Passwort", QStringLiteral("731904")), "731904");
}

ZD_TEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
