#pragma once

#include "messageboxes.h"

#include <QString>

#include <functional>
#include <map>
#include <vector>

class Hyperlink;
class Screen;

// Show, Show modal and Unload, the end of the program and the handler wrapper.
//
// A modal show blocks input to every other screen, but it does not wait in a nested event
// loop: where a handler has steps after the modal show, they are handed over as a continuation
// and run once the shown screen has been unloaded and the handler that unloaded it has
// returned. So a child can go between hub and games for as long as it likes without the stack
// growing. Only message boxes wait in a loop of their own.
class Navigator
{
public:
    explicit Navigator(MessageBoxes &messageBoxes);

    void registerScreen(Screen *screen);
    void unregisterScreen(Screen *screen);

    void show(Screen &screen);
    void showModal(Screen &screen, std::function<void()> afterUnload = {});
    void unload(Screen &screen);

    void message(const QString &text, MsgIcon icon = MsgIcon::None,
                 const QString &title = QStringLiteral("Zeigerdiplom"));

    // Hands a web or mail address to the desktop; false when nothing there could open it.
    bool navigateTo(const QString &target);
    void setHyperlink(Hyperlink *hyperlink) { m_hyperlink = hyperlink; }

    // Every event handler of the program runs through here. An error that escapes it is
    // reported and ends the program; no exception reaches Qt's event loop.
    void runHandler(const std::function<void()> &handler);

    bool anyLoaded() const;
    bool isEnding() const { return m_ending; }

    // How the program ends; by default Qt's event loop is left with the status.
    void setExitHandler(std::function<void(int status)> handler) { m_exit = std::move(handler); }

    int handlerDepth() const { return m_depth; }
    int maxHandlerDepth() const { return m_maxDepth; }
    int maxMessageDepth() const { return m_maxMessageDepth; }

private:
    void invoke(const std::function<void()> &handler);
    void fatal(const QString &what);
    void end(int status);

    MessageBoxes &m_messageBoxes;
    Hyperlink *m_hyperlink = nullptr;
    std::vector<Screen *> m_screens;
    std::map<Screen *, std::function<void()>> m_waiting;
    std::vector<std::function<void()>> m_ready;
    std::function<void(int)> m_exit;
    int m_depth = 0;
    int m_maxDepth = 0;
    int m_messageDepth = 0;
    int m_maxMessageDepth = 0;
    bool m_ending = false;
};
