#include "RemoteLoader.h"

#include "remote/RemoteControl.h"
#include "remote/RemoteSettings.h"
#include "remote/RemoteWindow.h"

#include <QPointer>

// On Windows the remote control is part of the program: a module there
// would need the program's own symbols, which a Windows program does not
// export.
struct RemoteLoader::Loaded
{
    Loaded(Match &match, QSettings &settings, SettingsWriter &writer) : control(match, settings, writer) {}
    // The window works on the control: it goes first. It may be gone
    // already, with the program's window it belongs to.
    ~Loaded() { delete window; }
    Loaded(const Loaded &) = delete;
    Loaded &operator=(const Loaded &) = delete;

    RemoteControl control;
    QPointer<RemoteWindow> window;
};

RemoteLoader::RemoteLoader(Match &match, QSettings &settings, SettingsWriter &writer)
    : m_match(match), m_settings(settings), m_writer(writer)
{}

RemoteLoader::~RemoteLoader() = default;

RemoteLoader::Loaded *RemoteLoader::loaded()
{
    if (!m_loaded)
        m_loaded = std::make_unique<Loaded>(m_match, m_settings, m_writer);
    return m_loaded.get();
}

void RemoteLoader::start(bool turnOn)
{
    if (turnOn || RemoteSettings::leftOn(m_settings))
        loaded()->control.start(turnOn);
}

void RemoteLoader::showWindow(QWidget *beside)
{
    Loaded *remote = loaded();
    if (!remote->window)
        remote->window = new RemoteWindow(remote->control, beside);
    remote->window->show();
    remote->window->raise();
    remote->window->activateWindow();
}
