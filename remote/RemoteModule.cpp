#include "remote/RemoteControl.h"

#include <QWidget>

// The remote control as the program loads it on Linux, when it is first
// needed (app/RemoteLoaderLinux.cpp): plain C functions, looked up by name.

extern "C" Q_DECL_EXPORT QObject *ScoreboardMakeRemoteControl(Match &match, QSettings &settings, SettingsWriter &writer)
{
    return new RemoteControl(match, settings, writer);
}

extern "C" Q_DECL_EXPORT void ScoreboardStartRemoteControl(QObject *remote, bool turnOn)
{
    static_cast<RemoteControl *>(remote)->start(turnOn);
}

extern "C" Q_DECL_EXPORT void ScoreboardShowRemoteWindow(QObject *remote, QWidget *beside)
{
    static_cast<RemoteControl *>(remote)->showWindow(beside);
}
