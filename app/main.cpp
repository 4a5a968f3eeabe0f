#include "app/program.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "settings/settingsstore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);

    MessageBoxes messageBoxes;
    SettingsStore settings;
    ClockRandom random;
    Program program(messageBoxes, settings, random);
    program.start();
    return app.exec();
}
