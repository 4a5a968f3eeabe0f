#pragma once

#include "commondialog.h"
#include "navigator.h"
#include "screen.h"
#include "variablen.h"

#include <memory>

class Hyperlink;
class MessageBoxes;
class RandomSource;
class SettingsStore;

class FrmSplash;
class FrmStart;
class FrmBedienung;
class FrmAuswahl;
class FrmMaus;
class FrmWinner;
class FrmLaby;
class FrmUrkunde;
class FrmPasswort;
class FrmChangePW;

// The whole program: its screens, the shared variables and the services the screens use.
// Everything a screen needs from outside arrives through here, so a test can build a program
// with a recorder for message boxes, a store in a temporary folder and a scripted random source.
class Program
{
public:
    Program(MessageBoxes &messageBoxes, SettingsStore &settings, RandomSource &random);
    ~Program();

    Navigator &nav() { return m_navigator; }
    Variablen &vars() { return m_variablen; }
    SettingsStore &settings() { return m_settings; }
    RandomSource &random() { return m_random; }
    // Links open through the desktop unless a test puts its recorder here.
    void setHyperlink(Hyperlink &hyperlink);

    FrmSplash &frmSplash() { return *m_frmSplash; }

    // The font and printer dialogs; the real ones unless a test brings its own.
    Dialogs &dialogs() { return *m_dialogs; }
    void setDialogs(Dialogs &dialogs) { m_dialogs = &dialogs; }

    FrmStart &frmStart() { return *m_frmStart; }
    FrmBedienung &frmBedienung() { return *m_frmBedienung; }
    FrmAuswahl &frmAuswahl() { return *m_frmAuswahl; }
    // Level 1 to 5 of "Voze ziv Urared".
    FrmMaus &frmMaus(int level) { return *m_frmMaus.at(size_t(level - 1)); }
    FrmWinner &frmWinner() { return *m_frmWinner; }
    FrmLaby &frmLaby() { return *m_frmLaby; }
    FrmUrkunde &frmUrkunde() { return *m_frmUrkunde; }
    FrmPasswort &frmPasswort() { return *m_frmPasswort; }
    FrmChangePW &frmChangePW() { return *m_frmChangePW; }

    // The program's directory, where the files that lie beside the program are read from.
    // Tests point it at a folder of their own.
    QString appPath() const { return m_appPath; }
    void setAppPath(const QString &directory) { m_appPath = directory; }

    // Looks a screen up by its name, for tools that walk every screen.
    Screen *screen(const QString &name) const;
    std::vector<Screen *> screens() const;

    // The program opens on the splash screen.
    void start();

private:
    Navigator m_navigator;
    Variablen m_variablen;
    SettingsStore &m_settings;
    RandomSource &m_random;
    std::unique_ptr<Hyperlink> m_desktopHyperlink;
    std::unique_ptr<FrmSplash> m_frmSplash;
    std::unique_ptr<FrmStart> m_frmStart;
    std::unique_ptr<FrmBedienung> m_frmBedienung;
    std::unique_ptr<FrmAuswahl> m_frmAuswahl;
    std::vector<std::unique_ptr<FrmMaus>> m_frmMaus;
    std::unique_ptr<FrmWinner> m_frmWinner;
    std::unique_ptr<FrmLaby> m_frmLaby;
    std::unique_ptr<FrmUrkunde> m_frmUrkunde;
    std::unique_ptr<FrmPasswort> m_frmPasswort;
    std::unique_ptr<FrmChangePW> m_frmChangePW;
    QString m_appPath;
    Dialogs m_realDialogs;
    Dialogs *m_dialogs = &m_realDialogs;
};

// A screen of this program: it reaches the shared variables and the other screens.
class ProgramScreen : public Screen
{
public:
    ProgramScreen(Program &program, const QString &name)
        : Screen(program.nav(), name)
        , m_program(program)
    {
    }

protected:
    Program &program() const { return m_program; }
    Variablen &vars() const { return m_program.vars(); }

private:
    Program &m_program;
};
