// Measures what the teacher feels on the certificate: how long it takes to open (reading
// Urkunde.bmp beside the program and the stored layout, and the first paint), what one step of
// a drag costs with its repaint, and how long a print into a PDF file takes.
#include "bench/stats.h"
#include "tools/offscreenprogram.h"
#include "app/commondialog.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "app/widgets.h"
#include "screens/hub/frmauswahl.h"
#include "screens/urkunde/frmurkunde.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <vector>

namespace {

// Prints into a PDF file without asking.
class PdfDialogs : public Dialogs
{
public:
    explicit PdfDialogs(const QString &file)
        : m_file(file)
    {
    }
    bool choosePrinter(QPrinter &printer, QWidget *) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_file);
        return true;
    }

private:
    QString m_file;
};

} // namespace

int main(int argc, char *argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    configureApplication(app);

    SeededRandom random(1);
    OffscreenProgram offscreen(random);
    Program &program = offscreen.program;
    program.vars().Schueler = QStringLiteral("Anna");
    QTemporaryDir out;
    PdfDialogs dialogs(out.filePath(QStringLiteral("urkunde.pdf")));
    program.setDialogs(dialogs);
    FrmUrkunde &urkunde = program.frmUrkunde();
    // The hub stays open beneath, as in the program, so that closing the certificate ends nothing.
    program.nav().show(program.frmAuswahl());
    std::printf("picture beside the program: %s\n",
                QFile::exists(program.appPath() + QStringLiteral("/Urkunde.bmp")) ? "yes" : "no");

    {
        std::vector<double> ms;
        for (int i = 0; i < 30; ++i) {
            QElapsedTimer timer;
            timer.start();
            program.nav().show(urkunde);
            urkunde.window()->repaint();
            ms.push_back(double(timer.nsecsElapsed()) / 1e6);
            program.nav().unload(urkunde);
            QApplication::processEvents();
        }
        const Stats s = stats(ms);
        std::printf("certificate load and first paint: mean %.2f ms, median %.2f ms, p99 %.2f ms\n", s.mean,
                    s.median, s.p99);
    }

    program.nav().show(urkunde);
    urkunde.EditierModus = -1;
    QWindow *window = urkunde.window()->windowHandle();
    {
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(100, 100));
        std::vector<double> us;
        for (int i = 0; i < 2000; ++i) {
            const QPoint at(100 + i % 500, 100 + (i / 7) % 300);
            QElapsedTimer timer;
            timer.start();
            QTest::mouseMove(window, at);
            urkunde.window()->repaint();
            us.push_back(double(timer.nsecsElapsed()) / 1e3);
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(100, 100));
        const Stats s = stats(us);
        std::printf("drag step with repaint: mean %.1f us, median %.1f us, p99 %.1f us\n", s.mean, s.median, s.p99);
    }
    {
        std::vector<double> ms;
        for (int i = 0; i < 10; ++i) {
            QElapsedTimer timer;
            timer.start();
            urkunde.cmdDrucken_Click();
            ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        const Stats s = stats(ms);
        std::printf("print into a PDF file: mean %.1f ms, median %.1f ms; file %lld bytes\n", s.mean, s.median,
                    QFile(out.filePath(QStringLiteral("urkunde.pdf"))).size());
    }
    return 0;
}
