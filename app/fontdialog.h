#pragma once

#include "commondialog.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

// The font-selection dialog of the common-dialog control: face, style and size as the classic
// desktop dialog offers them, with the effects strikeout, underline and a colour from the
// standard 16 when the flags ask for effects, and a live sample of the choice.
class FontDialog : public QDialog
{
    Q_OBJECT
public:
    FontDialog(const FontChoice &initial, int flags, QWidget *parent = nullptr);

    FontChoice choice() const;
    // The size box as typed; nothing when it holds no usable size.
    std::optional<float> typedSize() const;

    // The 16 colours of the colour list, with their names.
    struct NamedColor
    {
        const char *name;
        VbColor value;
    };
    static const std::vector<NamedColor> &standardColors();

    void accept() override;

private:
    void fillFaces(int flags);
    void selectFace(const QString &face);
    void updateSample();

    QLineEdit *m_face = nullptr;
    QListWidget *m_faces = nullptr;
    QListWidget *m_styles = nullptr;
    QComboBox *m_size = nullptr;
    QGroupBox *m_effects = nullptr;
    QCheckBox *m_strikeout = nullptr;
    QCheckBox *m_underline = nullptr;
    QComboBox *m_color = nullptr;
    QLabel *m_sample = nullptr;
    FontChoice m_initial;
};
