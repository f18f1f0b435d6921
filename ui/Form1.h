#pragma once

#include "score/ScoreKeeper.h"
#include "serial/LinkResult.h"
#include "serial/PortSession.h"

#include <QWidget>

#include <array>
#include <optional>

class Announcer;
class MatchMemory;
class PortComboBox;
class QLabel;
class QPushButton;
class QShortcut;

// The operator's one window. It owns the score keeping (ScoreKeeper) and
// shows the port session (PortSession), which owns the serial link and
// decides which device is open. Each control event runs one operation:
// "+"/"-" step a score and repaint its two digits (nothing is sent); "Update
// scoreboard" sends the four digits through the session (about 0.4 s, during
// which no event is handled); "Reset Score" zeroes and sends; an edit of the
// "COM-port" selector, or a pick from its list, goes to the session, which
// reopens the port it names.
// The window puts what happens into words in its status line (StatusText),
// says them to screen readers (Announcer) and never opens a dialog. It keeps
// the last match (MatchMemory) and offers it back at the next start.
// The layout is in twips, made pixels at the screen's dots per inch.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    Form1(PortSession &session, MatchMemory &match, QWidget *parent = nullptr);
    ~Form1() override;

    // What the status line says, as plain text.
    QString statusText() const;

private:
    void createControls();
    void wireEvents();
    void showCell(int cell, const std::string &text);
    void nameScoresForAssistiveTechnology();
    void showWhetherTheBoardIsBehind();
    void showStatus(const QString &text);
    void showPortEvent(const PortEvent &event);
    void showSendResult(const LinkResult &result);
    void fitStatusLine();
    LinkResult sendDigits();
    void afterSending(const LinkResult &sent);
    void offerLastMatch();
    void restoreLastMatch();
    void withdrawLastMatch();
    void operatorActed();

    void Form_Load();
    void Form_Terminate();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Combo1_Change(const QString &typed);
    void Combo1_Click(const QString &entry);

    PortSession &m_session;
    MatchMemory &m_match;
    ScoreKeeper m_scores;

    std::array<QLabel *, ScoreKeeper::kCellCount> m_digitLabels{};
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command5 = nullptr;
    QPushButton *m_command6 = nullptr;
    QLabel *m_label1 = nullptr;
    PortComboBox *m_combo1 = nullptr;
    QLabel *m_statusLine = nullptr;
    QShortcut *m_restoreShortcut = nullptr;
    Announcer *m_announcer = nullptr;

    QString m_status;                // the status line's text, without the offer
    bool m_failure = false;          // it tells of something that went wrong
    bool m_memoryTroubleDue = false; // the settings cannot be written: said once, with a send's outcome
    bool m_memoryTroubleSaid = false;
    bool m_offering = false; // the last match is offered
    bool m_loading = false;

    // The digits of the last send that reached the board, and the status
    // line that said so; a failed send leaves the board as it was.
    struct SentScore
    {
        ScoreKeeper::DigitCells digits;
        QString status;
    };
    std::optional<SentScore> m_lastSent;
};
