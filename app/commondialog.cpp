#include "commondialog.h"

#include "control.h"
#include "fontdialog.h"
#include "windowhints.h"

#include <QPrintDialog>
#include <QPrinter>

#include <cmath>

bool Dialogs::chooseFont(FontChoice &choice, int flags, QWidget *parent)
{
    FontDialog dialog(choice, flags, parent);
    WindowHints::withoutMinimise(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.choice();
    return true;
}

bool Dialogs::choosePrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    // One page, nothing to select from.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    WindowHints::withoutMinimise(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

namespace CommonDialogs {

bool isUsableFontSize(float points)
{
    return std::isfinite(points) && points >= MinFontSize && points <= MaxFontSize;
}

FontChoice choice(const Control &dialog)
{
    return {dialog.font(), dialog.foreColor()};
}

bool ShowFont(Control &dialog, Dialogs &dialogs, QWidget *parent)
{
    FontChoice chosen = choice(dialog);
    if (!dialogs.chooseFont(chosen, dialog.flags(), parent))
        return false;
    dialog.setFont(chosen.font);
    dialog.setForeColor(chosen.color);
    return true;
}

bool ShowPrinter(Dialogs &dialogs, QPrinter &printer, QWidget *parent)
{
    return dialogs.choosePrinter(printer, parent);
}

} // namespace CommonDialogs
