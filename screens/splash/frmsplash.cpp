#include "frmsplash.h"

#include "app/appinfo.h"
#include "linkcontrols.h"
#include "screens/start/frmstart.h"
#include "velmstift.h"

using enum ControlKind;
using namespace VbColors;

FrmSplash::FrmSplash(Program &program)
    : ProgramScreen(program, QStringLiteral("frmSplash"))
{
}

QString FrmSplash::credits()
{
    return QStringLiteral("Programmiert im Rahmen eines Unterrichtsprojektes von Schülerinnen und Schülern der "
                          "Klasse GK07 des")
        + QString(38, QLatin1Char(' ')) + QStringLiteral("in Kooperation mit der") + QString(44, QLatin1Char(' '))
        + QStringLiteral(".  ");
}

const ScreenDesign &FrmSplash::design() const
{
    // Everything lies in the frame, measured from its client area.
    static const Style inFrame = style().in("Frame1");
    static const Style heading = inFrame.fore(Black).withTransparent();
    static const Style text = inFrame.fontFace("Arial", 9.75f);
    static const ScreenDesign layout{
        .caption = QString(),
        .clientWidth = 9840,
        .clientHeight = 7125,
        .backColor = ActiveBorder,
        .frame = WindowFrame::FixedSingle,
        .keyPreview = true,
        .controls = {
            {"Frame1", Frame, NoIndex, "", {120, 120, 9615, 6855}, style().tab(0)},
            {"lblTitel", Label, NoIndex, "Titel", {2160, 240, 6855, 1095}, heading.centred().fontFace("Arial", 39.75f)},
            {"lblErklaerung", Label, NoIndex, "Erläuterungen", {1440, 1320, 6135, 1095},
             heading.centred().fontFace("Arial", 9.75f)},
            {"lblversion", Label, NoIndex, "Version", {2760, 2400, 3735, 495}, heading.centred().fontFace("Arial", 20.25f)},
            {"lblAutoren", Label, NoIndex, credits(), {240, 3000, 8775, 495}, heading.fontFace("Arial", 9.75f)},
            {"LinkVelm21", Composite, NoIndex, "", {600, 3240, 2175, 255}, inFrame.made(LinkControls::LinkVelm2).tab(7)},
            {"LinkOrlingen1", Composite, NoIndex, "", {4800, 3240, 2535, 255},
             inFrame.made(LinkControls::LinkOrlingen).tab(8)},
            {"lblVelm3", Label, NoIndex,
             "Die Autoren haben nach bestem Wissen und Gewissen programmiert, übernehmen aber keine Gewähr für "
             "eventuelle Fehler. Anregungen und Verbesserungsvorschläge bitte an:",
             {240, 3480, 9135, 615}, text},
            {"LinkVelm1", Composite, NoIndex, "", {2880, 4080, 3855, 975}, inFrame.made(LinkControls::LinkVelm).tab(9)},
            {"lblVelm2", Label, NoIndex, "Label1", {2880, 5040, 3135, 855}, text},
            {"MailMarlow1", Composite, NoIndex, "", {2880, 6360, 3735, 255}, inFrame.made(LinkControls::MailMarlow).tab(10)},
            {"Timer1", Timer, NoIndex, "", {}, style().every(60000).disabled()},
        },
    };
    return layout;
}

void FrmSplash::connectHandlers()
{
    on("Timer1", Event::Timer, [this](const EventArgs &) { Timer1_Timer(); });
    onForm(Event::Click, [this](const EventArgs &) { Form_Click(); });
    onFormKeyPress([this](const QString &key) { Form_KeyPress(key); });
    on("Frame1", Event::Click, [this](const EventArgs &) { Frame1_Click(); });
    on("lblTitel", Event::Click, [this](const EventArgs &) { lblTitel_Click(); });
    on("lblErklaerung", Event::Click, [this](const EventArgs &) { lblErklaerung_Click(); });
    on("lblversion", Event::Click, [this](const EventArgs &) { lblversion_Click(); });
    on("lblAutoren", Event::Click, [this](const EventArgs &) { lblAutoren_Click(); });
    on("lblVelm2", Event::Click, [this](const EventArgs &) { lblVelm2_Click(); });
}

void FrmSplash::Form_Load()
{
    ctl("Timer1").setEnabled(true);
    // Centred on the screen's width although they lie in the frame, so each sits 120 twips
    // right of the screen's centre line.
    ctl("lblTitel").setLeft((scaleWidth() - ctl("lblTitel").width()) / 2);
    ctl("lblErklaerung").setLeft((scaleWidth() - ctl("lblErklaerung").width()) / 2);
    ctl("LinkVelm1").setLeft((scaleWidth() - ctl("LinkVelm1").width()) / 2);
    ctl("lblVelm2").setLeft(ctl("LinkVelm1").left());
    ctl("lblversion").setLeft((scaleWidth() - ctl("lblversion").width()) / 2);
    ctl("MailMarlow1").setLeft(ctl("LinkVelm1").left());
    // The e-mail address sits right under the postal address.
    ctl("MailMarlow1").setTop(ctl("lblVelm2").top() + ctl("lblVelm2").height());
    ctl("lblVelm2").setCaption(Velmstift::Street + QLatin1Char('\r') + Velmstift::Town + QLatin1Char('\r')
                               + QStringLiteral("z. Hd. ") + Velmstift::Contact);
    ctl("lblTitel").setCaption(QString::fromLatin1(AppInfo::Title));
    ctl("lblErklaerung").setCaption(QStringLiteral("Ein Lernprogramm zum Umgang mit der Maus\r\r1. Schuljahr"));
    ctl("lblversion").setCaption(QStringLiteral("Version %1.%2.%3").arg(AppInfo::Major).arg(AppInfo::Minor).arg(AppInfo::Revision));
}

void FrmSplash::leave()
{
    nav().show(program().frmStart());
    ctl("Timer1").setEnabled(false);
    nav().unload(*this);
}

void FrmSplash::Timer1_Timer()
{
    leave();
}

void FrmSplash::Form_Click()
{
    leave();
}

void FrmSplash::Form_KeyPress(const QString &)
{
    leave();
}

void FrmSplash::Frame1_Click()
{
    leave();
}

void FrmSplash::lblTitel_Click()
{
    leave();
}

void FrmSplash::lblErklaerung_Click()
{
    leave();
}

void FrmSplash::lblversion_Click()
{
    leave();
}

void FrmSplash::lblAutoren_Click()
{
    leave();
}

void FrmSplash::lblVelm2_Click()
{
    leave();
}
