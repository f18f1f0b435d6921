#include "RemoteLoader.h"

#include "remote/RemoteControl.h"
#include "remote/RemoteSettings.h"

// On Windows the remote control is part of the program: a module there
// would need the program's own symbols, which a Windows program does not
// export.
struct RemoteLoader::Loaded
{
    RemoteControl control;
};

RemoteLoader::RemoteLoader(Match &match, QSettings &settings, SettingsWriter &writer)
    : m_match(match), m_settings(settings), m_writer(writer)
{}

RemoteLoader::~RemoteLoader() = default;

RemoteLoader::Loaded *RemoteLoader::loaded()
{
    if (!m_loaded)
        m_loaded.reset(new Loaded{RemoteControl(m_match, m_settings, m_writer)});
    return m_loaded.get();
}

void RemoteLoader::start(bool turnOn)
{
    if (turnOn || RemoteSettings::leftOn(m_settings))
        loaded()->control.start(turnOn);
}

void RemoteLoader::showWindow(QWidget *beside)
{
    loaded()->control.showWindow(beside);
}
