#pragma once

#include "app/navigator.h"
#include "app/screen.h"

#include <functional>

// A screen for tests of the screen model: its layout, its load steps and its handlers come
// from the test, and it keeps one per-screen variable of its own.
class ModelScreen : public Screen
{
public:
    ModelScreen(Navigator &navigator, const QString &name, ScreenDesign layout)
        : Screen(navigator, name)
        , m_layout(std::move(layout))
    {
    }

    const ScreenDesign &design() const override { return m_layout; }

    std::function<void(ModelScreen &)> load;
    std::function<void(ModelScreen &)> wire;
    int loads = 0;
    int perScreenCounter = 0;

    using Screen::guarded;
    using Screen::nav;
    using Screen::on;
    using Screen::onForm;

protected:
    void connectHandlers() override
    {
        if (wire)
            wire(*this);
    }
    void Form_Load() override
    {
        ++loads;
        if (load)
            load(*this);
    }

private:
    ScreenDesign m_layout;
};
