#pragma once

#include "score/ScoreKeeper.h"

#include <QDateTime>
#include <QString>

#include <optional>

class QSettings;
class SettingsWriter;

// The match kept in the program's settings as it goes, so that it survives
// any end of the program (a close, a crash, a force-quit, a power cut): what
// the board was last sent, and when, and the window's scores after each
// change. A value never written is unknown.
class MatchMemory
{
public:
    struct LastMatch
    {
        std::optional<ScoreKeeper::DigitCells> boardShowed;
        QDateTime sentAt; // invalid when unknown
        std::optional<ScoreKeeper::DigitCells> windowShowed;
    };

    // Reads `settings` now; writes through `writer`.
    MatchMemory(QSettings &settings, SettingsWriter &writer);

    // As it was when the program started; empty when nothing but 00 00 (or
    // nothing at all) is known.
    const std::optional<LastMatch> &lastMatch() const { return m_atStart; }
    // What the board was last sent, as kept when the program started (00 00
    // included); empty when unknown.
    const std::optional<ScoreKeeper::DigitCells> &boardAtStart() const { return m_boardAtStart; }

    // Each writes only what changed, at once and without waiting for the
    // disk. False when the settings cannot be written, as far as is known:
    // a write before this one failed.
    bool boardSent(const ScoreKeeper::DigitCells &digits, const QDateTime &at);
    bool windowChanged(const ScoreKeeper::DigitCells &digits);

    QString settingsFile() const;

private:
    bool write(const QString &key, const QString &value);

    QSettings &m_settings;
    SettingsWriter &m_writer;
    std::optional<LastMatch> m_atStart;
    std::optional<ScoreKeeper::DigitCells> m_boardAtStart;
    QString m_board;
    QString m_window;
};
