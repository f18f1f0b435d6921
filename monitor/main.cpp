#include "monitor/BoardWindow.h"
#include "monitor/LineReader.h"
#include "monitor/MessageLog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
constexpr int kExitProblem = 1;
constexpr int kExitTrouble = 2;

int fail(const QString &message)
{
    std::fprintf(stderr, "scoreboard-monitor: %s\n", qPrintable(message));
    return kExitTrouble;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("scoreboard-monitor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SCOREBOARD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the display board's part on a serial line: prints one line per message received, "
                       "with its time, the gap since the previous one, its bytes, what it is, and the four digits "
                       "the board now shows. Never writes to the line.\n\n"
                       "Exit status: 0 when quit after an idle time or by closing the window; 1 at the first "
                       "malformed message with --check; 2 when the line cannot be opened or is lost, or the "
                       "arguments are wrong."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption ptyOption(
        QStringLiteral("pty"),
        QStringLiteral("Listen on a new pseudo-terminal instead of a device; its path, for the sender "
                       "to open, is the first line printed."));
    const QCommandLineOption windowOption(QStringLiteral("window"),
                                          QStringLiteral("Also show the four digits in a window."));
    const QCommandLineOption checkOption(
        QStringLiteral("check"), QStringLiteral("Exit with status 1 at the first malformed message, once printed."));
    const QCommandLineOption idleOption(QStringLiteral("quit-after-idle"),
                                        QStringLiteral("Exit once nothing has arrived for <ms> milliseconds."),
                                        QStringLiteral("ms"));
    parser.addOptions({ptyOption, windowOption, checkOption, idleOption});
    parser.addPositionalArgument(QStringLiteral("device"),
                                 QStringLiteral("Serial device to listen on at 2400 baud 8N1, "
                                                "e.g. /dev/ttyUSB0 (not with --pty)."),
                                 QStringLiteral("[device]"));

    // Parsed before any application exists, because only a window needs a
    // display: --help, --version and a wrong option must also work where there
    // is none (a shell over ssh, a package build), even beside --window. Qt's
    // own options (-platform...) are therefore unknown here; its environment
    // variables do the same.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool parsed = parser.parse(arguments);
    const bool wantsHelp = parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"));
    const bool showWindow = parsed && parser.isSet(windowOption) && !wantsHelp && !parser.isSet(versionOption);
    std::unique_ptr<QCoreApplication> app;
    if (showWindow)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);

    // QCommandLineParser::process would exit with status 1 on a bad option,
    // which --check reserves for a malformed message.
    if (!parsed)
        return fail(parser.errorText());
    if (wantsHelp)
        parser.showHelp(0);
    if (parser.isSet(versionOption))
        parser.showVersion();

    const QStringList devices = parser.positionalArguments();
    const bool usePty = parser.isSet(ptyOption);
    const bool oneSource = usePty ? devices.isEmpty() : devices.size() == 1;
    if (!oneSource)
        return fail(QStringLiteral("give either one device or --pty (see --help)"));
    int idleLimitMs = 0;
    if (parser.isSet(idleOption)) {
        bool isNumber = false;
        idleLimitMs = parser.value(idleOption).toInt(&isNumber);
        if (!isNumber || idleLimitMs <= 0)
            return fail(QStringLiteral("--quit-after-idle wants a positive number of milliseconds"));
    }

    LineReader reader;
    if (!(usePty ? reader.createPseudoTerminal() : reader.listenOnDevice(devices.front())))
        return fail(reader.errorString());
    const QString source = usePty ? reader.pseudoTerminalPath() : devices.front();
    if (usePty) {
        std::printf("%s\n", qPrintable(source));
        std::fflush(stdout);
    }

    MessageLog log(stdout);
    log.setStopAtFirstProblem(parser.isSet(checkOption));
    QObject::connect(&reader, &LineReader::bytesRead, &log, &MessageLog::takeBytes);
    QObject::connect(&log, &MessageLog::stoppedAtProblem, app.get(), [] { QCoreApplication::exit(kExitProblem); });
    QObject::connect(&reader, &LineReader::lineLost, app.get(), [](const QString &reason) {
        std::fprintf(stderr, "scoreboard-monitor: line lost: %s\n", qPrintable(reason));
        QCoreApplication::exit(kExitTrouble);
    });

    QTimer idleTimer;
    if (idleLimitMs > 0) {
        idleTimer.setSingleShot(true);
        idleTimer.setInterval(idleLimitMs);
        QObject::connect(&reader, &LineReader::bytesRead, &idleTimer, qOverload<>(&QTimer::start));
        QObject::connect(&idleTimer, &QTimer::timeout, &log, [&log] {
            // A message cut short at the very end still counts, with --check too.
            log.lineWentQuiet();
            if (!log.hasStopped())
                QCoreApplication::exit(0);
        });
        idleTimer.start();
    }

    std::unique_ptr<BoardWindow> window;
    if (showWindow) {
        window = std::make_unique<BoardWindow>(source);
        QObject::connect(&log, &MessageLog::shownDigitsChanged, window.get(), &BoardWindow::showDigits);
        window->show();
    }

    return QCoreApplication::exec();
}
