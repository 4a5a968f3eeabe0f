#include "usercontrol.h"

#include "errors.h"
#include "navigator.h"
#include "pictures.h"

#include <QMouseEvent>

UserControl::UserControl(QWidget *parent, const UserControlDesign &design)
    : QWidget(parent)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(design.backColor));
    setPalette(palette);
    setAutoFillBackground(true);
    if (design.pointer.kind != Pointer::Default)
        setCursor(Pictures::cursor(design.pointer));
    resize(Twips::toPixels(design.width), Twips::toPixels(design.height));
    for (const ControlSpec &spec : design.controls)
        m_controls.push_back(std::make_unique<Control>(spec, this, nullptr));
}

UserControl::~UserControl() = default;

Control &UserControl::ctl(const QString &name) const
{
    for (const auto &control : m_controls)
        if (control->name() == name)
            return *control;
    throw RuntimeError(QStringLiteral("Das Steuerelement %1 von %2 ist nicht geladen.").arg(name, objectName()));
}

Navigator &UserControl::nav() const
{
    if (!m_navigator)
        throw RuntimeError(QStringLiteral("%1 steht auf keinem Bildschirm.").arg(objectName()));
    return *m_navigator;
}

void UserControl::handle(const std::function<void()> &handler)
{
    if (m_navigator)
        m_navigator->runHandler(handler);
}

// Presses on the control stay with it; they never reach the frame or screen beneath as a click.
void UserControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void UserControl::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}
