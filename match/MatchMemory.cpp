#include "match/MatchMemory.h"

#include "serial/SettingsWriter.h"

#include <QSettings>

namespace {
const QString kBoard = QStringLiteral("LastMatch/board");
const QString kSentAt = QStringLiteral("LastMatch/sentAt");
const QString kWindow = QStringLiteral("LastMatch/window");
const QString kNothing = QStringLiteral("0000");

QString joined(const ScoreKeeper::DigitCells &digits)
{
    QString text;
    for (const std::string &cell : digits)
        text += QString::fromStdString(cell);
    return text;
}

// Four digits, or nothing: a settings file edited by hand must not put
// anything else in the window.
std::optional<ScoreKeeper::DigitCells> digitsOf(const QString &text)
{
    if (text.size() != ScoreKeeper::kCellCount)
        return std::nullopt;
    ScoreKeeper::DigitCells digits;
    for (int i = 0; i < ScoreKeeper::kCellCount; ++i) {
        if (!text[i].isDigit() || text[i].unicode() > '9')
            return std::nullopt;
        digits[std::size_t(i)] = std::string(1, char(text[i].unicode()));
    }
    return digits;
}
} // namespace

MatchMemory::MatchMemory(QSettings &settings, SettingsWriter &writer) : m_settings(settings), m_writer(writer)
{
    m_board = m_settings.value(kBoard).toString();
    m_window = m_settings.value(kWindow).toString();
    LastMatch last{digitsOf(m_board), m_settings.value(kSentAt).toDateTime(), digitsOf(m_window)};
    m_boardAtStart = last.boardShowed;
    if (!last.boardShowed)
        last.sentAt = QDateTime();
    const auto somethingToRestore = [](const std::optional<ScoreKeeper::DigitCells> &digits) {
        return digits && joined(*digits) != kNothing;
    };
    if (somethingToRestore(last.boardShowed) || somethingToRestore(last.windowShowed))
        m_atStart = last;
}

bool MatchMemory::boardSent(const ScoreKeeper::DigitCells &digits, const QDateTime &at)
{
    const QString board = joined(digits);
    if (board == m_board)
        return true; // it has shown these since the time kept
    m_board = board;
    // As text a person can read (and edit) in the file or the registry.
    m_writer.setValue(kSentAt, at.toString(Qt::ISODate));
    return write(kBoard, board);
}

bool MatchMemory::windowChanged(const ScoreKeeper::DigitCells &digits)
{
    const QString window = joined(digits);
    if (window == m_window)
        return true;
    m_window = window;
    return write(kWindow, window);
}

QString MatchMemory::settingsFile() const
{
    return m_settings.fileName();
}

bool MatchMemory::write(const QString &key, const QString &value)
{
    m_writer.setValue(key, value);
    return m_writer.ok();
}
