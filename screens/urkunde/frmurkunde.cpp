#include "frmurkunde.h"

#include "app/assets.h"
#include "app/commondialog.h"
#include "app/errors.h"
#include "app/oneline.h"
#include "app/pictures.h"
#include "app/printform.h"
#include "frmpasswort.h"
#include "settings/numbertext.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QPrinter>

#include <cmath>
#include <utility>

using enum ControlKind;
using namespace VbColors;

namespace {

constexpr VbColor Cyan = 0x00FFFF00;
const QString Application = QStringLiteral("Zeigerdiplom");
const QString Section = QStringLiteral("Einstellungen");

// Far beyond any window; a stored position out there is no position the screen ever had.
constexpr float FarthestPosition = 1e6f;

} // namespace

FrmUrkunde::FrmUrkunde(Program &program)
    : ProgramScreen(program, QStringLiteral("frmUrkunde"))
{
}

const ScreenDesign &FrmUrkunde::design() const
{
    static const Style text = style().fore(WindowText).withTransparent().centred().autoSized();
    static const ScreenDesign layout{
        .caption = QStringLiteral("Zeigerdiplom Urkunde"),
        .clientWidth = 11880,
        .clientHeight = 8610,
        .backColor = White,
        .frame = WindowFrame::FixedDialog,
        .icon = Assets::MouseIcon,
        .controls = {
            {"cmdLabel", Label, 0, "Schüler", {4440, 2040, 3285, 1080}, text.fontFace("Arial", 48)},
            {"cmdLabel", Label, 1, "Pkte", {5175, 5160, 1065, 600}, text.fontFace("Arial", 26.25f)},
            {"cmdEdit", Button, NoIndex, "&Editieren", {720, 7200, 1335, 615}, style().face(Blue).tab(0)},
            {"cmdSchrift", Button, NoIndex, "&Schrift ändern", {3000, 7200, 1335, 615}, style().face(Cyan).tab(3)},
            {"cmdDrucken", Button, NoIndex, "&Drucken", {5160, 7200, 1335, 615}, style().face(Yellow).tab(1)},
            {"cmdSpeichern", Button, NoIndex, "S&peichern", {7560, 7200, 1335, 615}, style().face(Green).tab(4)},
            {"cmdBeenden", Button, NoIndex, "&Beenden", {9720, 7200, 1335, 615}, style().face(Red).tab(2)},
            // The font dialog opens with these settings and keeps the last choice in them.
            {"CommonDialog1", CommonDialog, NoIndex, "", {}, style().fontFace("Times New Roman", 8).fore(Black)},
        },
    };
    return layout;
}

const QStringList &FrmUrkunde::buttonsInPrintOrder()
{
    static const QStringList buttons{"cmdEdit", "cmdSchrift", "cmdDrucken", "cmdSpeichern", "cmdBeenden"};
    return buttons;
}

void FrmUrkunde::connectHandlers()
{
    on("cmdLabel", Event::Click, [this](const EventArgs &e) { cmdLabel_Click(e.index); });
    onForm(Event::MouseMove, [this](const EventArgs &e) { Form_MouseMove(e.button, e.shift, e.x, e.y); });
    on("cmdEdit", Event::Click, [this](const EventArgs &) { cmdEdit_Click(); });
    on("cmdSchrift", Event::Click, [this](const EventArgs &) { cmdSchrift_Click(); });
    on("cmdSpeichern", Event::Click, [this](const EventArgs &) { cmdSpeichern_Click(); });
    on("cmdDrucken", Event::Click, [this](const EventArgs &) { cmdDrucken_Click(); });
    on("cmdBeenden", Event::Click, [this](const EventArgs &) { cmdBeenden_Click(); });
}

float FrmUrkunde::readPosition(const QString &key, double defaultValue) const
{
    const QString text = program().settings().ReadSetting(Application, Section, key, defaultValue);
    const std::optional<float> value = NumberText::parse(text);
    // A text that is no position leaves the text where the default puts it.
    if (!value || !std::isfinite(*value) || std::abs(*value) > FarthestPosition)
        return float(defaultValue);
    return *value;
}

float FrmUrkunde::readFontSize(const QString &key) const
{
    constexpr float Default = 10;
    const QString text = program().settings().ReadSetting(Application, Section, key, Default);
    const std::optional<float> value = NumberText::parse(text);
    return value && CommonDialogs::isUsableFontSize(*value) ? *value : Default;
}

QString FrmUrkunde::readFace(const QString &key) const
{
    return program().settings().ReadSetting(Application, Section, key, QStringLiteral("Arial"));
}

