#include "remote/RemoteControl.h"
#include "remote/RemoteWindow.h"

// The remote control as the program loads it on Linux, when it is first
// needed (app/RemoteLoaderLinux.cpp): plain C functions, looked up by name.

// Asked first: the program takes only a module of its own version.
extern "C" Q_DECL_EXPORT const char *ScoreboardRemoteModuleVersion()
{
    return SCOREBOARD_VERSION;
}

extern "C" Q_DECL_EXPORT QObject *ScoreboardMakeRemoteControl(Match &match, QSettings &settings, SettingsWriter &writer)
{
    return new RemoteControl(match, settings, writer);
}

extern "C" Q_DECL_EXPORT void ScoreboardStartRemoteControl(QObject *remote, bool turnOn)
{
    static_cast<RemoteControl *>(remote)->start(turnOn);
}

extern "C" Q_DECL_EXPORT QWidget *ScoreboardMakeRemoteWindow(QObject *remote, QWidget *beside)
{
    return new RemoteWindow(*static_cast<RemoteControl *>(remote), beside);
}
