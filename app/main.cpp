#include "app/program.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "settings/settingsstore.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a desktop Qt would abort with advice to reinstall it; one plain line says more.
    if (!desktopAvailable()) {
        std::fputs("zeigerdiplom: kein Bildschirm gefunden (DISPLAY ist nicht gesetzt); bitte auf einem Desktop starten.\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    configureApplication(app);

    MessageBoxes messageBoxes;
    SettingsStore settings;
    ClockRandom random;
    Program program(messageBoxes, settings, random);
    program.start();
    return app.exec();
}
