#include "program.h"

#include "screens/hub/frmauswahl.h"
#include "screens/start/frmbedienung.h"
#include "screens/start/frmstart.h"
#include "settings/settingsstore.h"

Program::Program(MessageBoxes &messageBoxes, SettingsStore &settings, RandomSource &random)
    : m_navigator(messageBoxes)
    , m_settings(settings)
    , m_random(random)
    , m_frmStart(std::make_unique<FrmStart>(*this))
    , m_frmBedienung(std::make_unique<FrmBedienung>(*this))
    , m_frmAuswahl(std::make_unique<FrmAuswahl>(*this))
{
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
    return {m_frmStart.get(), m_frmBedienung.get(), m_frmAuswahl.get()};
}

Screen *Program::screen(const QString &name) const
{
    for (Screen *s : screens())
        if (s->name() == name)
            return s;
    return nullptr;
}

void Program::start()
{
    m_navigator.show(*m_frmStart);
}
