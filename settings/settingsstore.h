#pragma once

#include <QString>

#include <functional>

class QSettings;

// The per-user key/value store of texts that outlives the program: the teacher password and the
// certificate layout. Every read goes to the file, nothing is cached; every write is flushed at
// once, atomically, into a file only its user can read.
class SettingsStore
{
public:
    // configRoot is the user's configuration folder; the store lives in a folder named after
    // the application below it.
    explicit SettingsStore(const QString &configRoot = defaultConfigRoot());

    static QString defaultConfigRoot();
    QString filePath(const QString &application) const;

    QString ReadSetting(const QString &application, const QString &section, const QString &key,
                        const QString &defaultValue) const;
    QString ReadSetting(const QString &application, const QString &section, const QString &key,
                        double defaultValue) const;

    // A stored number that does not convert gives the default.
    float ReadNumber(const QString &application, const QString &section, const QString &key,
                     double defaultValue) const;

    // Returns false, after reporting the failure, when the value could not be stored.
    bool WriteSetting(const QString &application, const QString &section, const QString &key,
                      const QString &value);

    // Where a failed write is reported; the program shows it in a message box.
    void setFailureReporter(std::function<void(const QString &)> reporter) { m_report = std::move(reporter); }

private:
    QString m_root;
    std::function<void(const QString &)> m_report;
};
