// Stores again and again what a teacher stores, until it is killed: "layout" presses
// "Speichern" on the certificate with two layouts in turn, "password" changes the password to
// "alt" and "neu" in turn. Prints "ready" once the first store is done.
//
// killedwrite layout|password CONFIG_ROOT
#include "screens/hub/frmauswahl.h"
#include "screens/urkunde/frmchangepw.h"
#include "screens/urkunde/frmpasswort.h"
#include "screens/urkunde/frmurkunde.h"
#include "support/testprogram.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    SettingsStore store(QString::fromLocal8Bit(argv[2]));
    RecordingMessageBoxes boxes;
    SeededRandom random(1);
    ScriptedDialogs dialogs;
    Program program(boxes, store, random);
    program.setDialogs(dialogs);
    program.vars().Schueler = QStringLiteral("Anna");
    program.nav().show(program.frmAuswahl());

    FrmUrkunde &urkunde = program.frmUrkunde();
    if (mode == QLatin1String("layout")) {
        Drive::click(program.frmAuswahl().ctl("cmdUrkunde"));
        Drive::click(urkunde.ctl("cmdEdit"));
        Drive::type(program.frmPasswort().ctl("txtPasswort"), program.vars().PasswortAktuell);
        Drive::click(program.frmPasswort().ctl("cmdOK"));
    }
    for (int round = 0;; ++round) {
        const bool second = round % 2 == 0;
        if (mode == QLatin1String("layout")) {
            urkunde.ctl("cmdLabel", 0).move(second ? -300.5f : 10, second ? 4440 : 10);
            urkunde.ctl("cmdLabel", 1).move(second ? 5175 : 10, second ? 5160.25f : 1100);
            FontSpec font{second ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"), second ? 26.25f : 10};
            urkunde.ctl("cmdLabel", 0).setFont(font);
            urkunde.ctl("cmdLabel", 1).setFont(font);
            Drive::click(urkunde.ctl("cmdSpeichern"));
        } else {
            program.nav().showModal(program.frmChangePW());
            FrmChangePW &change = program.frmChangePW();
            Drive::type(change.ctl("txtAltesPW"), QStringLiteral("Klassenlehrer"));
            Drive::type(change.ctl("txtNeuesPW"), second ? QStringLiteral("neu") : QStringLiteral("alt"));
            Drive::click(change.ctl("cmdÄndern"));
        }
        if (!boxes.shown.isEmpty())
            return 1;
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
