#pragma once

#include "score/ScoreKeeper.h"
#include "ui/KeyMap.h"

#include <QWidget>

#include <array>

class Announcer;
class Match;
class PortComboBox;
class QAbstractButton;
class QLabel;
class QPushButton;
class QShortcut;
class RestoreLink;

// The operator's one window. It shows the match (Match) and forwards its
// controls to it; the match keeps the scores, sends through the port session
// and words the status. A click flows: button -> handler (Command2_Click) ->
// the match's operation (step, update, reset) -> the session's link -> the
// port; the match's signals bring the digits and the status back here. The
// "COM-port" selector goes to the port session, which reopens the port it
// names. The status line says what happened, and an Announcer tells screen
// readers; the only dialogs are the list of keys (its key) and the question
// before a reset by key.
// The layout is in twips, made pixels at the screen's dots per inch.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Match &match, KeyMap keys = KeyMap(), QWidget *parent = nullptr);
    ~Form1() override;

    // What the status line says, as plain text.
    QString statusText() const;
    // The captions with a mnemonic, as the operator's language has them.
    QStringList mnemonicCaptions() const;

signals:
    // The operator asked for the remote control (the window's context menu,
    // or its shortcut); the window offers the way in, the program owns it.
    void remoteControlAsked();

private:
    void createControls();
    void wireEvents();
    void showCell(int cell);
    void nameScoresForAssistiveTechnology();
    void showStatus();
    void fitStatusLine(const QSize &box);
    void wireKeys();
    void pressByKey(QAbstractButton *button);
    void askBeforeReset();
    void showKeys();
    bool eventFilter(QObject *watched, QEvent *event) override;

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

    Match &m_match;
    const KeyMap m_keys;

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
    RestoreLink *m_restoreLink = nullptr;
    QShortcut *m_restoreShortcut = nullptr;
    Announcer *m_announcer = nullptr;
};
