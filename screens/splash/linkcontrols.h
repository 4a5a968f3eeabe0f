#pragma once

#include "app/usercontrol.h"

// The splash screen's four link controls. Each is a control type of its own, one row of the
// table in linkcontrols.cpp: its contents, its size, where the hand shows, its tooltip and the
// address a click hands to the desktop. A click leaves the screen beneath as it is.
struct LinkType
{
    QString name;
    UserControlDesign design;
    QString toolTip;
    QString target;
};

class LinkControl : public UserControl
{
    Q_OBJECT
public:
    LinkControl(QWidget *container, const LinkType &type);

    const QString &target() const { return m_target; }

    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_target;
    bool m_wholeControl = false;
};

namespace LinkControls {
UserControl *LinkVelm(QWidget *container);
UserControl *LinkVelm2(QWidget *container);
UserControl *LinkOrlingen(QWidget *container);
UserControl *MailMarlow(QWidget *container);
} // namespace LinkControls
