// Goes once through every screen of the program the way a child and then a teacher would,
// through the screens' own handlers, each screen shown in its window and painted: the splash
// screen, the name, the instructions, the hub, levels 1 to 5 each with the winner dialog, the
// labyrinth, the certificate with the password prompt and the password change. Then it prints
// "visited" and waits with the hub open, so that bench/run.sh can read its peak memory.
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
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

Program *program = nullptr;

// Runs a handler as the program runs the handler of every event, so that the steps a handler
// left waiting for a screen to close go on afterwards.
void handle(const std::function<void()> &handler)
{
    program->nav().runHandler(handler);
}

// The screen the tour has reached, on screen and painted; a moving level gets a few ticks.
template<class S>
S &reached(S &screen)
{
    if (!screen.isLoaded() || !QTest::qWaitForWindowExposed(screen.window())) {
        std::fprintf(stderr, "the tour did not reach %s\n", qPrintable(screen.name()));
        std::exit(1);
    }
    QTest::qWait(100);
    return screen;
}

} // namespace

int main(int argc, char *argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    configureApplication(app);

    ClockRandom random;
    OffscreenProgram offscreen(random);
    program = &offscreen.program;

    program->start();
    reached(program->frmSplash());
    handle([] { program->frmSplash().Form_Click(); });
    FrmStart &start = reached(program->frmStart());
    start.ctl(QStringLiteral("txtName")).setCaption(QStringLiteral("Anna"));
    handle([&start] { start.cmdStart_Click(); });
    FrmBedienung &instructions = reached(program->frmBedienung());
    handle([&instructions] { instructions.cmdGelesen_Click(); });
    FrmAuswahl &hub = reached(program->frmAuswahl());
    handle([&hub] { hub.imgFang_Click(0); });
    // "Weiter" after each level opens the next one, and after level 5 the hub.
    FrmWinner &winner = program->frmWinner();
    for (int number = 1; number <= 5; ++number) {
        FrmMaus &level = reached(program->frmMaus(number));
        for (int k = 1; k <= 10; ++k)
            handle([&level, k] { level.cmd1_MouseDown(k, 1, 0, 0, 0); });
        reached(winner);
        handle([&winner] { winner.cmdWeiter_Click(); });
    }

    reached(hub);
    handle([&hub] { hub.imgLaby_Click(1); });
    FrmLaby &laby = reached(program->frmLaby());
    handle([&laby] { laby.cmdStart_Click(); });
    handle([&laby] { laby.picZiel_MouseMove(0, 0, 0, 0); });
    reached(laby);
    handle([&laby] { laby.picZiel_Click(); });

    reached(hub);
    handle([&hub] { hub.cmdUrkunde_Click(); });
    FrmUrkunde &urkunde = reached(program->frmUrkunde());
    handle([&urkunde] { urkunde.cmdEdit_Click(); });
    FrmPasswort &prompt = reached(program->frmPasswort());
    handle([&prompt] { prompt.cmdChangePW_Click(); });
    FrmChangePW &change = reached(program->frmChangePW());
    handle([&change] { change.cmdAbbrechen_Click(); });
    reached(urkunde);
    handle([&urkunde] { urkunde.cmdBeenden_Click(); });
    reached(hub);

    std::printf("visited\n");
    std::fflush(stdout);
    return app.exec();
}
