#include "linkcontrols.h"

#include "app/assets.h"
#include "app/navigator.h"
#include "app/widgets.h"
#include "velmstift.h"

#include <QMouseEvent>

using enum ControlKind;
using namespace VbColors;

namespace {

const Pointer Hand = Pointer::custom(Assets::Glove, 12, 1);

// The link texts look like any label: standard colours, no underline; only the hand and the
// tooltip tell them apart.
const Style LinkText = style().fontFace("Arial", 9.75f);

const LinkType &linkType(int which)
{
    static const LinkType types[] = {
        {"LinkVelm",
         {.width = 3600, .height = 855,
          .controls = {{"imgLogo", Image, NoIndex, "", {0, 0, 3540, 825}, style().pic(Assets::VelmstiftLogo).mousePointer(Hand)}}},
         Velmstift::Web, Velmstift::Web},
        {"LinkVelm2",
         {.width = 2280, .height = 285,
          .controls = {{"Label1", Label, NoIndex, "Velmstifts", {0, 0, 2295, 255}, LinkText.mousePointer(Hand)}}},
         Velmstift::Web, Velmstift::Web},
        // The hand is set on the control itself here, so it shows over the whole control.
        {"LinkOrlingen",
         {.width = 2655, .height = 300, .backColor = ActiveBorder, .pointer = Hand,
          .controls = {{"Label1", Label, NoIndex, "Orlingen", {0, 0, 2655, 255}, LinkText.withTransparent()}}},
         Velmstift::PartnerWeb, Velmstift::PartnerWeb},
        // The tooltip has a blank after "mailto:", the address handed over has none.
        {"MailMarlow",
         {.width = 3030, .height = 315,
          .controls = {{"Label1", Label, NoIndex, Velmstift::Mail, {0, 0, 3015, 255}, LinkText.mousePointer(Hand)}}},
         QStringLiteral("mailto: ") + Velmstift::Mail, QStringLiteral("mailto:") + Velmstift::Mail},
    };
    return types[which];
}

} // namespace

LinkControl::LinkControl(QWidget *container, const LinkType &type)
    : UserControl(container, type.design)
    , m_target(type.target)
    , m_wholeControl(type.design.pointer.kind != Pointer::Default)
{
    setProperty("type", type.name);
    setToolTip(type.toolTip);
    // A click counts where the hand shows: on the contents, or anywhere on the control.
    for (const ControlSpec &spec : type.design.controls) {
        QWidget *part = ctl(spec.name).widget();
        auto click = [this] { handle([this] { Click(); }); };
        if (auto *label = qobject_cast<VbLabel *>(part))
            connect(label, &VbLabel::clicked, this, click);
        else if (auto *picture = qobject_cast<VbPicture *>(part))
            connect(picture, &VbPicture::clicked, this, click);
    }
}

void LinkControl::mouseReleaseEvent(QMouseEvent *event)
{
    UserControl::mouseReleaseEvent(event);
    if (m_wholeControl && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        handle([this] { Click(); });
}

void LinkControl::Click()
{
    // Where the desktop has nothing to open the address with, the child is told so and the
    // screen stays as it is, rather than the program ending over a missing browser.
    if (!nav().navigateTo(m_target))
        nav().message(QStringLiteral("„%1“ lässt sich auf diesem Rechner nicht öffnen.").arg(m_target),
                      MsgIcon::Information);
}

namespace LinkControls {

UserControl *LinkVelm(QWidget *container)
{
    return new LinkControl(container, linkType(0));
}

UserControl *LinkVelm2(QWidget *container)
{
    return new LinkControl(container, linkType(1));
}

UserControl *LinkOrlingen(QWidget *container)
{
    return new LinkControl(container, linkType(2));
}

UserControl *MailMarlow(QWidget *container)
{
    return new LinkControl(container, linkType(3));
}

} // namespace LinkControls
