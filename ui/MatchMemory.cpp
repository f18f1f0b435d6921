#include "ui/MatchMemory.h"

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

MatchMemory::MatchMemory(QSettings &settings) : m_settings(settings)
{
    m_board = m_settings.value(kBoard, kNothing).toString();
    m_window = m_settings.value(kWindow, kNothing).toString();
    const auto board = digitsOf(m_board);
    const auto window = digitsOf(m_window);
    if (board && window && (m_board != kNothing || m_window != kNothing))
        m_atStart = LastMatch{*board, m_settings.value(kSentAt).toDateTime(), *window};
}

bool MatchMemory::boardSent(const ScoreKeeper::DigitCells &digits, const QDateTime &at)
{
    const QString board = joined(digits);
    if (board == m_board)
        return true; // it has shown these since the time kept
    m_board = board;
    m_settings.setValue(kSentAt, at);
    return write(kBoard, board);
}

bool MatchMemory::windowClosing(const ScoreKeeper::DigitCells &digits)
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
    m_settings.setValue(key, value);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
