// libFuzzer target for what the settings store reads back: whatever bytes the store's file
// holds, every key reads as a text and every number as a finite float or its default; every
// number text parses back to the value it was written from; every password a teacher can type
// comes back exactly as typed.
//
// The first byte chooses the case, the rest is its input.
#include "settings/numbertext.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

const QString App = QStringLiteral("Zeigerdiplom");
const QString Section = QStringLiteral("Einstellungen");
const QStringList NumberKeys = {
    QStringLiteral("Urkunde0X"), QStringLiteral("Urkunde0Y"), QStringLiteral("Urkunde1X"),
    QStringLiteral("Urkunde1Y"), QStringLiteral("Schriftgr0"), QStringLiteral("Schriftgr1"),
};
const QStringList TextKeys = {
    QStringLiteral("Passwort"), QStringLiteral("Schriftart0"), QStringLiteral("Schriftart1"),
};

void check(bool holds)
{
    if (!holds)
        std::abort();
}

struct Fixture
{
    Fixture()
    {
        static int argc = 1;
        static char name[] = "fuzz_settings";
        static char *argv[] = {name, nullptr};
        app = new QCoreApplication(argc, argv);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    QCoreApplication *app;
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void readWhateverTheFileHolds(const QByteArray &bytes)
{
    Fixture &f = fixture();
    const QString path = f.store.filePath(App);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    for (const QString &key : NumberKeys)
        check(std::isfinite(f.store.ReadNumber(App, Section, key, 10)));
    for (const QString &key : TextKeys)
        f.store.ReadSetting(App, Section, key, QStringLiteral("731904"));
}

void numbersReadBack(const QString &text)
{
    for (const QLocale &locale : {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const std::optional<float> value = NumberText::parse(text, locale);
        if (!value)
            continue;
        check(std::isfinite(*value));
        const std::optional<float> again = NumberText::parse(NumberText::format(*value, locale), locale);
        check(again.has_value());
        // Seven significant digits are what the store keeps.
        check(std::fabs(*again - *value) <= std::fabs(*value) * 1e-6f);
    }
}

void passwordReadsBackAsTyped(const QString &password)
{
    Fixture &f = fixture();
    QFile::remove(f.store.filePath(App));
    check(f.store.WriteSetting(App, Section, QStringLiteral("Passwort"), password));
    check(f.store.ReadSetting(App, Section, QStringLiteral("Passwort"), QStringLiteral("731904")) == password);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0:
        readWhateverTheFileHolds(bytes);
        break;
    case 1:
        numbersReadBack(QString::fromUtf8(bytes));
        break;
    case 2:
        // What a text box can hold: no NUL, valid characters.
        passwordReadsBackAsTyped(QString::fromUtf8(bytes).remove(QChar(0)));
        break;
    }
    return 0;
}
