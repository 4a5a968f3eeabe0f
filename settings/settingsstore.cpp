#include "settingsstore.h"

#include "numbertext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
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

// The most the values can add to the file: the file escapes a character in at most six bytes.
qint64 mostAdded(const SettingsStore::Values &values)
{
    qint64 bytes = 0;
    for (const auto &[key, value] : values)
        bytes += 6 * (key.size() + value.size()) + 2;
    return bytes;
}

QString failureText(const SettingsStore::Values &values, const QString &path, const QString &reason)
{
    QStringList keys;
    for (const auto &value : values)
        keys << QLatin1Char('"') + value.first + QLatin1Char('"');
    QString text = keys.size() == 1
        ? QStringLiteral("Die Einstellung %1 konnte nicht in %2 gespeichert werden.").arg(keys.first(), path)
        : QStringLiteral("Die Einstellungen %1 konnten nicht in %2 gespeichert werden.").arg(keys.join(QStringLiteral(", ")), path);
    if (!reason.isEmpty())
        text += QLatin1Char(' ') + reason;
    return text;
}

// The settings take a lock file while they write. One whose owner was killed while writing it
// names no owner, and the settings would wait half a minute for it to grow old; one that names a
// finished program is cleared by the lock itself.
void clearBrokenLock(const QString &path)
{
    QLockFile lock(path + QLatin1String(".lock"));
    if (lock.tryLock(0)) {
        lock.unlock();
        return;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application))
        lock.removeStaleLockFile();
}

// Why the file must not be replaced, or nothing when it may.
QString refusal(const QString &path, const SettingsStore::Values &values)
{
    const QFileInfo file(path);
    const qint64 size = file.isFile() ? file.size() : 0;
    if (size > SettingsStore::MaxFileBytes)
        return QStringLiteral("Die Datei ist größer als 1 MB; sie bleibt, wie sie ist.");
    if (file.isFile() && !QFile(path).open(QIODevice::ReadOnly))
        return QStringLiteral("Die Datei kann nicht gelesen werden; sie bleibt, wie sie ist.");
    if (size + mostAdded(values) > SettingsStore::MaxFileBytes)
        return QStringLiteral("Die Datei würde größer als 1 MB.");
    return {};
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
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > MaxFileBytes)
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
    return WriteSettings(application, section, {{key, value}});
}

bool SettingsStore::WriteSettings(const QString &application, const QString &section, const Values &values)
{
    const QString path = filePath(application);
    QString reason = refusal(path, values);
    if (reason.isEmpty()) {
        QSettings::Status status = QSettings::AccessError;
        {
            PrivateFileMask mask;
            QDir().mkpath(QFileInfo(path).absolutePath());
            clearBrokenLock(path);
            QSettings settings(path, QSettings::IniFormat);
            // Written beside the file and renamed over it: the file is whole at every moment.
            settings.setAtomicSyncRequired(true);
            for (const auto &[key, value] : values)
                settings.setValue(groupKey(section, key), value);
            settings.sync();
            status = settings.status();
        }
        // A format error concerns lines of the old file that were no settings; the new file
        // was written all the same.
        if (status != QSettings::AccessError && QFileInfo(path).isFile()) {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            return true;
        }
    }
    if (m_report)
        m_report(failureText(values, path, reason));
    return false;
}
