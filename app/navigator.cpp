#include "navigator.h"

#include "hyperlink.h"
#include "screen.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct DepthScope
{
    DepthScope(int &depth, int &maxDepth)
        : m_depth(depth)
    {
        maxDepth = std::max(maxDepth, ++m_depth);
    }
    ~DepthScope() { --m_depth; }
    int &m_depth;
};

} // namespace

Navigator::Navigator(MessageBoxes &messageBoxes)
    : m_messageBoxes(messageBoxes)
    , m_exit([](int status) { QCoreApplication::exit(status); })
{
}

void Navigator::registerScreen(Screen *screen)
{
    m_screens.push_back(screen);
}

void Navigator::unregisterScreen(Screen *screen)
{
    m_screens.erase(std::remove(m_screens.begin(), m_screens.end(), screen), m_screens.end());
    m_waiting.erase(screen);
}

bool Navigator::anyLoaded() const
{
    return std::any_of(m_screens.begin(), m_screens.end(), [](Screen *s) { return s->isLoaded(); });
}

void Navigator::show(Screen &screen)
{
    if (m_depth == 0) {
        runHandler([&] { show(screen); });
        return;
    }
    if (m_ending)
        return;
    if (!screen.isLoaded())
        screen.load();
    screen.display(false);
}

void Navigator::showModal(Screen &screen, std::function<void()> afterUnload)
{
    if (m_depth == 0) {
        runHandler([&] { showModal(screen, std::move(afterUnload)); });
        return;
    }
    if (m_ending)
        return;
    if (!screen.isLoaded())
        screen.load();
    if (afterUnload)
        m_waiting[&screen] = std::move(afterUnload);
    screen.display(true);
}

void Navigator::unload(Screen &screen)
{
    if (m_depth == 0) {
        runHandler([&] { unload(screen); });
        return;
    }
    screen.unload();
    auto waiting = m_waiting.find(&screen);
    if (waiting != m_waiting.end()) {
        m_ready.push_back(std::move(waiting->second));
        m_waiting.erase(waiting);
    }
}

void Navigator::message(const QString &text, MsgIcon icon, const QString &title)
{
    if (m_ending)
        return;
    DepthScope scope(m_messageDepth, m_maxMessageDepth);
    m_messageBoxes.show(text, icon, title);
}

bool Navigator::navigateTo(const QString &target)
{
    return m_hyperlink && m_hyperlink->navigateTo(target);
}

void Navigator::runHandler(const std::function<void()> &handler)
{
    if (m_ending)
        return;
    {
        DepthScope scope(m_depth, m_maxDepth);
        invoke(handler);
    }
    if (m_depth > 0)
        return;
    // The outermost handler has returned: a handler waiting on a screen that has meanwhile been
    // unloaded goes on now, and then, with nothing loaded, the program ends.
    while (!m_ready.empty() && !m_ending) {
        const std::function<void()> next = std::move(m_ready.front());
        m_ready.erase(m_ready.begin());
        DepthScope scope(m_depth, m_maxDepth);
        invoke(next);
    }
    if (!m_ending && !anyLoaded())
        end(0);
}

void Navigator::invoke(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        fatal(QString::fromUtf8(error.what()));
    } catch (...) {
        fatal(QStringLiteral("Unbekannter Fehler"));
    }
}

void Navigator::fatal(const QString &what)
{
    if (m_ending)
        return;
    message(QStringLiteral("Laufzeitfehler: %1").arg(what), MsgIcon::Critical);
    end(1);
}

void Navigator::end(int status)
{
    m_ending = true;
    m_waiting.clear();
    m_ready.clear();
    for (Screen *screen : m_screens)
        screen->unload();
    m_exit(status);
}
