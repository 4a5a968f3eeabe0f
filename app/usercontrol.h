#pragma once

#include "control.h"
#include "design.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class Navigator;

// The design of a control type of its own: its size as designed, its background and pointer,
// and its contents as a layout table like a screen's.
struct UserControlDesign
{
    float width = 0;
    float height = 0;
    VbColor backColor = VbColors::ButtonFace;
    Pointer pointer = Pointer();
    std::vector<ControlSpec> controls = {};
};

// A composite control with its own contents and handlers, such as the splash screen's links.
// The screen that holds it places and sizes it like any control and sees nothing else of it;
// the contents keep their own size and are cut off where the instance is smaller.
class UserControl : public QWidget
{
    Q_OBJECT
public:
    UserControl(QWidget *parent, const UserControlDesign &design);
    ~UserControl() override;

    // The screen model hands over the program's services when it builds the control.
    void attach(Navigator &navigator) { m_navigator = &navigator; }

    Control &ctl(const QString &name) const;

protected:
    Navigator &nav() const;
    // Runs one of the control's handlers the way every handler of the program runs.
    void handle(const std::function<void()> &handler);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Navigator *m_navigator = nullptr;
    std::vector<std::unique_ptr<Control>> m_controls;
};
