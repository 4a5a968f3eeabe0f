#include "control.h"

#include "classictext.h"
#include "fonts.h"
#include "pictures.h"
#include "usercontrol.h"
#include "widgets.h"

#include <QLineEdit>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Captions break lines with a carriage return; the widgets want a line feed.
QString displayText(const QString &caption)
{
    QString text = caption;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Qt::Alignment toQtAlignment(Align align)
{
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

Control::Control(const ControlSpec &spec, QWidget *container, ScreenWindow *window)
    : m_name(spec.name)
    , m_index(spec.index)
    , m_kind(spec.kind)
    , m_rect(spec.rect)
    , m_caption(spec.caption)
    , m_enabled(spec.style.enabled)
    , m_visible(spec.style.visible)
    , m_transparent(spec.style.transparent)
    , m_alignment(spec.style.alignment)
    , m_autoSize(spec.style.autoSize)
    , m_graphical(spec.style.graphical)
    , m_stretch(spec.style.stretch)
    , m_maskColor(spec.style.maskColor)
    , m_font(spec.style.font.value_or(FontSpec{}))
    , m_picture(spec.style.picture)
    , m_tabIndex(spec.style.tabIndex)
    , m_tabStop(spec.style.tabStop)
    , m_lineWidth(spec.style.lineWidth)
    , m_interval(spec.style.interval)
    , m_toolTip(spec.style.toolTip)
{
    const bool textBox = m_kind == ControlKind::TextBox;
    const bool line = m_kind == ControlKind::Line;
    m_foreColor = spec.style.foreColor.value_or(textBox || line ? VbColors::WindowText : VbColors::ButtonText);
    m_backColor = spec.style.backColor.value_or(textBox ? VbColors::WindowBackground : VbColors::ButtonFace);
    createWidget(spec, container, window);
}

Control::~Control() = default;

bool Control::isWindowed() const
{
    switch (m_kind) {
    case ControlKind::Button:
    case ControlKind::TextBox:
    case ControlKind::PictureBox:
    case ControlKind::Frame:
    case ControlKind::Composite:
        return true;
    default:
        return false;
    }
}

bool Control::takesFocus() const
{
    return (m_kind == ControlKind::Button || m_kind == ControlKind::TextBox || m_kind == ControlKind::Composite)
        && m_tabStop;
}

void Control::createWidget(const ControlSpec &spec, QWidget *container, ScreenWindow *window)
{
    QWidget *widget = nullptr;
    switch (m_kind) {
    case ControlKind::Button: {
        auto *button = new VbButton(container);
        button->setGraphical(m_graphical);
        if (spec.style.isDefault)
            window->setDefaultButton(button);
        if (spec.style.isCancel)
            window->setCancelButton(button);
        widget = button;
        break;
    }
    case ControlKind::Label: {
        auto *label = new VbLabel(container);
        label->setAlignment(toQtAlignment(m_alignment));
        label->setWordWrap(!m_autoSize);
        widget = label;
        break;
    }
    case ControlKind::TextBox: {
        auto *edit = new QLineEdit(container);
        // The designs set no length limit, and their text starts at the left edge whatever
        // the direction of the text typed: a Hebrew name would otherwise stand at the right.
        edit->setMaxLength(std::numeric_limits<int>::max());
        edit->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
        if (!spec.style.passwordChar.isNull()) {
            edit->setEchoMode(QLineEdit::Password);
            // The style would draw its own dots; the design names the character to show.
            edit->setStyleSheet(QStringLiteral("lineedit-password-character: %1")
                                    .arg(int(spec.style.passwordChar.unicode())));
        }
        widget = edit;
        break;
    }
    case ControlKind::Image:
    case ControlKind::PictureBox: {
        auto *picture = new VbPicture(container);
        picture->setStretch(m_stretch);
        picture->setBorder(spec.style.border);
        widget = picture;
        break;
    }
    case ControlKind::Line:
        widget = new VbLine(container);
        break;
    case ControlKind::Frame:
        widget = new VbFrame(container);
        break;
    case ControlKind::Composite:
        widget = spec.style.userControl(container);
        break;
    case ControlKind::Timer:
        m_timer = new TickTimer(window);
        m_timer->setTimerType(Qt::PreciseTimer);
        applyTimer();
        return;
    case ControlKind::CommonDialog:
        return;
    }

    m_widget = widget;
    widget->setObjectName(m_name);
    // A movement over a control belongs to that control, never to its container, also where
    // the control has no handler for it.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    if (m_index != NoIndex)
        widget->setProperty("Index", m_index);
    if (!m_toolTip.isEmpty())
        widget->setToolTip(m_toolTip);
    if (spec.style.pointer.kind != Pointer::Default)
        widget->setCursor(Pictures::cursor(spec.style.pointer));
    setTabStop(m_tabStop);
    widget->setEnabled(m_enabled);
    applyFont();
    applyColors();
    setCaption(m_caption);
    setPicture(m_picture);
    applyGeometry();
    widget->setVisible(m_visible);
}

void Control::applyGeometry()
{
    if (!m_widget)
        return;
    if (m_kind == ControlKind::Line) {
        // The widget covers the line's bounding box, widened by the pen on every side.
        const float pad = Twips::fromPixels(m_lineWidth);
        const float left = std::min(x1(), x2()) - pad;
        const float top = std::min(y1(), y2()) - pad;
        const int x = Twips::toPixels(left);
        const int y = Twips::toPixels(top);
        const int w = Twips::toPixels(std::abs(m_rect.width) + 2 * pad) + 1;
        const int h = Twips::toPixels(std::abs(m_rect.height) + 2 * pad) + 1;
        m_widget->setGeometry(x, y, w, h);
        const QPointF origin(x, y);
        static_cast<VbLine *>(m_widget.data())
            ->setLine(QPointF(Twips::toPixels(x1()), Twips::toPixels(y1())) - origin,
                      QPointF(Twips::toPixels(x2()), Twips::toPixels(y2())) - origin,
                      m_lineWidth, toQColor(m_foreColor));
        return;
    }
    m_widget->setGeometry(Twips::toPixels(m_rect.left), Twips::toPixels(m_rect.top),
                          Twips::toPixels(m_rect.width), Twips::toPixels(m_rect.height));
}

void Control::setLeft(float twips)
{
    m_rect.left = twips;
    applyGeometry();
}

void Control::setTop(float twips)
{
    m_rect.top = twips;
    applyGeometry();
}

void Control::setWidth(float twips)
{
    m_rect.width = twips;
    applyGeometry();
}

void Control::setHeight(float twips)
{
    m_rect.height = twips;
    applyGeometry();
}

void Control::move(float left, float top)
{
    m_rect.left = left;
    m_rect.top = top;
    applyGeometry();
}

QString Control::caption() const
{
    if (auto *edit = qobject_cast<QLineEdit *>(m_widget.data()))
        return edit->text();
    return m_caption;
}

void Control::setCaption(const QString &caption)
{
    m_caption = caption;
    if (auto *button = qobject_cast<VbButton *>(m_widget.data()))
        button->setText(caption);
    else if (auto *label = qobject_cast<VbLabel *>(m_widget.data())) {
        label->setText(displayText(caption));
        if (m_autoSize)
            fitToCaption();
    } else if (auto *edit = qobject_cast<QLineEdit *>(m_widget.data()))
        edit->setText(caption);
}

void Control::fitToCaption()
{
    // A self-sizing label keeps its Left and Top and takes exactly the size of its text.
    const ClassicText text(m_widget->font());
    const QStringList lines = displayText(m_caption).split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, text.extent(line));
    // A line is as tall as the font's line spacing, leading included, as the designs measure it.
    const qreal tall = text.lineSpacing() * lines.size();
    m_rect.width = Twips::fromPixels(widest);
    m_rect.height = Twips::fromPixels(std::ceil(tall));
    applyGeometry();
}

void Control::fitToPicture()
{
    if (m_picture.isEmpty())
        return;
    const QSize natural = Pictures::naturalSize(m_picture);
    const int border = m_kind == ControlKind::PictureBox ? 2 : 0;
    m_rect.width = Twips::fromPixels(natural.width() + border);
    m_rect.height = Twips::fromPixels(natural.height() + border);
    applyGeometry();
}

void Control::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_widget)
        m_widget->setEnabled(enabled);
    applyTimer();
}

