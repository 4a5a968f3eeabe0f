#pragma once

#include "design.h"

class Control;
class QPrinter;
class QWidget;

// What the font dialog shows and returns: face, size in points (fractions allowed), the styles
// and the text colour.
struct FontChoice
{
    FontSpec font;
    VbColor color = VbColors::Black;
};

// The dialogs a common-dialog control opens. The program shows the real ones; tests put a
// scripted stand-in here through Program.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Shows the font dialog preset with choice and returns the user's choice in it; false when
    // the user cancels, choice unchanged then.
    virtual bool chooseFont(FontChoice &choice, int flags, QWidget *parent);
    // Shows the printer dialog for the print that follows; false when the user cancels.
    virtual bool choosePrinter(QPrinter &printer, QWidget *parent);
};

// The common-dialog control: its Flags, its font settings (FontName, FontSize, FontBold, ...)
// in the control's font and its Color in the control's text colour, all kept while its screen
// stays loaded.
namespace CommonDialogs {

// The standard flags of the font-selection dialog.
inline constexpr int ScreenFonts = 0x1;
inline constexpr int PrinterFonts = 0x2;
inline constexpr int Effects = 0x100;

// Font sizes the dialog accepts, in points.
inline constexpr float MinFontSize = 1;
inline constexpr float MaxFontSize = 999;
bool isUsableFontSize(float points);

// Opens the font dialog with the control's own settings and keeps the choice in them. Returns
// false, with nothing changed, when the user cancels.
bool ShowFont(Control &dialog, Dialogs &dialogs, QWidget *parent);
FontChoice choice(const Control &dialog);

bool ShowPrinter(Dialogs &dialogs, QPrinter &printer, QWidget *parent);

} // namespace CommonDialogs
