#include "CommandLine.h"
#include "QuitOnSignals.h"
#include "serial/QtSerialLink.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QStyleHints>

int main(int argc, char *argv[])
{
    if (const std::optional<int> done = HandleCommandLine(argc, argv))
        return *done;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("scoreboard"));
    QApplication::setApplicationVersion(QStringLiteral(SCOREBOARD_VERSION));
    // Lets docks and task bars match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.scoreboard.console"));
    // A blinking text cursor is a timer that wakes the program ten times a
    // second for as long as it runs; a steady cursor shows the same.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    const QuitOnSignals quitOnSignals;
    Form1 window(std::make_unique<QtSerialLink>());
    window.show();
    return app.exec();
}
