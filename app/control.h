#pragma once

#include "design.h"
#include "ticktimer.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QString>


class QWidget;
class ScreenWindow;

// One control of a loaded screen. It holds the control's properties as the program sees them
// (geometry in float twips, caption, colours, font) and applies them to its widget, rounding
// to pixels there and nowhere else. It lives from the screen's load to its unload.
class Control
{
public:
    Control(const ControlSpec &spec, QWidget *container, ScreenWindow *window);
    ~Control();

    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const QString &name() const { return m_name; }
    int index() const { return m_index; }
    ControlKind kind() const { return m_kind; }

    float left() const { return m_rect.left; }
    float top() const { return m_rect.top; }
    float width() const { return m_rect.width; }
    float height() const { return m_rect.height; }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);
    void move(float left, float top);

    // A line runs from (X1, Y1) to (X2, Y2).
    float x1() const { return m_rect.left; }
    float y1() const { return m_rect.top; }
    float x2() const { return m_rect.left + m_rect.width; }
    float y2() const { return m_rect.top + m_rect.height; }

    // Caption of buttons, labels and frames; Text of text boxes.
    QString caption() const;
    void setCaption(const QString &caption);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);

    VbColor foreColor() const { return m_foreColor; }
    void setForeColor(VbColor color);
    VbColor backColor() const { return m_backColor; }
    void setBackColor(VbColor color);

    const FontSpec &font() const { return m_font; }
    void setFont(const FontSpec &font);

    QString picture() const { return m_picture; }
    void setPicture(const QString &source);

    int tabIndex() const { return m_tabIndex; }
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool tabStop);
    bool takesFocus() const;

    void setMousePointer(const Pointer &pointer);
    QString toolTip() const { return m_toolTip; }

    int interval() const { return m_interval; }
    void setInterval(int ms);

    // The options a common dialog opens its dialogs with.
    int flags() const { return m_flags; }
    void setFlags(int flags) { m_flags = flags; }

    QWidget *widget() const { return m_widget; }
    QTimer *timer() const { return m_timer; }
    bool isWindowed() const;

private:
    void createWidget(const ControlSpec &spec, QWidget *container, ScreenWindow *window);
    void applyGeometry();
    void applyColors();
    void applyFont();
    void fitToCaption();
    void fitToPicture();
    void applyTimer();

    QString m_name;
    int m_index;
    ControlKind m_kind;
    TwipsRect m_rect;
    QString m_caption;
    bool m_enabled = true;
    bool m_visible = true;
    VbColor m_foreColor = VbColors::ButtonText;
    VbColor m_backColor = VbColors::ButtonFace;
    bool m_transparent = false;
    Align m_alignment = Align::Left;
    bool m_autoSize = false;
    bool m_graphical = false;
    bool m_stretch = false;
    std::optional<VbColor> m_maskColor;
    FontSpec m_font;
    QString m_picture;
    int m_tabIndex = -1;
    bool m_tabStop = true;
    int m_lineWidth = 1;
    int m_interval = 0;
    int m_flags = 0;
    QString m_toolTip;
    QPointer<QWidget> m_widget;
    QPointer<TickTimer> m_timer;
};
