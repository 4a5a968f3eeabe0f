// The yardstick for the program's start-up: a bare Qt window of the same size, shown as soon
// as the application exists.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(" "));
    window.setFixedSize(656, 475);
    window.show();
    return app.exec();
}
