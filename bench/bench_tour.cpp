// Goes once through every screen of the program the way a child and then a teacher would,
// through the screens' own handlers, each screen shown in its window and painted: the splash
// screen, the name, the instructions, the hub, levels 1 to 5 each with the winner dialog, the
// labyrinth, the certificate with the password prompt and the password change. Then it prints
// "visited" and waits with the hub open, so that bench/run.sh can read its peak memory.
//
// The steps run from the event loop, one handler per event as in the program, so that windows
// let go of are deleted when the program would delete them.
#include "tools/offscreenprogram.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "screens/fang/frmmaus.h"
#include "screens/fang/frmwinner.h"
#include "screens/hub/frmauswahl.h"
#include "screens/laby/frmlaby.h"
#include "screens/splash/frmsplash.h"
#include "screens/start/frmbedienung.h"
#include "screens/start/frmstart.h"
#include "screens/urkunde/frmchangepw.h"
#include "screens/urkunde/frmpasswort.h"
#include "screens/urkunde/frmurkunde.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// One step of the tour: once this screen has been on screen for a moment, this handler runs.
struct Step
{
    Screen *screen;
    std::function<void()> handler;
};

std::vector<Step> tourSteps(Program &program)
{
    FrmAuswahl &hub = program.frmAuswahl();
    FrmWinner &winner = program.frmWinner();
    FrmLaby &laby = program.frmLaby();
    FrmUrkunde &urkunde = program.frmUrkunde();
    std::vector<Step> steps{
        {&program.frmSplash(), [&program] { program.frmSplash().Form_Click(); }},
        {&program.frmStart(),
         [&program] {
             program.frmStart().ctl(QStringLiteral("txtName")).setCaption(QStringLiteral("Anna"));
             program.frmStart().cmdStart_Click();
         }},
        {&program.frmBedienung(), [&program] { program.frmBedienung().cmdGelesen_Click(); }},
        {&hub, [&hub] { hub.imgFang_Click(0); }},
    };
    // "Weiter" after each level opens the next one, and after level 5 the hub.
    for (int number = 1; number <= 5; ++number) {
        FrmMaus &level = program.frmMaus(number);
        for (int k = 1; k <= 10; ++k)
            steps.push_back({&level, [&level, k] { level.cmd1_MouseDown(k, 1, 0, 0, 0); }});
        steps.push_back({&winner, [&winner] { winner.cmdWeiter_Click(); }});
    }
    steps.insert(steps.end(), {
        {&hub, [&hub] { hub.imgLaby_Click(1); }},
        {&laby, [&laby] { laby.cmdStart_Click(); }},
        {&laby, [&laby] { laby.picZiel_MouseMove(0, 0, 0, 0); }},
        {&laby, [&laby] { laby.picZiel_Click(); }},
        {&hub, [&hub] { hub.cmdUrkunde_Click(); }},
        {&urkunde, [&urkunde] { urkunde.cmdEdit_Click(); }},
        {&program.frmPasswort(), [&program] { program.frmPasswort().cmdChangePW_Click(); }},
        {&program.frmChangePW(), [&program] { program.frmChangePW().cmdAbbrechen_Click(); }},
        {&urkunde, [&urkunde] { urkunde.cmdBeenden_Click(); }},
        {&hub, [] { std::printf("visited\n"); std::fflush(stdout); }},
    });
    return steps;
}

bool exposed(const Screen &screen)
{
    return screen.isLoaded() && screen.window()->windowHandle() && screen.window()->windowHandle()->isExposed();
}

} // namespace

int main(int argc, char *argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    configureApplication(app);

    ClockRandom random;
    OffscreenProgram offscreen(random);
    Program &program = offscreen.program;
    const std::vector<Step> steps = tourSteps(program);

    // Each screen the tour comes to is given a tenth of a second on screen, in which it paints
    // and a moving level ticks; a screen that does not come within five seconds ends the tour.
    size_t next = 0;
    QElapsedTimer waiting;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (next == steps.size())
            return;
        const Step &step = steps[next];
        if (!exposed(*step.screen)) {
            if (waiting.elapsed() > 5000) {
                std::fprintf(stderr, "the tour did not reach %s\n", qPrintable(step.screen->name()));
                app.exit(1);
            }
            return;
        }
        const bool sameScreen = next > 0 && steps[next - 1].screen == step.screen;
        if (waiting.elapsed() < (sameScreen ? 10 : 100))
            return;
        program.nav().runHandler(step.handler);
        ++next;
        waiting.start();
    });
    program.start();
    waiting.start();
    driver.start(10);
    return app.exec();
}