void FrmUrkunde::Form_Load()
{
    setWidth(12000);
    setHeight(9000);
    // The picture beside the program wins; without a whole, readable one of a sensible size the
    // built-in picture shows, rather than half a picture or none.
    QString picture = Assets::Urkunde;
    try {
        picture = Pictures::loadFile(QDir(program().appPath()).filePath(QStringLiteral("Urkunde.bmp")));
    } catch (const RuntimeError &) {
    }
    if (!setPicture(picture))
        setPicture(Assets::Urkunde);

    Control &name = ctl("cmdLabel", 0);
    Control &score = ctl("cmdLabel", 1);
    name.setCaption(oneLine(vars().Schueler));
    score.setCaption(QString::number((vars().PunkteFang + vars().PunkteLaby).value()));

    // The keys ending in X hold the Top, those ending in Y the Left.
    name.setTop(readPosition(QStringLiteral("Urkunde0X"), 10));
    name.setLeft(readPosition(QStringLiteral("Urkunde0Y"), 10));
    // With nothing stored the score sits 10 twips under the name as tall as Arial 48 makes it.
    const double nameHeight = name.height();
    score.setTop(readPosition(QStringLiteral("Urkunde1X"), 10.0 + nameHeight + 10.0));
    score.setLeft(readPosition(QStringLiteral("Urkunde1Y"), 10));

    FontSpec nameFont = name.font();
    nameFont.face = readFace(QStringLiteral("Schriftart0"));
    name.setFont(nameFont);
    FontSpec scoreFont = score.font();
    scoreFont.face = readFace(QStringLiteral("Schriftart1"));
    score.setFont(scoreFont);
    nameFont.size = readFontSize(QStringLiteral("Schriftgr0"));
    name.setFont(nameFont);
    scoreFont.size = readFontSize(QStringLiteral("Schriftgr1"));
    score.setFont(scoreFont);
}

void FrmUrkunde::cmdLabel_Click(int Index)
{
    AktivesLabel = qint16(Index);
}

void FrmUrkunde::Form_MouseMove(int Button, int, float X, float Y)
{
    // Only the left button alone drags, and only in edit mode.
    if (Button != 1 || !EditierModus)
        return;
    Control &text = ctl("cmdLabel", AktivesLabel);
    const float h = text.height();
    text.setTop(Y - h / 2);
    const float w = text.width();
    text.setLeft(X - w / 2);
}

void FrmUrkunde::cmdEdit_Click()
{
    if (EditierModus) {
        EditierModus = 0;
        ctl("cmdEdit").setCaption(QStringLiteral("Editieren"));
        return;
    }
    nav().showModal(program().frmPasswort(), [this] {
        if (!isLoaded())
            return;
        // Only a verdict of exactly -1 opens edit mode.
        if (vars().PasswortOK == -1) {
            EditierModus = -1;
            ctl("cmdEdit").setCaption(QStringLiteral("Editieren beenden"));
        } else {
            EditierModus = 0;
            ctl("cmdEdit").setCaption(QStringLiteral("Editieren"));
        }
    });
}

void FrmUrkunde::cmdSchrift_Click()
{
    if (!EditierModus) {
        nav().message(QStringLiteral("Passworteingabe erforderlich!"));
        return;
    }
    try {
        Control &dialog = ctl("CommonDialog1");
        dialog.setFlags(CommonDialogs::ScreenFonts | CommonDialogs::PrinterFonts | CommonDialogs::Effects);
        // Cancelling ends the click with both texts as they were.
        if (!CommonDialogs::ShowFont(dialog, program().dialogs(), window()))
            return;
        const FontChoice chosen = CommonDialogs::choice(dialog);
        for (int index : {0, 1}) {
            Control &text = ctl("cmdLabel", index);
            text.setFont(chosen.font);
            text.setForeColor(chosen.color);
        }
    } catch (const std::exception &) {
        // A failing font change ends quietly; what was already copied stays.
    }
}

void FrmUrkunde::cmdSpeichern_Click()
{
    if (!EditierModus) {
        nav().message(QStringLiteral("Bitte starten Sie zuerst den Editier-Modus!"));
        return;
    }
    const Control &name = ctl("cmdLabel", 0);
    const Control &score = ctl("cmdLabel", 1);
    // One replacement of the file with all eight: a layout is never stored half.
    const SettingsStore::Values layout{
        {QStringLiteral("Urkunde0X"), NumberText::format(name.top())},
        {QStringLiteral("Urkunde0Y"), NumberText::format(name.left())},
        {QStringLiteral("Urkunde1X"), NumberText::format(score.top())},
        {QStringLiteral("Urkunde1Y"), NumberText::format(score.left())},
        {QStringLiteral("Schriftart0"), name.font().face},
        {QStringLiteral("Schriftart1"), score.font().face},
        {QStringLiteral("Schriftgr0"), NumberText::format(name.font().size)},
        {QStringLiteral("Schriftgr1"), NumberText::format(score.font().size)},
    };
    // A failed store has been reported; the file keeps the layout stored before.
    program().settings().WriteSettings(Application, Section, layout);
}

void FrmUrkunde::cmdDrucken_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(design().caption);
    printer.setPageOrientation(PrintForm::orientationFor(*this));
    try {
        // Cancelling ends the click with nothing printed.
        if (!CommonDialogs::ShowPrinter(program().dialogs(), printer, window()))
            return;
    } catch (const std::exception &) {
        return;
    }
    for (const QString &button : buttonsInPrintOrder())
        ctl(button).setVisible(false);
    try {
        PrintForm::print(*this, printer);
    } catch (const std::exception &) {
        // A failed print ends quietly; the buttons come back all the same.
    }
    for (const QString &button : buttonsInPrintOrder())
        ctl(button).setVisible(true);
}

void FrmUrkunde::cmdBeenden_Click()
{
    EditierModus = 0;
    nav().unload(*this);
}

void FrmUrkunde::Form_FrameClose()
{
    EditierModus = 0;
}
