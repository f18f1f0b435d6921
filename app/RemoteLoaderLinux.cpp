#include "RemoteLoader.h"

#include "remote/RemoteSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <cstring>

// The module's functions (remote/RemoteModule.cpp), and the control and
// window they made. The library stays loaded to the end: their code is in it.
struct RemoteLoader::Loaded
{
    using Start = void (*)(QObject *, bool);
    using MakeWindow = QWidget *(*)(QObject *, QWidget *);

    Loaded() = default;
    // The window works on the control: it goes first. It may be gone
    // already, with the program's window it belongs to.
    ~Loaded() { delete window; }
    Loaded(const Loaded &) = delete;
    Loaded &operator=(const Loaded &) = delete;

    QLibrary library;
    std::unique_ptr<QObject> control;
    QPointer<QWidget> window;
    Start start = nullptr;
    MakeWindow makeWindow = nullptr;
};

RemoteLoader::RemoteLoader(Match &match, QSettings &settings, SettingsWriter &writer)
    : m_match(match), m_settings(settings), m_writer(writer)
{}

RemoteLoader::~RemoteLoader() = default;

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
    const auto refuse = [this](const QString &why) {
        //: On standard error; %1 is why, such as "... is of version 1.3.0, this program of 1.4.0"
        const QString said = QCoreApplication::translate("RemoteLoader", "scoreboard: the remote control cannot be "
                                                                         "loaded: %1")
                                 .arg(why);
        std::fprintf(stderr, "%s\n", qPrintable(said));
        m_failed = true;
        return nullptr;
    };
    if (!loaded->library.isLoaded())
        return refuse(loaded->library.errorString());
    // The module works on the program's match with the classes as its own
    // build laid them out: one of another version (a package half upgraded,
    // a stale build folder) would misread them. Its version is the one thing
    // asked of it before that is known.
    using Version = const char *(*)();
    const auto moduleVersion = reinterpret_cast<Version>(loaded->library.resolve("ScoreboardRemoteModuleVersion"));
    const char *version = moduleVersion ? moduleVersion() : nullptr;
    if (!version)
        //: %1 is the remote control module's file, %2 the program's version such as 1.4.0
        return refuse(QCoreApplication::translate("RemoteLoader", "%1 does not say its version, this program is of %2")
                          .arg(loaded->library.fileName(), QStringLiteral(SCOREBOARD_VERSION)));
    if (std::strcmp(version, SCOREBOARD_VERSION) != 0)
        //: %1 is the remote control module's file, %2 its version and %3 the program's, such as 1.4.0
        return refuse(
            QCoreApplication::translate("RemoteLoader", "%1 is of version %2, this program of %3")
                .arg(loaded->library.fileName(), QString::fromUtf8(version), QStringLiteral(SCOREBOARD_VERSION)));
    using Make = QObject *(*)(Match &, QSettings &, SettingsWriter &);
    const auto make = reinterpret_cast<Make>(loaded->library.resolve("ScoreboardMakeRemoteControl"));
    loaded->start = reinterpret_cast<Loaded::Start>(loaded->library.resolve("ScoreboardStartRemoteControl"));
    loaded->makeWindow = reinterpret_cast<Loaded::MakeWindow>(loaded->library.resolve("ScoreboardMakeRemoteWindow"));
    if (!make || !loaded->start || !loaded->makeWindow)
        return refuse(loaded->library.errorString());
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
    Loaded *remote = loaded();
    if (!remote)
        return;
    if (!remote->window)
        remote->window = remote->makeWindow(remote->control.get(), beside);
    remote->window->show();
    remote->window->raise();
    remote->window->activateWindow();
}
