#include "widgets.h"

#include "classictext.h"
#include "pictures.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QWindow>

MouseArgs mouseArgs(const QMouseEvent *event, bool heldButtons)
{
    const Qt::MouseButtons buttons = heldButtons ? event->buttons() : Qt::MouseButtons(event->button());
    MouseArgs args;
    if (buttons & Qt::LeftButton)
        args.button |= 1;
    if (buttons & Qt::RightButton)
        args.button |= 2;
    if (buttons & Qt::MiddleButton)
        args.button |= 4;
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods & Qt::ShiftModifier)
        args.shift |= 1;
    if (mods & Qt::ControlModifier)
        args.shift |= 2;
    if (mods & Qt::AltModifier)
        args.shift |= 4;
    args.position = event->position();
    return args;
}

// A click is the left button let go over the control it went down on.
static bool isClick(const QMouseEvent *event, const QWidget *widget)
{
    return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}

// ---------------------------------------------------------------------------------------------

VbButton::VbButton(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
}

void VbButton::setGraphical(bool graphical)
{
    m_graphical = graphical;
    update();
}

void VbButton::setFaceColor(const QColor &color)
{
    m_face = color;
    update();
}

void VbButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void VbButton::mousePressEvent(QMouseEvent *event)
{
    QPointer<VbButton> self(this);
    Q_EMIT mouseDown(mouseArgs(event, false));
    // The handler may have disabled this button or unloaded its screen; a press on either must
    // not go on to become a click.
    if (!self || !isEnabled() || !isVisible()) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton)
        QPushButton::mousePressEvent(event);
    else
        event->accept();
}

void VbButton::mouseMoveEvent(QMouseEvent *event)
{
    QPointer<VbButton> self(this);
    Q_EMIT mouseMoved(mouseArgs(event, true));
    if (self && isVisible())
        QPushButton::mouseMoveEvent(event);
}

void VbButton::paintEvent(QPaintEvent *event)
{
    if (!m_graphical) {
        QPushButton::paintEvent(event);
        return;
    }
    // A graphical button shows its face colour with the raised 3D edge of the classic desktop.
    QPainter p(this);
    const QRect r = rect();
    const bool sunken = isDown();
    p.fillRect(r, m_face.isValid() ? m_face : palette().color(QPalette::Button));

    const QColor light = Qt::white;
    const QColor shadow(128, 128, 128);
    const QColor dark = Qt::black;
    auto edge = [&](const QColor &topLeft, const QColor &bottomRight, int inset) {
        const QRect e = r.adjusted(inset, inset, -inset, -inset);
        p.setPen(topLeft);
        p.drawLine(e.topLeft(), e.topRight());
        p.drawLine(e.topLeft(), e.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(e.bottomLeft(), e.bottomRight());
        p.drawLine(e.topRight(), e.bottomRight());
    };
    if (sunken) {
        edge(dark, light, 0);
        edge(shadow, m_face, 1);
    } else {
        edge(light, dark, 0);
        edge(m_face.lighter(115), shadow, 1);
    }

    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    QRect content = r.adjusted(2, 2, -2, -2).translated(shift);
    if (!m_picture.isNull()) {
        const QSize size = m_picture.deviceIndependentSize().toSize();
        const QPoint at(content.x() + (content.width() - size.width()) / 2,
                        content.y() + (content.height() - size.height()) / 2);
        p.drawPixmap(at, m_picture);
    }
    if (!text().isEmpty()) {
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
        p.setFont(font());
        if (isEnabled()) {
            p.setPen(palette().color(QPalette::ButtonText));
            p.drawText(content, flags, text());
        } else {
            p.setPen(light);
            p.drawText(content.translated(1, 1), flags, text());
            p.setPen(shadow);
            p.drawText(content, flags, text());
        }
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = r.adjusted(4, 4, -4, -4);
        option.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

// ---------------------------------------------------------------------------------------------

VbLabel::VbLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
}

QStringList VbLabel::lines() const
{
    const int widthPixels = wordWrap() ? width() : -1;
    const QString key = QString::number(widthPixels) + QLatin1Char('|') + font().key() + QLatin1Char('|') + text();
    if (key != m_wrappedFor) {
        m_lines = ClassicText(font()).wrap(text(), widthPixels);
        m_wrappedFor = key;
    }
    return m_lines;
}

void VbLabel::paintEvent(QPaintEvent *)
{
    const ClassicText text(font());
    const QStringList all = lines();
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    for (int i = 0; i < all.size(); ++i) {
        const int top = text.lineTop(i);
        if (top >= height())
            break;
        const int fitInto = wordWrap() ? width() : -1;
        const int lineWidth = text.width(all.at(i), fitInto);
        int x = 0;
        if (horizontal & Qt::AlignHCenter)
            x = (width() - lineWidth) / 2;
        else if (horizontal & Qt::AlignRight)
            x = width() - lineWidth;
        text.draw(p, QPoint(x, top), all.at(i), fitInto);
    }
}

void VbLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void VbLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (isClick(event, this))
        Q_EMIT clicked();
}

void VbLabel::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved(mouseArgs(event, true));
}

// ---------------------------------------------------------------------------------------------

