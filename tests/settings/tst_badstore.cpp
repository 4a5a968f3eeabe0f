#include "settings/settingsstore.h"
#include "support/testprogram.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

static const QString App = QStringLiteral("Zeigerdiplom");
static const QString Section = QStringLiteral("Einstellungen");

namespace {

// While it lives, this thread meets file permissions as an ordinary user does: an administrator
// (the tests run as root in containers) would read and write past them.
class OrdinaryUser
{
public:
    OrdinaryUser()
    {
        syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &m_header, lowered);
    }
    ~OrdinaryUser() { syscall(SYS_capset, &m_header, m_saved); }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
};

QByteArray garbage(int size)
{
    QRandomGenerator random(20261211);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

QByteArray padded(QByteArray start, qint64 size)
{
    while (start.size() < size)
        start += "; von Hand eingefügt, damit die Datei wächst\n";
    return start;
}

const QByteArray Stored = "[Einstellungen]\nPasswort=alt\nUrkunde0X=4440\n";

} // namespace

// The store's file in every shape a disk, a careless hand or a full folder can leave it in: each
// reads as far as it can, the rest as defaults, and no write loses what the file held.
class TestBadStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void badFile_data();
    void badFile();
};

void TestBadStore::badFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("permissions"); // "file 000", "folder 500" or none
    QTest::addColumn<QString>("password");    // what "Passwort" reads as
    QTest::addColumn<bool>("writable");       // whether a new password is stored

    QTest::newRow("garbage bytes") << garbage(3000) << "" << "731904" << true;
    QTest::newRow("garbage after the settings") << Stored + garbage(3000) << "" << "alt" << true;
    QTest::newRow("no section") << QByteArray("Passwort=alt\n") << "" << "731904" << true;
    QTest::newRow("another section") << QByteArray("[Andere]\nPasswort=alt\n") << "" << "731904" << true;
    QTest::newRow("empty file") << QByteArray() << "" << "731904" << true;
    QTest::newRow("a value of 1 MB") << Stored + "Schriftart0=" + QByteArray(1000000, 'A') + "\n" << ""
                                     << "alt" << true;
    QTest::newRow("just over 1 MiB") << padded(Stored, SettingsStore::MaxFileBytes + 1) << "" << "731904" << false;
    QTest::newRow("grown by hand to 30 MB") << padded(Stored, 30'000'000) << "" << "731904" << false;
    QTest::newRow("unreadable file") << Stored << "file 000" << "731904" << false;
    QTest::newRow("unwritable folder") << Stored << "folder 500" << "alt" << false;
}

void TestBadStore::badFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, permissions);
    QFETCH(QString, password);
    QFETCH(bool, writable);

    QTemporaryDir root;
    SettingsStore store(root.path());
    QStringList reported;
    store.setFailureReporter([&](const QString &failure) { reported << failure; });
    const QString path = store.filePath(App);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QByteArray before = QCryptographicHash::hash(content, QCryptographicHash::Sha256);
    if (permissions == "file 000")
        QFile::setPermissions(path, {});
    if (permissions == "folder 500")
        QFile::setPermissions(QFileInfo(path).absolutePath(), QFile::ReadOwner | QFile::ExeOwner);

    {
        OrdinaryUser user;
        QCOMPARE(store.ReadSetting(App, Section, "Passwort", QStringLiteral("731904")), password);
        const bool stored = store.WriteSetting(App, Section, "Passwort", "neu");
        QCOMPARE(stored, writable);
        QCOMPARE(reported.size(), writable ? 0 : 1);
        if (writable) {
            QCOMPARE(store.ReadSetting(App, Section, "Passwort", QStringLiteral("731904")), "neu");
            // Whatever else the file held and the store could read is still there.
            if (content.startsWith(Stored))
                QCOMPARE(store.ReadSetting(App, Section, "Urkunde0X", QStringLiteral("10")), "4440");
            if (content.contains("Schriftart0"))
                QCOMPARE(store.ReadSetting(App, Section, "Schriftart0", QString()).size(), 1000000);
            if (content.startsWith("[Andere]"))
                QVERIFY(QFile(path).open(QIODevice::ReadOnly) && QFile(path).size() > 0);
        }
    }
    QFile::setPermissions(QFileInfo(path).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    if (!writable) {
        // Refused, the file is exactly as it was.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256), before);
        QVERIFY(reported.first().contains("Passwort"));
    }
}

ZD_TEST_MAIN(TestBadStore)
#include "tst_badstore.moc"
