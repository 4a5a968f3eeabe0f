#include "settingsstore.h"

#include "numbertext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

// Files created while this lives are readable by their user only.
class PrivateFileMask
{
public:
    PrivateFileMask()
        : m_previous(::umask(077))
    {
    }
    ~PrivateFileMask() { ::umask(m_previous); }

private:
    mode_t m_previous;
};

QString groupKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

SettingsStore::SettingsStore(const QString &configRoot)
    : m_root(configRoot)
{
}

QString SettingsStore::defaultConfigRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString SettingsStore::filePath(const QString &application) const
{
    return m_root + QLatin1Char('/') + application + QLatin1Char('/') + application + QLatin1String(".conf");
}

QString SettingsStore::ReadSetting(const QString &application, const QString &section, const QString &key,
                                   const QString &defaultValue) const
{
    // A store that is missing or cannot be read answers with the default, as a new one would.
    const QString path = filePath(application);
    if (!QFileInfo(path).isFile())
        return defaultValue;
    QSettings settings(path, QSettings::IniFormat);
    const QVariant value = settings.value(groupKey(section, key));
    if (!value.isValid())
        return defaultValue;
    return value.toString();
}

QString SettingsStore::ReadSetting(const QString &application, const QString &section, const QString &key,
                                   double defaultValue) const
{
    return ReadSetting(application, section, key, NumberText::format(float(defaultValue)));
}

float SettingsStore::ReadNumber(const QString &application, const QString &section, const QString &key,
                                double defaultValue) const
{
    const QString text = ReadSetting(application, section, key, defaultValue);
    return NumberText::parse(text).value_or(float(defaultValue));
}

bool SettingsStore::WriteSetting(const QString &application, const QString &section, const QString &key,
                                 const QString &value)
{
    const QString path = filePath(application);
    QSettings::Status status = QSettings::AccessError;
    {
        PrivateFileMask mask;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSettings settings(path, QSettings::IniFormat);
        settings.setAtomicSyncRequired(true);
        settings.setValue(groupKey(section, key), value);
        settings.sync();
        status = settings.status();
    }
    if (status == QSettings::NoError && QFileInfo(path).isFile()) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    if (m_report)
        m_report(QStringLiteral("Die Einstellung \"%1\" konnte nicht in %2 gespeichert werden.").arg(key, path));
    return false;
}