void Control::setVisible(bool visible)
{
    m_visible = visible;
    if (m_widget)
        m_widget->setVisible(visible);
}

void Control::setForeColor(VbColor color)
{
    m_foreColor = color;
    applyColors();
}

void Control::setBackColor(VbColor color)
{
    m_backColor = color;
    applyColors();
}

void Control::applyColors()
{
    if (!m_widget)
        return;
    const QColor fore = toQColor(m_foreColor);
    const QColor back = toQColor(m_backColor);
    QPalette palette = m_widget->palette();
    switch (m_kind) {
    case ControlKind::Label:
        palette.setColor(QPalette::WindowText, fore);
        palette.setColor(QPalette::Window, back);
        m_widget->setAutoFillBackground(!m_transparent);
        break;
    case ControlKind::Button:
        palette.setColor(QPalette::ButtonText, fore);
        static_cast<VbButton *>(m_widget.data())->setFaceColor(back);
        break;
    case ControlKind::TextBox:
        palette.setColor(QPalette::Text, fore);
        palette.setColor(QPalette::Base, back);
        break;
    case ControlKind::PictureBox:
        static_cast<VbPicture *>(m_widget.data())->setBackground(back);
        break;
    case ControlKind::Frame:
        palette.setColor(QPalette::Window, back);
        m_widget->setAutoFillBackground(true);
        break;
    case ControlKind::Line:
        applyGeometry();
        return;
    case ControlKind::Image:
    case ControlKind::Timer:
    case ControlKind::CommonDialog:
    case ControlKind::Composite:
        return;
    }
    m_widget->setPalette(palette);
}

