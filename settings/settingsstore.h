#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

class QSettings;

// The per-user key/value store of texts that outlives the program: the teacher password and the
// certificate layout. Every read goes to the file, nothing is cached; every write is flushed at
// once, atomically, into a file only its user can read.
//
// The file holds nine short texts, a kilobyte at most in daily use. A file over MaxFileBytes
// (grown by hand, or something else's) is not parsed: every key reads as its default, and no
// write replaces it, so whatever it holds stays for whoever looks into it. The same goes for a
// file that is there but cannot be read: writing over it would drop every key not written.
class SettingsStore
{
public:
    using Values = QList<std::pair<QString, QString>>;
    static constexpr qint64 MaxFileBytes = 1 << 20;

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
    // Stores all the values, in their order, with one replacement of the file: afterwards it
    // holds either all of them or, should anything fail or the program be killed on the way,
    // none of them.
    bool WriteSettings(const QString &application, const QString &section, const Values &values);

    // Where a failed write is reported; the program shows it in a message box.
    void setFailureReporter(std::function<void(const QString &)> reporter) { m_report = std::move(reporter); }

private:
    QString m_root;
    std::function<void(const QString &)> m_report;
};
