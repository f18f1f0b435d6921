#include "CommandLine.h"
#include "Desktop.h"
#include "RemoteLoader.h"
#include "display/SendSequences.h"
#include "match/Language.h"
#include "match/Match.h"
#include "match/MatchMemory.h"
#include "serial/PortMemory.h"
#include "serial/PortSession.h"
#include "serial/SerialPlatform.h"
#include "serial/SettingsWriter.h"
#include "ui/Form1.h"
#include "ui/KeyMap.h"
#include "ui/ScreenReader.h"

#include <QApplication>
#include <QSettings>
#include <QStyleHints>

// The one place the real parts are built: this system's serial platform and
// link, the user's settings, the port session, the match, the window and the
// remote control.
int main(int argc, char *argv[])
{
    UseCallersTerminal();
    const std::unique_ptr<SerialPlatform> platform = MakeSystemSerialPlatform();
    bool remoteAsked = false;
    QString language;
    if (const std::optional<int> done = HandleCommandLine(argc, argv, *platform, remoteAsked, language))
        return *done;

    PrepareScreenReaderSupport();
    const std::unique_ptr<QApplication> app = OpenDisplayOrSayWhyNot(argc, argv);
    QApplication::setApplicationName(QStringLiteral("scoreboard"));
    QApplication::setApplicationVersion(QStringLiteral(SCOREBOARD_VERSION));
    Language::install(language); // on this application, as the command line's went with its own
    // Lets docks and task bars match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.scoreboard.console"));
    // A blinking text cursor is a timer that wakes the program ten times a
    // second for as long as it runs; a steady cursor shows the same.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QuitWhenTheSessionEnds(*app);

    QSettings settings(QStringLiteral("scoreboard"), QStringLiteral("scoreboard"));
    // Read here at start; written on a thread of their own, so that no click
    // waits for the disk.
    SettingsWriter settingsWriter(settings);
    PortMemory portMemory(settings, settingsWriter);
    MatchMemory matchMemory(settings, settingsWriter);
    PortSession session(MakeSystemSerialLink(*platform), *platform, portMemory, SendStartupCommand);
    Match match(session, matchMemory);
    Form1 window(match, KeyMap(settings));
    RemoteLoader remote(match, settings, settingsWriter);
    QObject::connect(&window, &Form1::remoteControlAsked, &window, [&] { remote.showWindow(&window); });
    remote.start(remoteAsked);
    window.show();
    return QApplication::exec();
}
