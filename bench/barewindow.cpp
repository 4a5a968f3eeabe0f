// The reference for the start-up and memory benchmarks: one empty fixed-size Qt Widgets window
// of the size of the program's screens, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(794, 575);
    window.show();
    return app.exec();
}