VbPicture::VbPicture(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void VbPicture::setPicture(const QString &source)
{
    m_source = source;
    m_naturalSize = source.isEmpty() ? QSize() : Pictures::naturalSize(source);
    m_cache = {};
    update();
}

void VbPicture::setStretch(bool stretch)
{
    m_stretch = stretch;
    m_cache = {};
    update();
}

void VbPicture::setBorder(bool border)
{
    m_border = border;
    m_cache = {};
    update();
}

void VbPicture::setBackground(std::optional<QColor> color)
{
    m_background = color;
    update();
}

void VbPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_background)
        p.fillRect(rect(), *m_background);
    const int inset = m_border ? 1 : 0;
    const QRect inner = rect().adjusted(inset, inset, -inset, -inset);
    if (!m_source.isEmpty()) {
        const QSize size = m_stretch ? inner.size() : m_naturalSize;
        const qreal dpr = devicePixelRatioF();
        if (m_cache.isNull() || m_cache.deviceIndependentSize().toSize() != size
            || !qFuzzyCompare(m_cache.devicePixelRatio(), dpr))
            m_cache = Pictures::render(m_source, size, dpr);
        p.drawPixmap(inner.topLeft(), m_cache);
    }
    if (m_border) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void VbPicture::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void VbPicture::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (isClick(event, this))
        Q_EMIT clicked();
}

void VbPicture::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved(mouseArgs(event, true));
}

// ---------------------------------------------------------------------------------------------

VbLine::VbLine(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void VbLine::setLine(QPointF from, QPointF to, int widthPixels, const QColor &color)
{
    m_from = from;
    m_to = to;
    m_width = widthPixels;
    m_color = color;
    update();
}

void VbLine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m_from, m_to);
}

// ---------------------------------------------------------------------------------------------

VbFrame::VbFrame(QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
}

void VbFrame::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void VbFrame::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (isClick(event, this))
        Q_EMIT clicked();
}

void VbFrame::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved(mouseArgs(event, true));
}

// ---------------------------------------------------------------------------------------------

ScreenWindow::ScreenWindow(Qt::WindowFlags flags)
    : QWidget(nullptr, flags)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
}

void ScreenWindow::setBackPicture(const QPixmap &picture)
{
    m_backPicture = picture;
    update();
}

void ScreenWindow::watchKeysOf(QWidget *child)
{
    m_watched.insert(child);
    child->installEventFilter(this);
}

bool ScreenWindow::pressDefaultOrCancel(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
        QAbstractButton *target = focused ? focused : m_default.data();
        if (target && target->isEnabled() && target->isVisible()) {
            target->click();
            return true;
        }
    } else if (key == Qt::Key_Escape) {
        if (m_cancel && m_cancel->isEnabled() && m_cancel->isVisible()) {
            m_cancel->click();
            return true;
        }
    }
    return false;
}

// A key press that produces a character: letters, digits, blanks and signs, and also Enter,
// Esc and Backspace, whose characters are control codes. Tab only moves the focus, and keys
// such as the arrows or Delete produce no character.
static bool producesCharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    return c != QLatin1Char('\t') && c.unicode() != 0x7F && (c.isPrint() || c.unicode() < 0x20);
}

void ScreenWindow::keyPressEvent(QKeyEvent *event)
{
    // A key the preview has already reported, coming back up from the focused control, is not
    // reported twice.
    QWidget *focused = QApplication::focusWidget();
    const bool previewed = m_keyPreview && focused && focused != this && m_watched.contains(focused);
    if (!previewed && producesCharacter(event))
        Q_EMIT keyPressed(event->text());
    if (!pressDefaultOrCancel(event))
        QWidget::keyPressEvent(event);
}

bool ScreenWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Pointer events pass the platform window first, before the toolkit picks a control.
        if (QWindow *platform = windowHandle())
            platform->installEventFilter(this);
        break;
    case QEvent::WindowBlocked:
        // A modal window (a message box) has taken the input while a button may be held; the
        // toolkit forgets which control the press went to and would drop the movements that
        // follow, so from here on the screen model keeps that control's hold itself.
        m_holdInterrupted = true;
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool ScreenWindow::keepHold(QMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if ((event->buttons() & ~event->button()) == Qt::NoButton) {
            QWidget *under = childAt(event->position().toPoint());
            m_holder = under ? under : this;
            m_holdInterrupted = false;
        }
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        if (event->type() == QEvent::MouseMove && event->buttons() == Qt::NoButton)
            return false;
        const bool deliver = m_holdInterrupted && m_holder;
        if (deliver) {
            QWidget *holder = m_holder;
            const QPointF at = holder->mapFrom(this, event->position());
            QMouseEvent held(event->type(), at, event->scenePosition(), event->globalPosition(), event->button(),
                             event->buttons(), event->modifiers(), event->pointingDevice());
            QApplication::sendEvent(holder, &held);
        }
        if (event->type() == QEvent::MouseButtonRelease && event->buttons() == Qt::NoButton) {
            m_holder = nullptr;
            m_holdInterrupted = false;
        }
        return deliver;
    }
    default:
        return false;
    }
}

bool ScreenWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle()) {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease)
            return keepHold(static_cast<QMouseEvent *>(event));
        return false;
    }
    // With key preview the screen sees every character key before the focused control does.
    if (m_keyPreview && event->type() == QEvent::KeyPress) {
        // Only where the key arrives first, not again as it goes up to the control's container.
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == QApplication::focusWidget() && producesCharacter(key))
            Q_EMIT keyPressed(key->text());
    }
    return QWidget::eventFilter(watched, event);
}

void ScreenWindow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (isClick(event, this))
        Q_EMIT clicked();
}

void ScreenWindow::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved(mouseArgs(event, true));
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    // The frame's close command becomes an unload of the screen, decided by the screen model.
    event->ignore();
    Q_EMIT closeRequested();
}

void ScreenWindow::paintEvent(QPaintEvent *)
{
    if (m_backPicture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_backPicture);
}
