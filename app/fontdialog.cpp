#include "fontdialog.h"

#include "fonts.h"
#include "settings/numbertext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// Style list rows: bold and italic as the two bits of the row.
const char *const StyleNames[] = {"Standard", "Kursiv", "Fett", "Fett Kursiv"};

const float StandardSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

QIcon swatch(VbColor value)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(toQColor(value));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

const std::vector<FontDialog::NamedColor> &FontDialog::standardColors()
{
    static const std::vector<NamedColor> colors{
        {"Schwarz", 0x000000}, {"Dunkelrot", 0x000080}, {"Grün", 0x008000},   {"Olivgrün", 0x008080},
        {"Marineblau", 0x800000}, {"Violett", 0x800080}, {"Petrol", 0x808000}, {"Grau", 0x808080},
        {"Silber", 0xC0C0C0},  {"Rot", 0x0000FF},       {"Hellgrün", 0x00FF00}, {"Gelb", 0x00FFFF},
        {"Blau", 0xFF0000},    {"Fuchsia", 0xFF00FF},   {"Aquamarin", 0xFFFF00}, {"Weiß", 0xFFFFFF},
    };
    return colors;
}

FontDialog::FontDialog(const FontChoice &initial, int flags, QWidget *parent)
    : QDialog(parent)
    , m_initial(initial)
{
    setWindowTitle(QStringLiteral("Schriftart"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *grid = new QGridLayout(this);
    auto *faceLabel = new QLabel(QStringLiteral("Schrift&art:"), this);
    auto *styleLabel = new QLabel(QStringLiteral("Schrift&schnitt:"), this);
    auto *sizeLabel = new QLabel(QStringLiteral("&Grad:"), this);

    m_face = new QLineEdit(this);
    m_face->setObjectName(QStringLiteral("face"));
    m_faces = new QListWidget(this);
    m_faces->setObjectName(QStringLiteral("faces"));
    faceLabel->setBuddy(m_face);

    m_styles = new QListWidget(this);
    m_styles->setObjectName(QStringLiteral("styles"));
    for (const char *name : StyleNames)
        m_styles->addItem(QString::fromUtf8(name));
    styleLabel->setBuddy(m_styles);

    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("size"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (float size : StandardSizes)
        m_size->addItem(NumberText::format(size));
    sizeLabel->setBuddy(m_size);

    grid->addWidget(faceLabel, 0, 0);
    grid->addWidget(styleLabel, 0, 1);
    grid->addWidget(sizeLabel, 0, 2);
    grid->addWidget(m_face, 1, 0);
    grid->addWidget(m_styles, 1, 1, 2, 1);
    grid->addWidget(m_size, 1, 2, Qt::AlignTop);
    grid->addWidget(m_faces, 2, 0);

    m_effects = new QGroupBox(QStringLiteral("Effekte"), this);
    auto *effects = new QGridLayout(m_effects);
    m_strikeout = new QCheckBox(QStringLiteral("&Durchgestrichen"), m_effects);
    m_strikeout->setObjectName(QStringLiteral("strikeout"));
    m_underline = new QCheckBox(QStringLiteral("&Unterstrichen"), m_effects);
    m_underline->setObjectName(QStringLiteral("underline"));
    auto *colorLabel = new QLabel(QStringLiteral("&Farbe:"), m_effects);
    m_color = new QComboBox(m_effects);
    m_color->setObjectName(QStringLiteral("color"));
    for (const NamedColor &c : standardColors())
        m_color->addItem(swatch(c.value), QString::fromUtf8(c.name), c.value);
    colorLabel->setBuddy(m_color);
    effects->addWidget(m_strikeout, 0, 0, 1, 2);
    effects->addWidget(m_underline, 1, 0, 1, 2);
    effects->addWidget(colorLabel, 2, 0);
    effects->addWidget(m_color, 2, 1);
    // Without the effects flag the dialog offers face, style and size only.
    m_effects->setVisible(flags & CommonDialogs::Effects);
    grid->addWidget(m_effects, 3, 0);

    auto *sampleBox = new QGroupBox(QStringLiteral("Beispiel"), this);
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    m_sample = new QLabel(QStringLiteral("AaBbYyZz"), sampleBox);
    m_sample->setObjectName(QStringLiteral("sample"));
    m_sample->setAlignment(Qt::AlignCenter);
    // A large size shows a cut-out of the sample rather than growing the dialog.
    m_sample->setFixedSize(260, 90);
    sampleLayout->addWidget(m_sample);
    grid->addWidget(sampleBox, 3, 1, 1, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FontDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FontDialog::reject);
    grid->addWidget(buttons, 4, 0, 1, 3);

    fillFaces(flags);

    // The dialog opens with the settings it was given, also a face that is not installed.
    m_face->setText(initial.font.face);
    selectFace(initial.font.face);
    m_styles->setCurrentRow((initial.font.bold ? 2 : 0) + (initial.font.italic ? 1 : 0));
    m_size->setEditText(NumberText::format(initial.font.size));
    m_strikeout->setChecked(initial.font.strikeout);
    m_underline->setChecked(initial.font.underline);
    int colorRow = m_color->findData(initial.color);
    if (colorRow < 0) {
        m_color->addItem(swatch(initial.color), QStringLiteral("Benutzerdefiniert"), initial.color);
        colorRow = m_color->count() - 1;
    }
    m_color->setCurrentIndex(colorRow);

    connect(m_faces, &QListWidget::currentTextChanged, this, [this](const QString &face) {
        if (!face.isEmpty() && face != m_face->text())
            m_face->setText(face);
    });
    connect(m_face, &QLineEdit::textEdited, this, [this](const QString &face) { selectFace(face); });
    connect(m_face, &QLineEdit::textChanged, this, &FontDialog::updateSample);
    connect(m_styles, &QListWidget::currentRowChanged, this, &FontDialog::updateSample);
    connect(m_size, &QComboBox::editTextChanged, this, &FontDialog::updateSample);
    connect(m_strikeout, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(m_underline, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(m_color, &QComboBox::currentIndexChanged, this, &FontDialog::updateSample);
    updateSample();
    m_face->setFocus();
}

void FontDialog::fillFaces(int flags)
{
    // Screen and printer fonts are the same installed fonts here; the faces the designs name
    // are served by their metric-compatible substitutes and are offered under their own names.
    if (!(flags & (CommonDialogs::ScreenFonts | CommonDialogs::PrinterFonts)))
        return;
    QStringList faces = QFontDatabase::families();
    for (const QString &name : substitutedFaces())
        if (!faces.contains(name))
            faces.append(name);
    faces.sort(Qt::CaseInsensitive);
    faces.removeDuplicates();
    m_faces->addItems(faces);
}

void FontDialog::selectFace(const QString &face)
{
    const QList<QListWidgetItem *> found = m_faces->findItems(face, Qt::MatchFixedString);
    if (!found.isEmpty())
        m_faces->setCurrentItem(found.first());
}

std::optional<float> FontDialog::typedSize() const
{
    const std::optional<float> size = NumberText::parse(m_size->currentText());
    if (!size || !CommonDialogs::isUsableFontSize(*size))
        return std::nullopt;
    return size;
}

FontChoice FontDialog::choice() const
{
    FontChoice c = m_initial;
    c.font.face = m_face->text().trimmed();
    c.font.size = typedSize().value_or(m_initial.font.size);
    const int style = std::max(0, m_styles->currentRow());
    c.font.bold = style & 2;
    c.font.italic = style & 1;
    c.font.strikeout = m_strikeout->isChecked();
    c.font.underline = m_underline->isChecked();
    c.color = VbColor(m_color->currentData().toUInt());
    return c;
}

void FontDialog::accept()
{
    // A size that is no number in range, or no face at all, keeps the dialog open.
    if (!typedSize()) {
        m_size->setFocus();
        m_size->lineEdit()->selectAll();
        return;
    }
    if (m_face->text().trimmed().isEmpty()) {
        m_face->setFocus();
        return;
    }
    QDialog::accept();
}

void FontDialog::updateSample()
{
    const FontChoice c = choice();
    m_sample->setFont(toQFont(c.font));
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, toQColor(c.color));
    m_sample->setPalette(palette);
}
