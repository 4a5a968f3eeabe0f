#include "screen.h"

#include "errors.h"
#include "fonts.h"
#include "navigator.h"
#include "pictures.h"
#include "usercontrol.h"
#include "widgets.h"
#include "windowhints.h"

#include <QGuiApplication>
#include <QHash>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

QIcon cachedWindowIcon(const QString &source)
{
    static QHash<QString, QIcon> icons;
    auto it = icons.find(source);
    if (it == icons.end())
        it = icons.insert(source, Pictures::windowIcon(source));
    return *it;
}

} // namespace

QPoint centredOn(const QRect &area, const QSize &size)
{
    // A window larger than the desktop (an 800 x 600 screen on a small or highly scaled one)
    // keeps its top-left corner, and with it the title bar and the close box, on the desktop.
    return {area.x() + std::max(0, (area.width() - size.width()) / 2),
            area.y() + std::max(0, (area.height() - size.height()) / 2)};
}

Screen::Screen(Navigator &navigator, const QString &name)
    : m_navigator(navigator)
    , m_name(name)
{
    setObjectName(name);
    m_navigator.registerScreen(this);
}

Screen::~Screen()
{
    if (m_window)
        delete m_window.data();
    m_navigator.unregisterScreen(this);
}

void Screen::setWidth(float outer)
{
    m_clientWidth = outer - FrameWidth;
    applyWindowSize();
}

void Screen::setHeight(float outer)
{
    m_clientHeight = outer - FrameHeight;
    applyWindowSize();
}

void Screen::applyWindowSize()
{
    if (m_window)
        m_window->setFixedSize(Twips::toPixels(m_clientWidth), Twips::toPixels(m_clientHeight));
}

void Screen::setCaption(const QString &caption)
{
    m_caption = caption;
    // An empty title would make Qt fall back on the executable's name; a blank keeps it empty.
    if (m_window)
        m_window->setWindowTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
}

void Screen::setBackColor(VbColor color)
{
    m_backColor = color;
    if (!m_window)
        return;
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, toQColor(color));
    m_window->setPalette(palette);
    m_window->setAutoFillBackground(true);
}

void Screen::setMousePointer(const Pointer &pointer)
{
    m_pointer = pointer;
    if (!m_window)
        return;
    if (pointer.kind == Pointer::Default)
        m_window->unsetCursor();
    else
        m_window->setCursor(Pictures::cursor(pointer));
}

bool Screen::setPicture(const QString &source)
{
    const QSize size = source.isEmpty() ? QSize() : Pictures::naturalSize(source);
    const qreal dpr = m_window ? m_window->devicePixelRatioF() : Pictures::defaultDevicePixelRatio();
    const QPixmap picture = size.isValid() ? Pictures::render(source, size, dpr) : QPixmap();
    if (m_window)
        m_window->setBackPicture(picture);
    return source.isEmpty() || !picture.isNull();
}

Control *Screen::findControl(const QString &name, int index) const
{
    for (const auto &control : m_controls) {
        if (control->name() == name && control->index() == index)
            return control.get();
    }
    return nullptr;
}

Control &Screen::ctl(const QString &name, int index) const
{
    if (Control *control = findControl(name, index))
        return *control;
    const QString member = index == NoIndex ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
    throw RuntimeError(QStringLiteral("Das Steuerelement %1 von %2 ist nicht geladen.").arg(member, m_name));
}

std::function<void()> Screen::dispatch(std::function<void()> handler)
{
    return [this, generation = m_generation, handler = std::move(handler)] {
        deliver(generation, handler);
    };
}

void Screen::deliver(int generation, const std::function<void()> &handler)
{
    // Events still queued for a window that has since been unloaded reach nobody.
    if (isLoaded() && m_generation == generation)
        m_navigator.runHandler(handler);
}

void Screen::on(const QString &control, Event event, std::function<void(const EventArgs &)> handler)
{
    for (const auto &c : m_controls) {
        if (c->name() != control)
            continue;
        const int index = c->index();
        const int generation = m_generation;
        auto mouse = [this, generation, index, handler](const MouseArgs &m) {
            const EventArgs args{index, m.button, m.shift, Twips::fromPixels(m.position.x()),
                                 Twips::fromPixels(m.position.y()), {}};
            deliver(generation, [&] { handler(args); });
        };
        auto plain = [this, generation, index, handler] {
            EventArgs args;
            args.index = index;
            deliver(generation, [&] { handler(args); });
        };
        QWidget *w = c->widget();
        switch (event) {
        case Event::Click:
            if (auto *b = qobject_cast<VbButton *>(w))
                connect(b, &QAbstractButton::clicked, this, plain);
            else if (auto *l = qobject_cast<VbLabel *>(w))
                connect(l, &VbLabel::clicked, this, plain);
            else if (auto *p = qobject_cast<VbPicture *>(w))
                connect(p, &VbPicture::clicked, this, plain);
            else if (auto *f = qobject_cast<VbFrame *>(w))
                connect(f, &VbFrame::clicked, this, plain);
            break;
        case Event::MouseDown:
            if (auto *b = qobject_cast<VbButton *>(w))
                connect(b, &VbButton::mouseDown, this, mouse);
            break;
        case Event::MouseMove:
            // Movements are reported with no button held too.
            if (w)
                w->setMouseTracking(true);
            if (auto *b = qobject_cast<VbButton *>(w))
                connect(b, &VbButton::mouseMoved, this, mouse);
            else if (auto *l = qobject_cast<VbLabel *>(w))
                connect(l, &VbLabel::mouseMoved, this, mouse);
            else if (auto *p = qobject_cast<VbPicture *>(w))
                connect(p, &VbPicture::mouseMoved, this, mouse);
            else if (auto *f = qobject_cast<VbFrame *>(w))
                connect(f, &VbFrame::mouseMoved, this, mouse);
            break;
        case Event::Timer:
            if (QTimer *t = c->timer())
                connect(t, &QTimer::timeout, this, plain);
            break;
        }
    }
}

