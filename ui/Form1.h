#pragma once

#include "score/ScoreKeeper.h"
#include "serial/LinkResult.h"
#include "serial/PortFinder.h"
#include "serial/SerialLink.h"
#include "ui/ComboPortSelector.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class DeviceWatcher;
class QComboBox;
class QLabel;
class QPushButton;

// The operator's one window. It owns the score keeping (ScoreKeeper), the
// serial link and the port selector, and wires each control event to one
// operation: "+"/"-" step a score and repaint its two digits (nothing is
// sent); "Update scoreboard" sends the four digits to the board over the link
// (about 0.4 s, during which no event is handled); "Reset Score" zeroes and
// sends; the "COM-port" selector reopens the port it names on every change
// of its text (typed, or set by the program) and once on every pick from its
// list, never on leaving it or on Enter.
// Loading probes ports 1 and 2, then lists every other serial device in the
// selector (PortFinder) and, when neither port opened, opens the port last
// sent on; the list follows devices plugged in and out (DeviceWatcher), and
// a port unplugged while in use is opened again when it comes back.
// Destroying the window releases the port.
// Every failure is reported in the status line, never by a dialog; the
// status line also says whether the board shows the window's digits.
// The layout is in twips, made pixels at the screen's dots per inch.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(std::unique_ptr<SerialLink> link,
                   std::unique_ptr<PortFinder> portFinder = std::make_unique<PortFinder>(), QWidget *parent = nullptr);
    ~Form1() override;

    QString statusText() const;

private:
    void createControls();
    void wireEvents();
    void showCell(int cell, const std::string &text);
    void nameScoresForAssistiveTechnology();
    void showWhetherTheBoardIsBehind();
    void showStatus(const QString &text, bool failure);
    void showSendResult(const LinkResult &result);
    LinkResult sendDigits();
    void selectPort();
    std::vector<SerialDevice> listDevices();
    bool openRememberedPort(const std::vector<SerialDevice> &devices);
    void devicesChanged();
    void afterSending(const LinkResult &sent);
    void noteSelection(const LinkResult &result);
    void markUnplugged();

    void Form_Load();
    void Form_Terminate();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Combo1_Change();
    void Combo1_Click();

    ScoreKeeper m_scores;
    std::unique_ptr<SerialLink> m_link;

    std::array<QLabel *, ScoreKeeper::kCellCount> m_digitLabels{};
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command5 = nullptr;
    QPushButton *m_command6 = nullptr;
    QLabel *m_label1 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QLabel *m_statusLine = nullptr;
    std::unique_ptr<ComboPortSelector> m_portSelector;

    // The digits of the last send that reached the board, and the status
    // line that said so; a failed send leaves the board as it was.
    struct SentScore
    {
        ScoreKeeper::DigitCells digits;
        QString status;
    };
    std::optional<SentScore> m_lastSent;

    std::unique_ptr<PortFinder> m_portFinder;
    DeviceWatcher *m_deviceWatcher = nullptr;
    int m_probedEntries = 0;       // the list's entries from the probes at start; device entries follow
    bool m_programSelects = false; // the program, not the operator, is changing the selector
    bool m_operatorChosePort = false;
    LinkResult m_lastSelection;                // what the last selection opened, or why it failed
    std::optional<DeviceNode> m_openNode;      // the device node the open port was opened on
    std::optional<LinkResult> m_unpluggedPort; // the port in use when its device went away
};
