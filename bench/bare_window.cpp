#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

// As little as Qt Widgets can show: the scoreboard's client area, fixed like
// the scoreboard's, and a title by which the benchmark finds it. With --text
// it also shows one line of text, which is what brings in fontconfig,
// FreeType and HarfBuzz: the part of the scoreboard's start-up that any window
// with words in it pays.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(443, 269);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("Update scoreboard"), &window);
    window.show();
    return app.exec();
}
