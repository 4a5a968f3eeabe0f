#include "messageboxes.h"

#include "windowhints.h"

#include <QMessageBox>

void MessageBoxes::show(const QString &text, MsgIcon icon, const QString &title)
{
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    if (icon == MsgIcon::Information)
        qtIcon = QMessageBox::Information;
    else if (icon == MsgIcon::Critical)
        qtIcon = QMessageBox::Critical;
    QMessageBox box(qtIcon, title, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setEscapeButton(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    WindowHints::withoutMinimise(&box);
    box.exec();
}
