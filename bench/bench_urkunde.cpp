// Measures what the teacher feels on the certificate: how long it takes to open (reading
// Urkunde.bmp beside the program and the stored layout, and the first paint), what one step of
// a drag costs with its repaint, and how long a print into a PDF file takes.
#include "bench/samples.h"
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
    if (!QFile::exists(program.appPath() + QStringLiteral("/Urkunde.bmp")))
        std::fprintf(stderr, "no Urkunde.bmp beside the program: the certificate is measured without its picture\n");

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
        printSamples("cert_load_ms", ms);
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
        printSamples("cert_drag_us", us);
    }
    {
        std::vector<double> ms;
        for (int i = 0; i < 10; ++i) {
            QElapsedTimer timer;
            timer.start();
            urkunde.cmdDrucken_Click();
            ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        if (QFile(out.filePath(QStringLiteral("urkunde.pdf"))).size() == 0) {
            std::fprintf(stderr, "the print wrote no PDF file\n");
            return 1;
        }
        printSamples("cert_print_ms", ms);
    }
    return 0;
}
