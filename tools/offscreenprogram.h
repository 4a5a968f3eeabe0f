#pragma once

#include "app/program.h"
#include "app/randomsource.h"
#include "settings/settingsstore.h"

#include <QTemporaryDir>

// Tools draw offscreen unless told otherwise; call before the application is made.
inline void preferOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The whole program for the tools and benchmarks that load its screens offscreen: a settings
// store of its own that vanishes afterwards, no message box that waits for anyone, and never
// an end of the program when the last screen goes.
class OffscreenProgram
{
public:
    explicit OffscreenProgram(RandomSource &random)
        : m_settings(m_config.path())
        , program(m_boxes, m_settings, random)
    {
        program.nav().setExitHandler([](int) {});
    }

private:
    class SilentMessageBoxes : public MessageBoxes
    {
    public:
        void show(const QString &, MsgIcon, const QString &) override {}
    };

    QTemporaryDir m_config;
    SettingsStore m_settings;
    SilentMessageBoxes m_boxes;

public:
    Program program;
};
