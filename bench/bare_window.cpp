#include <QApplication>
#include <QWidget>

// As little as Qt Widgets can show: the scoreboard's client area, fixed like
// the scoreboard's, and a title by which the benchmark finds it.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(443, 269);
    window.show();
    return app.exec();
}
