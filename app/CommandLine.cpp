#include "CommandLine.h"

#include "match/Language.h"
#include "serial/SerialPlatform.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr int kExitUsage = 2;

// The toolkit's own options (-style Fusion, -platform offscreen, ...),
// which the window's application takes out of the arguments later; here they
// are only let through. The bool says whether the option takes a value.
constexpr std::pair<const char *, bool> kToolkitOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"reverse", false},
    {"session", true},         {"display", true},
    {"geometry", true},        {"style", true},
    {"stylesheet", true},      {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},
};

// The command line's words, in the language chosen.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

QString helpDescription(const SerialPlatform &platform)
{
    //: The first paragraphs of --help; %1 is the paragraph on this system's port numbers.
    return CommandLine::tr(
               "The operator's console for a four-digit LED scoreboard on a serial line (2400 baud, 8N1, DTR on).\n\n"
               "At start it opens the adapter last sent to when that was not port 1 or 2 and that very adapter is "
               "plugged in; otherwise it tries ports 1 and 2 and opens the first that opens. Every serial device "
               "present is listed under \"COM-port\".\n\n%1")
        .arg(QString::fromStdString(platform.portNumbering()));
}

// The language asked for on the command line, else in the settings, else
// the system's; said once on standard error when it has no translation.
QString chooseLanguage(const QString &asked)
{
    const QSettings settings(QStringLiteral("scoreboard"), QStringLiteral("scoreboard"));
    const QString wanted = asked.isEmpty() ? settings.value(QStringLiteral("language")).toString() : asked;
    const Language::Choice choice = Language::choose(wanted.trimmed(), QLocale::system().uiLanguages());
    if (!choice.notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(choice.notice));
    Language::install(choice.code);
    return choice.code;
}

int listPorts(const SerialPlatform &platform)
{
    const std::vector<SerialDevice> devices = platform.devices();
    if (devices.empty())
        std::fprintf(stderr, "scoreboard: %s\n", qPrintable(CommandLine::tr("no serial device found")));
    for (const SerialDevice &device : devices)
        std::printf("%s\n", DeviceListLine(device).c_str());
    return 0;
}

// Messages the toolkit gives while it looks for the display: passed on once
// it has one, dropped with a line of our own when it has none.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> g_heldMessages;

void holdOrGiveUp(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "scoreboard: %s\n",
                     qPrintable(CommandLine::tr("no display - start it from a desktop session, or see --help")));
        std::_Exit(1); // the toolkit is half set up: nothing of it may run on
    }
    g_heldMessages.push_back({type, context.category, text});
}
} // namespace

std::optional<int> HandleCommandLine(int argc, char *argv[], const SerialPlatform &platform, bool &remote,
                                     QString &language)
{
    // A plain core application: enough to parse and to list devices, and it
    // needs no display.
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("scoreboard"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SCOREBOARD_VERSION));

    // The language first: --help speaks it. A bad option is said in the
    // language asked for where it can be found.
    const QStringList arguments = QCoreApplication::arguments();
    auto langAt = arguments.indexOf(QStringLiteral("--lang"));
    if (langAt < 0)
        langAt = arguments.indexOf(QStringLiteral("-lang"));
    QString asked = langAt > 0 && langAt + 1 < arguments.size() ? arguments.at(langAt + 1) : QString();
    for (const QString &argument : arguments)
        if (argument.startsWith(QLatin1String("--lang=")))
            asked = argument.mid(7);
    language = chooseLanguage(asked);

    QCommandLineParser parser;
    parser.setApplicationDescription(helpDescription(platform));
    // Qt's own options are single-dash words ("-style").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption: its --help-all promises the toolkit's options and
    // shows only these.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        CommandLine::tr("Displays help on commandline options."));
    parser.addOption(helpOption);
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption listPortsOption(
        QStringLiteral("list-ports"),
        CommandLine::tr("Print one line per serial device: port number, device, description, USB identity, "
                        "and whether you may open it; then exit. Opens no device."));
    parser.addOption(listPortsOption);
    const QCommandLineOption remoteOption(
        QStringLiteral("remote"),
        CommandLine::tr("Turn the remote control on (kept on, like its switch in the Remote control window): the "
                        "pages for phones, OBS and a screen in the hall, and the API for stream decks."));
    parser.addOption(remoteOption);
    //: --lang's value in --help: a language code such as de.
    const QCommandLineOption langOption(
        QStringLiteral("lang"),
        CommandLine::tr("Speak this language (de, en, es, fr, nl) instead of the system's; "
                        "kept as the setting \"language\" does."),
        CommandLine::tr("code"));
    parser.addOption(langOption);
    for (const auto &[name, takesValue] : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        if (takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // QCommandLineParser::process would exit with status 1 on a bad option;
    // the convention is 2.
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "scoreboard: %s\n%s\n", qPrintable(parser.errorText()),
                     qPrintable(CommandLine::tr("Try 'scoreboard --help'.")));
        return kExitUsage;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(
            stderr, "scoreboard: %s\n%s\n",
            qPrintable(CommandLine::tr("unexpected argument '%1'").arg(parser.positionalArguments().constFirst())),
            qPrintable(CommandLine::tr("Try 'scoreboard --help'.")));
        return kExitUsage;
    }
    if (parser.isSet(helpOption)) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::printf("scoreboard %s\n", SCOREBOARD_VERSION);
        return 0;
    }
    if (parser.isSet(listPortsOption))
        return listPorts(platform);
    remote = parser.isSet(remoteOption);
    return std::nullopt;
}

std::unique_ptr<QApplication> OpenDisplayOrSayWhyNot(int &argc, char *argv[])
{
    const QtMessageHandler previous = qInstallMessageHandler(holdOrGiveUp);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage &message : std::exchange(g_heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previous ? previous(message.type, context, message.text)
                 : qt_message_output(message.type, context, message.text);
    }
    return app;
}