void Control::setFont(const FontSpec &font)
{
    m_font = font;
    applyFont();
    if (m_autoSize && m_kind == ControlKind::Label)
        fitToCaption();
}

void Control::applyFont()
{
    // A user control's contents carry their own fonts.
    if (m_widget && m_kind != ControlKind::Line && m_kind != ControlKind::Composite)
        m_widget->setFont(toQFont(m_font));
}

void Control::setPicture(const QString &source)
{
    m_picture = source;
    if (auto *picture = qobject_cast<VbPicture *>(m_widget.data())) {
        picture->setPicture(source);
        if ((m_kind == ControlKind::Image && !m_stretch) || (m_kind == ControlKind::PictureBox && m_autoSize))
            fitToPicture();
    } else if (auto *button = qobject_cast<VbButton *>(m_widget.data())) {
        QPixmap pixmap = source.isEmpty()
            ? QPixmap()
            : Pictures::render(source, Pictures::naturalSize(source), button->devicePixelRatioF());
        if (m_maskColor && !pixmap.isNull())
            pixmap.setMask(pixmap.createMaskFromColor(toQColor(*m_maskColor), Qt::MaskInColor));
        button->setPicture(pixmap);
    }
}

void Control::setTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    if (!m_widget)
        return;
    if (m_kind == ControlKind::Button || m_kind == ControlKind::Composite)
        m_widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
    else if (m_kind == ControlKind::TextBox)
        m_widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::setMousePointer(const Pointer &pointer)
{
    if (!m_widget)
        return;
    if (pointer.kind == Pointer::Default)
        m_widget->unsetCursor();
    else
        m_widget->setCursor(Pictures::cursor(pointer));
}

void Control::setInterval(int ms)
{
    m_interval = ms;
    applyTimer();
}

void Control::applyTimer()
{
    if (!m_timer)
        return;
    if (m_enabled && m_interval > 0)
        m_timer->start(m_interval);
    else
        m_timer->stop();
}
