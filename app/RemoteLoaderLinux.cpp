#include "RemoteLoader.h"

#include "remote/RemoteSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QObject>

#include <cstdio>

// The module's functions (remote/RemoteModule.cpp), and the control they
// made. The library stays loaded to the end: the control's code is in it.
struct RemoteLoader::Loaded
{
    using Start = void (*)(QObject *, bool);
    using ShowWindow = void (*)(QObject *, QWidget *);

    QLibrary library;
    std::unique_ptr<QObject> control;
    Start start = nullptr;
    ShowWindow showWindow = nullptr;
};

RemoteLoader::RemoteLoader(Match &match, QSettings &settings, SettingsWriter &writer)
    : m_match(match), m_settings(settings), m_writer(writer)
{}

RemoteLoader::~RemoteLoader()
{
    if (m_loaded)
        m_loaded->control.reset();
}

RemoteLoader::Loaded *RemoteLoader::loaded()
{
    if (m_loaded || m_failed)
        return m_loaded.get();
    // Beside the program in a build folder; where it is installed, in the
    // library folder that the build chose.
    const QDir programs(QCoreApplication::applicationDirPath());
    auto loaded = std::make_unique<Loaded>();
    for (const QString &path :
         {programs.filePath(QStringLiteral(SCOREBOARD_REMOTE_MODULE)),
          programs.filePath(QStringLiteral(SCOREBOARD_INSTALLED_MODULE_DIR "/" SCOREBOARD_REMOTE_MODULE))}) {
        loaded->library.setFileName(path);
        if (loaded->library.load())
            break;
    }
    using Make = QObject *(*)(Match &, QSettings &, SettingsWriter &);
    const auto make = reinterpret_cast<Make>(loaded->library.resolve("ScoreboardMakeRemoteControl"));
    loaded->start = reinterpret_cast<Loaded::Start>(loaded->library.resolve("ScoreboardStartRemoteControl"));
    loaded->showWindow = reinterpret_cast<Loaded::ShowWindow>(loaded->library.resolve("ScoreboardShowRemoteWindow"));
    if (!make || !loaded->start || !loaded->showWindow) {
        std::fprintf(stderr, "scoreboard: the remote control cannot be loaded: %s\n",
                     qPrintable(loaded->library.errorString()));
        m_failed = true;
        return nullptr;
    }
    loaded->control.reset(make(m_match, m_settings, m_writer));
    m_loaded = std::move(loaded);
    return m_loaded.get();
}

void RemoteLoader::start(bool turnOn)
{
    if (!turnOn && !RemoteSettings::leftOn(m_settings))
        return;
    if (Loaded *remote = loaded())
        remote->start(remote->control.get(), turnOn);
}

void RemoteLoader::showWindow(QWidget *beside)
{
    if (Loaded *remote = loaded())
        remote->showWindow(remote->control.get(), beside);
}
