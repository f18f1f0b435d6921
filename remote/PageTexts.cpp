#include "remote/PageTexts.h"

#include "match/Language.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>

#include <optional>

Q_DECLARE_LOGGING_CATEGORY(remoteLog)

namespace {
constexpr char kContext[] = "RemotePages";

struct PageText
{
    const char *id;
    const char *source;
};

// The pages' {{id}} and their scripts' Live.say(id) name these.
constexpr PageText kTexts[] = {
    //: The browser tab's title of the phone's remote control page
    {"remote.title", QT_TRANSLATE_NOOP("RemotePages", "Scoreboard remote")},
    //: The browser tab's title of the overlay page for OBS
    {"overlay.title", QT_TRANSLATE_NOOP("RemotePages", "Scoreboard overlay")},
    //: The browser tab's title of the hall screen page
    {"board.title", QT_TRANSLATE_NOOP("RemotePages", "Scoreboard")},
    //: Read by a screen reader for the two scores of the overlay and the hall screen
    {"score", QT_TRANSLATE_NOOP("RemotePages", "Score")},
    //: A banner while the page reaches the scoreboard program
    {"link.connecting", QT_TRANSLATE_NOOP("RemotePages", "Connecting...")},
    {"link.lost", QT_TRANSLATE_NOOP("RemotePages", "Connection lost - reconnecting...")},
    //: "Remote control" is the scoreboard program's window of that name
    {"link.refused", QT_TRANSLATE_NOOP("RemotePages", "This address's code is not valid: open the control address "
                                                      "the scoreboard's Remote control window shows now.")},
    //: "Remote control" is the scoreboard program's window of that name
    {"link.noCode", QT_TRANSLATE_NOOP("RemotePages", "This address lacks its code: open the control address the "
                                                     "scoreboard's Remote control window shows.")},
    //: "Remote control" is the scoreboard program's window of that name
    {"viewOnly", QT_TRANSLATE_NOOP("RemotePages", "View only: this address shows the score and cannot change it. "
                                                  "To change it, open the control address the scoreboard's Remote "
                                                  "control window shows.")},
    //: The heading over the left team's score and buttons
    {"left", QT_TRANSLATE_NOOP("RemotePages", "Left")},
    //: The heading over the right team's score and buttons
    {"right", QT_TRANSLATE_NOOP("RemotePages", "Right")},
    {"left.score", QT_TRANSLATE_NOOP("RemotePages", "Left score")},
    {"right.score", QT_TRANSLATE_NOOP("RemotePages", "Right score")},
    //: Read by a screen reader for the "-" button under the left score
    {"left.minus", QT_TRANSLATE_NOOP("RemotePages", "Left score: minus")},
    //: Read by a screen reader for the "+" button under the left score
    {"left.plus", QT_TRANSLATE_NOOP("RemotePages", "Left score: plus")},
    {"right.minus", QT_TRANSLATE_NOOP("RemotePages", "Right score: minus")},
    {"right.plus", QT_TRANSLATE_NOOP("RemotePages", "Right score: plus")},
    //: A button: brings back the last match's scores; %1 is them, such as "12 08"
    {"restore", QT_TRANSLATE_NOOP("RemotePages", "Restore %1")},
    //: A button: sends the scores to the scoreboard
    {"update", QT_TRANSLATE_NOOP("RemotePages", "Update scoreboard")},
    //: Asked after Update scoreboard when the board shows higher scores; %1 is
    //: the board's scores, %2 the ones to send, such as "12 08"
    {"update.question", QT_TRANSLATE_NOOP("RemotePages", "The board shows %1. Put %2 on it?")},
    //: A button answering "The board shows ... Put ... on it?"; %1 is the scores to send, such as "00 00"
    {"update.put", QT_TRANSLATE_NOOP("RemotePages", "Put %1 on the board")},
    //: A button answering "The board shows ... Put ... on it?"; %1 is the board's scores, such as "12 08"
    {"update.keep", QT_TRANSLATE_NOOP("RemotePages", "Keep %1 on the board")},
    //: A button: sets both scores to 0 and sends them to the scoreboard
    {"reset", QT_TRANSLATE_NOOP("RemotePages", "Reset Score")},
    {"reset.question", QT_TRANSLATE_NOOP("RemotePages", "Set both scores to 0 and send them to the board?")},
    {"reset.yes", QT_TRANSLATE_NOOP("RemotePages", "Reset to 00 00")},
    {"reset.no", QT_TRANSLATE_NOOP("RemotePages", "Keep the scores")},
    //: A label; beside it the scores the scoreboard shows
    {"board", QT_TRANSLATE_NOOP("RemotePages", "Board shows")},
    //: Beside "Board shows": the program does not know what the board shows
    {"board.unknown", QT_TRANSLATE_NOOP("RemotePages", "not known")},
    //: Beside "Board shows": %1 is the board's scores, such as "12 08"
    {"board.behind", QT_TRANSLATE_NOOP("RemotePages", "%1 - the window differs from the board")},
    //: A label; beside it the serial port the scoreboard is on
    {"port", QT_TRANSLATE_NOOP("RemotePages", "Port")},
    //: Beside "Port": no serial port is open
    {"port.none", QT_TRANSLATE_NOOP("RemotePages", "none open")},
    //: Beside "Port": %1 is the serial port's number
    {"port.open", QT_TRANSLATE_NOOP("RemotePages", "port %1 open")},
    //: A button was pressed, and the phone cannot reach the computer the program runs on
    {"notReached", QT_TRANSLATE_NOOP("RemotePages", "Not reached: is the scoreboard program running?")},
};

QString text(const QString &language, const PageText &entry)
{
    return Language::translate(language, kContext, entry.source);
}

// For a script element: "</script>" or "<!--" in a text must not end it.
QString jsonOfAll(const QString &language)
{
    QJsonObject texts;
    for (const PageText &entry : kTexts)
        texts.insert(QLatin1String(entry.id), text(language, entry));
    return QString::fromUtf8(QJsonDocument(texts).toJson(QJsonDocument::Compact))
        .replace(QLatin1Char('<'), QLatin1String("\\u003c"));
}

std::optional<QString> valueOf(const QStringView id, const QString &language)
{
    if (id == QLatin1String("lang"))
        return language;
    if (id == QLatin1String("texts"))
        return jsonOfAll(language);
    for (const PageText &entry : kTexts)
        if (id == QLatin1String(entry.id))
            return text(language, entry).toHtmlEscaped();
    return std::nullopt;
}
} // namespace

namespace PageTexts {
QString languageFor(const QString &asked)
{
    const QString code = Language::builtIn(asked);
    return code.isEmpty() ? Language::current() : code;
}

QByteArray filledIn(const QByteArray &page, const QString &language)
{
    const QString source = QString::fromUtf8(page);
    QString filled;
    filled.reserve(source.size() * 2);
    qsizetype at = 0;
    for (;;) {
        const qsizetype open = source.indexOf(QLatin1String("{{"), at);
        const qsizetype close = open < 0 ? -1 : source.indexOf(QLatin1String("}}"), open + 2);
        if (close < 0)
            break;
        const QStringView id = QStringView(source).mid(open + 2, close - open - 2);
        const std::optional<QString> value = valueOf(id, language);
        if (!value)
            qCWarning(remoteLog, "a page names the text %s, which the program does not have",
                      qUtf8Printable(id.toString()));
        filled += QStringView(source).mid(at, open - at);
        filled += value ? *value : QStringView(source).mid(open, close + 2 - open).toString();
        at = close + 2;
    }
    filled += QStringView(source).mid(at);
    return filled.toUtf8();
}
} // namespace PageTexts