void Screen::onForm(Event event, std::function<void(const EventArgs &)> handler)
{
    const int generation = m_generation;
    if (event == Event::Click) {
        connect(m_window, &ScreenWindow::clicked, this, [this, generation, handler] {
            deliver(generation, [&] { handler(EventArgs()); });
        });
    } else if (event == Event::MouseMove) {
        connect(m_window, &ScreenWindow::mouseMoved, this, [this, generation, handler](const MouseArgs &m) {
            const EventArgs args{NoIndex, m.button, m.shift, Twips::fromPixels(m.position.x()),
                                 Twips::fromPixels(m.position.y()), {}};
            deliver(generation, [&] { handler(args); });
        });
    }
}

void Screen::onFormKeyPress(std::function<void(const QString &)> handler)
{
    const int generation = m_generation;
    connect(m_window, &ScreenWindow::keyPressed, this, [this, generation, handler](const QString &key) {
        deliver(generation, [&] { handler(key); });
    });
}

void Screen::guarded(const std::function<void()> &steps)
{
    try {
        steps();
    } catch (const std::exception &) {
        m_navigator.message(QStringLiteral("Es ist ein Fehler aufgetreten!"), MsgIcon::Critical,
                            QStringLiteral("Fehler!"));
    }
}

void Screen::load()
{
    const ScreenDesign &d = design();
    ++m_generation;
    m_tag.clear();
    m_clientWidth = d.clientWidth;
    m_clientHeight = d.clientHeight;

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (d.minMaxButtons)
        flags |= Qt::WindowMinMaxButtonsHint;
    m_window = new ScreenWindow(flags);
    m_window->setObjectName(m_name);
    m_window->setFont(toQFont(FontSpec{}));
    if (!d.icon.isEmpty())
        m_window->setWindowIcon(cachedWindowIcon(d.icon));
    m_window->setKeyPreview(d.keyPreview);
    if (!d.minMaxButtons)
        WindowHints::keepRestored(m_window);
    setCaption(d.caption);
    setBackColor(d.backColor);
    setMousePointer(d.pointer);
    applyWindowSize();

    // Frames first, so that the controls they hold have their container whatever the row order.
    auto build = [this](const ControlSpec &spec) {
        QWidget *container = m_window;
        if (!spec.style.container.isEmpty())
            container = ctl(spec.style.container).widget();
        m_controls.push_back(std::make_unique<Control>(spec, container, m_window));
    };
    for (const ControlSpec &spec : d.controls)
        if (spec.kind == ControlKind::Frame)
            build(spec);
    for (const ControlSpec &spec : d.controls)
        if (spec.kind != ControlKind::Frame)
            build(spec);

    // Windowed controls lie above the labels, images and lines, which are painted on the
    // screen's own surface; among themselves all keep the order of the layout.
    for (const auto &c : m_controls)
        if (c->isWindowed() && c->widget())
            c->widget()->raise();

    std::vector<Control *> focusable;
    for (const auto &c : m_controls)
        if (c->takesFocus())
            focusable.push_back(c.get());
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](Control *a, Control *b) { return a->tabIndex() < b->tabIndex(); });
    for (size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1]->widget(), focusable[i]->widget());

    for (const auto &c : m_controls)
        if (auto *user = qobject_cast<UserControl *>(c->widget()))
            user->attach(m_navigator);

    if (d.keyPreview)
        for (const auto &c : m_controls)
            if (c->widget())
                m_window->watchKeysOf(c->widget());

    connect(m_window, &ScreenWindow::closeRequested, this, dispatch([this] {
                Form_FrameClose();
                m_navigator.unload(*this);
            }));

    connectHandlers();
    Form_Load();
}

void Screen::display(bool modal)
{
    if (!m_window)
        return;
    applyWindowSize();
    if (!m_window->isVisible()) {
        m_window->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
        if (const QScreen *desktop = QGuiApplication::primaryScreen())
            m_window->move(centredOn(desktop->availableGeometry(), m_window->size()));
        // The native window exists from here on, and the window manager reads its type when
        // it is first shown.
        m_window->winId();
        WindowHints::apply(m_window, design().minMaxButtons);
        m_window->show();
    }
    // The offscreen platform used by the tests has no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        m_window->raise();
    m_window->activateWindow();
    focusFirst();
}

void Screen::focusFirst()
{
    Control *first = nullptr;
    for (const auto &c : m_controls) {
        if (!c->takesFocus() || !c->visible() || !c->enabled())
            continue;
        if (!first || c->tabIndex() < first->tabIndex())
            first = c.get();
    }
    if (first)
        first->widget()->setFocus(Qt::OtherFocusReason);
}

void Screen::unload()
{
    if (!m_window)
        return;
    for (const auto &c : m_controls)
        if (QTimer *t = c->timer())
            t->stop();
    m_controls.clear();
    ScreenWindow *window = m_window;
    m_window = nullptr;
    ++m_generation;
    window->allowClose();
    window->hide();
    // A handler of this very window may still be on the stack; the widgets go once it is done.
    window->deleteLater();
}
