#include "program.h"

#include "hyperlink.h"

#include "screens/fang/frmmaus.h"
#include "screens/fang/frmwinner.h"
#include "screens/hub/frmauswahl.h"
#include "screens/laby/frmlaby.h"
#include "screens/splash/frmsplash.h"
#include "screens/start/frmbedienung.h"
#include "screens/start/frmstart.h"
#include "screens/urkunde/frmchangepw.h"
#include "screens/urkunde/frmpasswort.h"
#include "screens/urkunde/frmurkunde.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>

Program::Program(MessageBoxes &messageBoxes, SettingsStore &settings, RandomSource &random)
    : m_navigator(messageBoxes)
    , m_settings(settings)
    , m_random(random)
    , m_desktopHyperlink(std::make_unique<Hyperlink>())
    , m_frmSplash(std::make_unique<FrmSplash>(*this))
    , m_frmStart(std::make_unique<FrmStart>(*this))
    , m_frmBedienung(std::make_unique<FrmBedienung>(*this))
    , m_frmAuswahl(std::make_unique<FrmAuswahl>(*this))
    , m_frmWinner(std::make_unique<FrmWinner>(*this))
    , m_frmLaby(std::make_unique<FrmLaby>(*this))
    , m_frmUrkunde(std::make_unique<FrmUrkunde>(*this))
    , m_frmPasswort(std::make_unique<FrmPasswort>(*this))
    , m_frmChangePW(std::make_unique<FrmChangePW>(*this))
    , m_appPath(QCoreApplication::applicationDirPath())
{
    for (const LevelRule &level : fangLevels())
        m_frmMaus.push_back(std::make_unique<FrmMaus>(*this, level));
    m_navigator.setHyperlink(m_desktopHyperlink.get());
    m_settings.setFailureReporter([this](const QString &failure) {
        m_navigator.message(failure, MsgIcon::Critical);
    });
}

Program::~Program()
{
    m_settings.setFailureReporter({});
}

std::vector<Screen *> Program::screens() const
{
    std::vector<Screen *> all{m_frmSplash.get(), m_frmStart.get(), m_frmBedienung.get(), m_frmAuswahl.get()};
    for (const auto &level : m_frmMaus)
        all.push_back(level.get());
    all.push_back(m_frmWinner.get());
    all.push_back(m_frmLaby.get());
    all.push_back(m_frmUrkunde.get());
    all.push_back(m_frmPasswort.get());
    all.push_back(m_frmChangePW.get());
    return all;
}


Screen *Program::screen(const QString &name) const
{
    for (Screen *s : screens())
        if (s->name() == name)
            return s;
    return nullptr;
}

void Program::setHyperlink(Hyperlink &hyperlink)
{
    m_navigator.setHyperlink(&hyperlink);
}

void Program::start()
{
    m_navigator.show(*m_frmSplash);
}
