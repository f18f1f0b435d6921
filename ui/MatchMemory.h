#pragma once

#include "score/ScoreKeeper.h"

#include <QDateTime>
#include <QString>

#include <optional>

class QSettings;

// What the board was last sent and what the window showed when the program
// last ended, kept in the program's settings so that a match survives an
// accidental close. Writes only what changed.
class MatchMemory
{
public:
    struct LastMatch
    {
        ScoreKeeper::DigitCells boardShowed;
        QDateTime sentAt;
        ScoreKeeper::DigitCells windowShowed;
    };

    explicit MatchMemory(QSettings &settings);

    // As the program last ended; empty when it was 00 00 on board and window.
    std::optional<LastMatch> lastMatch() const { return m_atStart; }

    // False when the settings cannot be written.
    bool boardSent(const ScoreKeeper::DigitCells &digits, const QDateTime &at);
    bool windowClosing(const ScoreKeeper::DigitCells &digits);

    QString settingsFile() const;

private:
    bool write(const QString &key, const QString &value);

    QSettings &m_settings;
    std::optional<LastMatch> m_atStart;
    QString m_board;
    QString m_window;
};
