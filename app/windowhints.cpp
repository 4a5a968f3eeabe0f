#include "windowhints.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template<typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const QByteArray &name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, name.size(), name.constData()), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    return Reply<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 256), nullptr));
}

class MinimiseGuard : public QObject
{
public:
    explicit MinimiseGuard(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::WindowStateChange
            && (m_window->windowState() & Qt::WindowMinimized)) {
            // Once the window manager has finished minimising, not in the middle of it.
            QTimer::singleShot(0, this, [this] {
                if (!m_window->isVisible() || !(m_window->windowState() & Qt::WindowMinimized))
                    return;
                m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
                m_window->show();
                m_window->raise();
                m_window->activateWindow();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
};

xcb_window_t rootWindow(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

} // namespace

namespace WindowHints {

QString windowManagerName()
{
    xcb_connection_t *c = x11Connection();
    if (!c)
        return {};
    // A window manager that follows the desktop conventions names itself on the window that
    // the root's _NET_SUPPORTING_WM_CHECK points to.
    const auto check = property(c, rootWindow(c), atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (!check || check->type != XCB_ATOM_WINDOW || xcb_get_property_value_length(check.get()) < 4)
        return {};
    const xcb_window_t wm = *static_cast<xcb_window_t *>(xcb_get_property_value(check.get()));
    const auto name = property(c, wm, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"));
    if (!name)
        return {};
    return QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(name.get())),
                             xcb_get_property_value_length(name.get()));
}

QStringList windowTypes(const QString &windowManager, bool minimisable)
{
    if (minimisable || windowManager.compare(QLatin1String("Openbox"), Qt::CaseInsensitive) != 0)
        return {};
    // NORMAL after it, for any other manager that might one day read the property.
    return {QStringLiteral("TOOLBAR"), QStringLiteral("NORMAL")};
}

void apply(QWidget *window, bool minimisable)
{
    xcb_connection_t *c = x11Connection();
    if (!c || !window)
        return;
    const QStringList types = windowTypes(windowManagerName(), minimisable);
    if (types.isEmpty())
        return;
    std::vector<xcb_atom_t> atoms;
    for (const QString &type : types)
        atoms.push_back(atom(c, "_NET_WM_WINDOW_TYPE_" + type.toLatin1()));
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom(c, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, uint32_t(atoms.size()), atoms.data());
    xcb_flush(c);
}

void keepRestored(QWidget *window)
{
    new MinimiseGuard(window);
}

void withoutMinimise(QWidget *dialog)
{
    dialog->winId();
    apply(dialog, false);
    keepRestored(dialog);
}

} // namespace WindowHints
