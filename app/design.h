#pragma once

#include "twips.h"
#include "vbcolor.h"

#include <QString>

#include <optional>
#include <vector>

// A screen's design layout is data: one row per control, read like the layout tables of the
// program's design documents (name, kind, index, caption, Left, Top, Width, Height, style).

// A CommonDialog has no widget: it keeps the settings of the font and printer dialogs it opens.
enum class ControlKind { Button, Label, TextBox, Image, PictureBox, Line, Timer, Frame, CommonDialog, Composite };

class QWidget;
class UserControl;
// Makes an instance of a control type of its own (a user control) inside its container.
using UserControlFactory = UserControl *(*)(QWidget *container);

enum class Align { Left, Right, Center };

inline constexpr int NoIndex = -1;

struct FontSpec
{
    QString face = QStringLiteral("MS Sans Serif");
    float size = 8.25f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

struct Pointer
{
    enum Kind { Default, Arrow, Custom };

    Pointer() = default;
    Pointer(Kind k, const QString &pic, int x, int y)
        : kind(k)
        , picture(pic)
        , hotX(x)
        , hotY(y)
    {
    }

    Kind kind = Default;
    QString picture;
    // The hot spot of a cursor picture, in pixels; an icon without one points with its centre.
    int hotX = -1;
    int hotY = -1;

    static Pointer arrow() { return {Arrow, {}, -1, -1}; }
    static Pointer custom(const QString &picture, int hotX = -1, int hotY = -1)
    {
        return {Custom, picture, hotX, hotY};
    }
};

// The styling column of a layout row. Built by chaining, so a row reads like its description:
// style().fore(White).transparent().centred().autoSize().font("Arial", 36).bold()
struct Style
{
    std::optional<FontSpec> font = {};
    std::optional<VbColor> foreColor = {};
    std::optional<VbColor> backColor = {};
    bool transparent = false;
    Align alignment = Align::Left;
    bool autoSize = false;
    bool graphical = false;
    bool isDefault = false;
    bool isCancel = false;
    bool tabStop = true;
    int tabIndex = -1;
    QString picture = {};
    // A graphical button leaves the pixels of this colour out of its picture.
    std::optional<VbColor> maskColor = {};
    bool stretch = false;
    bool border = false;
    int lineWidth = 1;
    int interval = 0;
    bool enabled = true;
    bool visible = true;
    QChar passwordChar = {};
    Pointer pointer = Pointer();
    QString toolTip = {};
    QString container = {};
    UserControlFactory userControl = nullptr;

    Style fore(VbColor c) const { auto s = *this; s.foreColor = c; return s; }
    Style back(VbColor c) const { auto s = *this; s.backColor = c; return s; }
    Style face(VbColor c) const { auto s = graphicalButton(); s.backColor = c; return s; }
    Style withTransparent() const { auto s = *this; s.transparent = true; return s; }
    Style centred() const { auto s = *this; s.alignment = Align::Center; return s; }
    Style rightAligned() const { auto s = *this; s.alignment = Align::Right; return s; }
    Style autoSized() const { auto s = *this; s.autoSize = true; return s; }
    Style graphicalButton() const { auto s = *this; s.graphical = true; return s; }
    Style defaultButton() const { auto s = *this; s.isDefault = true; return s; }
    Style cancelButton() const { auto s = *this; s.isCancel = true; return s; }
    Style noTabStop() const { auto s = *this; s.tabStop = false; return s; }
    Style tab(int index) const { auto s = *this; s.tabIndex = index; return s; }
    Style pic(const QString &p) const { auto s = *this; s.picture = p; return s; }
    Style mask(VbColor c) const { auto s = *this; s.maskColor = c; return s; }
    Style stretched() const { auto s = *this; s.stretch = true; return s; }
    Style bordered() const { auto s = *this; s.border = true; return s; }
    Style width(int pixels) const { auto s = *this; s.lineWidth = pixels; return s; }
    Style every(int ms) const { auto s = *this; s.interval = ms; return s; }
    Style disabled() const { auto s = *this; s.enabled = false; return s; }
    Style hidden() const { auto s = *this; s.visible = false; return s; }
    Style password(QChar c) const { auto s = *this; s.passwordChar = c; return s; }
    Style mousePointer(const Pointer &p) const { auto s = *this; s.pointer = p; return s; }
    Style tip(const QString &t) const { auto s = *this; s.toolTip = t; return s; }
    Style in(const QString &frame) const { auto s = *this; s.container = frame; return s; }
    Style made(UserControlFactory f) const { auto s = *this; s.userControl = f; return s; }

    Style fontFace(const QString &name, float points) const
    {
        auto s = *this;
        s.font = FontSpec{name, points};
        return s;
    }
    Style bold() const { auto s = withFont(); s.font->bold = true; return s; }
    Style italic() const { auto s = withFont(); s.font->italic = true; return s; }
    Style underlined() const { auto s = withFont(); s.font->underline = true; return s; }

private:
    Style withFont() const
    {
        auto s = *this;
        if (!s.font)
            s.font = FontSpec{};
        return s;
    }
};

inline Style style()
{
    return {};
}

struct ControlSpec
{
    QString name;
    ControlKind kind;
    int index = NoIndex;
    QString caption;
    // For a line the rectangle runs from (Left, Top) to (Left + Width, Top + Height).
    TwipsRect rect;
    Style style;
};

inline ControlSpec lineSpec(const QString &name, int index, float x1, float y1, float x2, float y2,
                            Style s)
{
    return {name, ControlKind::Line, index, {}, {x1, y1, x2 - x1, y2 - y1}, s};
}

enum class WindowFrame { FixedSingle, FixedDialog, ToolWindow };

struct ScreenDesign
{
    QString caption = {};
    // The design client area; screens whose load sets the outer size replace it then.
    float clientWidth = 0;
    float clientHeight = 0;
    VbColor backColor = VbColors::ButtonFace;
    WindowFrame frame = WindowFrame::FixedSingle;
    bool minMaxButtons = false;
    QString icon = {};
    Pointer pointer = Pointer();
    bool keyPreview = false;
    std::vector<ControlSpec> controls = {};
};
