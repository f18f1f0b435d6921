#include "CommandLine.h"

#include "serial/SerialDevices.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

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

QString helpDescription()
{
    return QStringLiteral(
        "The operator's console for a four-digit LED scoreboard on a serial line (2400 baud, 8N1, DTR on).\n\n"
        "At start it tries ports 1 and 2 and opens the first that opens; otherwise it opens the port last used, "
        "if that adapter is plugged in. Every serial device present is listed under \"COM-port\".\n\n"
        "Port numbers: 1-32 are /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 (USB adapters), 65-96 /dev/ttyACM0-31. "
        "To use serial ports your user must be in the dialout group.");
}

int listPorts()
{
    const std::vector<SerialDevice> devices = SystemDeviceSource().devices();
    if (devices.empty())
        std::fprintf(stderr, "scoreboard: no serial device found\n");
    for (const SerialDevice &device : devices)
        std::printf("%s\n", DeviceListLine(device).c_str());
    return 0;
}
} // namespace

std::optional<int> HandleCommandLine(int argc, char *argv[])
{
    // A plain core application: enough to parse and to list devices, and it
    // needs no display.
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("scoreboard"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SCOREBOARD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(helpDescription());
    // Qt's own options are single-dash words ("-style").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption listPortsOption(
        QStringLiteral("list-ports"),
        QStringLiteral("Print one line per serial device: port number, device, description, USB identity, "
                       "and whether you may open it; then exit. Opens no device."));
    parser.addOption(listPortsOption);
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
        std::fprintf(stderr, "scoreboard: %s\nTry 'scoreboard --help'.\n", qPrintable(parser.errorText()));
        return kExitUsage;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "scoreboard: unexpected argument '%s'\nTry 'scoreboard --help'.\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return kExitUsage;
    }
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::printf("scoreboard %s\n", SCOREBOARD_VERSION);
        return 0;
    }
    if (parser.isSet(listPortsOption))
        return listPorts();
    return std::nullopt;
}
