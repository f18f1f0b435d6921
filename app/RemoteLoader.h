#pragma once

#include <memory>

class Match;
class QObject;
class QSettings;
class QWidget;
class SettingsWriter;

// The remote control, made when it is first needed: at start when it was
// left on or --remote asks for it, else when its window is first asked for.
// Until then the program pays nothing for it. On Linux it is a module loaded
// then (app/RemoteLoaderLinux.cpp), on Windows part of the program
// (app/RemoteLoaderWindows.cpp).
class RemoteLoader
{
public:
    RemoteLoader(Match &match, QSettings &settings, SettingsWriter &writer);
    ~RemoteLoader();
    RemoteLoader(const RemoteLoader &) = delete;
    RemoteLoader &operator=(const RemoteLoader &) = delete;

    void start(bool turnOn);
    // Its window, beside the program's: made the first time, brought to the
    // front each time.
    void showWindow(QWidget *beside);

private:
    struct Loaded;
    // Null when it cannot be had; says why on standard error, once.
    Loaded *loaded();

    Match &m_match;
    QSettings &m_settings;
    SettingsWriter &m_writer;
    std::unique_ptr<Loaded> m_loaded;
    bool m_failed = false;
};
