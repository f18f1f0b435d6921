#include "ui/Form1.h"

#include "display/SendSequences.h"
#include "serial/DeviceWatcher.h"
#include "serial/PortDiscovery.h"
#include "serial/PortSelection.h"
#include "ui/DigitFont.h"
#include "ui/FontFitting.h"
#include "ui/ReadableRed.h"
#include "ui/StatusText.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include <algorithm>

namespace {
constexpr TwipsRect kClientArea{0, 0, 6645, 4035};
constexpr TwipsRect kDigitLabels[ScoreKeeper::kCellCount] = {
    {480, 120, 1095, 1815}, {1680, 120, 1095, 1815}, {3840, 120, 1095, 1815}, {5040, 120, 1095, 1815}};
constexpr TwipsRect kCommand1{840, 2160, 615, 495};
constexpr TwipsRect kCommand2{1920, 2160, 615, 495};
constexpr TwipsRect kCommand3{2400, 2760, 1575, 495};
constexpr TwipsRect kCommand4{3840, 2160, 615, 495};
constexpr TwipsRect kCommand5{4920, 2160, 615, 495};
constexpr TwipsRect kCommand6{2400, 3360, 1575, 375};
constexpr TwipsRect kLabel1{4440, 3000, 735, 255};
constexpr TwipsRect kCombo1{4440, 3240, 855, 315};
// The free space left of "Update scoreboard" and "Reset Score".
constexpr TwipsRect kStatusLine{120, 2700, 2160, 1260};

const QColor kDigitRed(255, 0, 0);

// Faces to try when the desktop's font is too wide for the captions. At 9 pt
// only Arial Narrow's metrics (fonts-liberation, which the package
// recommends) fit "COM-port" in its label; the condensed cut of Debian's
// default face comes closest where that is missing.
const char *const kNarrowerFamilies[] = {"Liberation Sans Narrow", "DejaVu Sans Condensed"};

// Pixels at the screen's dots per inch; Qt's high-DPI scaling comes on top.
QRect placed(const QWidget &window, const TwipsRect &twips)
{
    return TwipsToPixels(twips, window.logicalDpiX(), window.logicalDpiY());
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &pixels)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(pixels);
    // Enter presses the focused button, as Space does, as in the window
    // system the layout comes from.
    button->setAutoDefault(true);
    return button;
}

QFont scoreButtonFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(13.5);
    return font;
}

// A PNG drawn for each size, as a 32 px image shrunk to 16 loses its digits.
// QtGui reads PNG itself: no image plugin is loaded at start.
QIcon scoreboardIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/scoreboard-%1.png").arg(size), QSize(size, size));
    return icon;
}

// A caption and the room its control draws it in: a label from the corner of
// its box, a button inside its frame (and a default button's rim).
struct Caption
{
    QString text;
    QSize room;
};

Caption captionOf(const QWidget &control)
{
    if (const auto *button = qobject_cast<const QPushButton *>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        return {button->text(), button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size()};
    }
    const auto *label = qobject_cast<const QLabel *>(&control);
    return {label->text(), label->contentsRect().size()};
}

// The window's own font: the desktop's where every caption fits, else a
// narrower face, else a smaller size (ChooseCaptionFont).
QFont windowFont(const QWidget &window, std::initializer_list<const QWidget *> captioned)
{
    std::vector<Caption> captions;
    for (const QWidget *control : captioned)
        captions.push_back(captionOf(*control));
    const auto overflow = [&](const QFont &font) {
        const QFontMetricsF metrics(font, &window);
        qreal worst = 0;
        for (const Caption &caption : captions)
            worst = std::max({worst, metrics.horizontalAdvance(caption.text) / caption.room.width(),
                              metrics.height() / caption.room.height()});
        return worst;
    };
    QStringList installed;
    for (const char *family : kNarrowerFamilies)
        if (QFontDatabase::hasFamily(QLatin1String(family)))
            installed << QLatin1String(family);
    return ChooseCaptionFont(window.font(), installed, overflow);
}

// The selector's edit field selects its text whenever it takes the focus, so
// that typing replaces the port rather than adding to it, as a combo box does
// in the window system the layout comes from. Qt does so only for the Tab key.
class SelectorLineEdit : public QLineEdit
{
protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        // Coming back from the open list, the pick has set the text itself.
        if (event->reason() == Qt::PopupFocusReason)
            return;
        // A click places the cursor after the focus has arrived.
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    }
};
} // namespace

Form1::Form1(std::unique_ptr<SerialLink> link, std::unique_ptr<PortFinder> portFinder, QWidget *parent)
    : QWidget(parent), m_link(std::move(link)), m_portFinder(std::move(portFinder))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Scoreboard"));
    setWindowIcon(scoreboardIcon());
    setFixedSize(placed(*this, kClientArea).size());
    // A fixed size has nothing to maximize to; no button that does nothing.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    createControls();
    wireEvents();
    Form_Load();
}

Form1::~Form1()
{
    Form_Terminate();
}

QString Form1::statusText() const
{
    return m_statusLine->text();
}

void Form1::createControls()
{
    const QFont digitFont = ChooseDigitFont(placed(*this, kDigitLabels[0]).size(), this);
    for (int cell = 0; cell < ScoreKeeper::kCellCount; ++cell) {
        auto *label = new QLabel(QString::fromStdString(m_scores.DigitCell(cell)), this);
        label->setObjectName(QStringLiteral("Label2_%1").arg(cell));
        label->setGeometry(placed(*this, kDigitLabels[cell]));
        label->setFont(digitFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, kDigitRed);
        label->setPalette(palette);
        label->setAccessibleDescription(cell % 2 == 0 ? QStringLiteral("Tens digit") : QStringLiteral("Units digit"));
        m_digitLabels[std::size_t(cell)] = label;
    }
    nameScoresForAssistiveTechnology();

    m_command1 = makeButton(this, "Command1", QStringLiteral("-"), placed(*this, kCommand1));
    m_command2 = makeButton(this, "Command2", QStringLiteral("+"), placed(*this, kCommand2));
    m_command3 = makeButton(this, "Command3", QStringLiteral("Update scoreboard"), placed(*this, kCommand3));
    m_command4 = makeButton(this, "Command4", QStringLiteral("-"), placed(*this, kCommand4));
    m_command5 = makeButton(this, "Command5", QStringLiteral("+"), placed(*this, kCommand5));
    m_command6 = makeButton(this, "Command6", QStringLiteral("Reset Score"), placed(*this, kCommand6));
    for (QPushButton *scoreButton : {m_command1, m_command2, m_command4, m_command5}) {
        scoreButton->setFont(scoreButtonFont());
        scoreButton->setAccessibleDescription(QStringLiteral("Changes the window only; Update scoreboard sends"));
    }
    // Two "+" and two "-" sound alike to a screen reader.
    m_command1->setAccessibleName(QStringLiteral("Left score: minus"));
    m_command2->setAccessibleName(QStringLiteral("Left score: plus"));
    m_command4->setAccessibleName(QStringLiteral("Right score: minus"));
    m_command5->setAccessibleName(QStringLiteral("Right score: plus"));
    m_command3->setAccessibleDescription(QStringLiteral("Sends the four digits to the board"));
    m_command6->setAccessibleDescription(QStringLiteral("Sets both scores to 0 and sends them to the board"));

    m_label1 = new QLabel(QStringLiteral("COM-port"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(placed(*this, kLabel1));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(placed(*this, kCombo1));
    m_combo1->setLineEdit(new SelectorLineEdit);
    // QComboBox takes leaving the field, or Enter, with the text of a list
    // entry as a choice of that entry and reports it as activated; here only
    // a pick from the list is, so that those do not reopen the port.
    disconnect(m_combo1->lineEdit(), &QLineEdit::editingFinished, m_combo1, nullptr);
    // Typed text names a port; it is not a new list entry, and completing it
    // from the list would open ports the operator never typed.
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->setCompleter(nullptr);
    m_combo1->setEditText(QStringLiteral("Combo1"));
    m_portSelector = std::make_unique<ComboPortSelector>(*m_combo1, [this] { Combo1_Change(); });
    m_combo1->setAccessibleDescription(QStringLiteral("Serial port number of the scoreboard"));
    m_label1->setBuddy(m_combo1);

    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("StatusLine"));
    m_statusLine->setGeometry(placed(*this, kStatusLine));
    // Its name is its text, so every change reaches assistive technology.
    m_statusLine->setAccessibleDescription(QStringLiteral("Status"));
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusLine->setWordWrap(true);

    setTabOrder(m_combo1, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);
    setTabOrder(m_command3, m_command4);
    setTabOrder(m_command4, m_command5);
    setTabOrder(m_command5, m_command6);
    m_combo1->setFocus();

    setFont(windowFont(*this, {m_command3, m_command6, m_label1}));
}

void Form1::wireEvents()
{
    m_scores.setCellChangedHandler([this](int cell, const std::string &text) { showCell(cell, text); });
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    // Typing; the program's own changes come through the port selector, and
    // a pick sets the text without either, so that it reopens the port once.
    connect(m_combo1->lineEdit(), &QLineEdit::textEdited, this, &Form1::Combo1_Change);
    connect(m_combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    m_deviceWatcher = new DeviceWatcher(QStringLiteral("/dev"), this);
    connect(m_deviceWatcher, &DeviceWatcher::devicesChanged, this, &Form1::devicesChanged);
}

void Form1::showCell(int cell, const std::string &text)
{
    QLabel *label = m_digitLabels[std::size_t(cell)];
    label->setText(QString::fromStdString(text));
    nameScoresForAssistiveTechnology();
    // Paint now: a reset goes straight on into a blocking update, and the
    // operator must see the zeros before it starts.
    label->repaint();
}

void Form1::nameScoresForAssistiveTechnology()
{
    const ScoreKeeper::DigitCells &cells = m_scores.digitCells();
    const QString left = QStringLiteral("Left score %1%2").arg(QString::fromStdString(cells[0]), cells[1].c_str());
    const QString right = QStringLiteral("Right score %1%2").arg(QString::fromStdString(cells[2]), cells[3].c_str());
    for (int cell = 0; cell < ScoreKeeper::kCellCount; ++cell)
        m_digitLabels[std::size_t(cell)]->setAccessibleName(cell < 2 ? left : right);
}

void Form1::showStatus(const QString &text, bool failure)
{
    if (failure) {
        // A red that reads on the theme's background, light or dark.
        QPalette palette = m_statusLine->palette();
        palette.setColor(QPalette::WindowText, ReadableRed(palette.color(QPalette::Window)));
        m_statusLine->setPalette(palette);
    } else {
        m_statusLine->setPalette(QPalette()); // the theme's own, following it
    }
    m_statusLine->setText(text);
    m_statusLine->repaint();
}

void Form1::showSendResult(const LinkResult &result)
{
    if (result.ok()) {
        m_lastSent = SentScore{m_scores.digitCells(), StatusText::boardShows(m_scores.digitCells(), result)};
        showStatus(m_lastSent->status, false);
    } else {
        // A failed send leaves the board as it was.
        showStatus(StatusText::notSent(result), true);
    }
}

void Form1::showWhetherTheBoardIsBehind()
{
    if (m_lastSent && m_lastSent->digits == m_scores.digitCells())
        showStatus(m_lastSent->status, false);
    else
        showStatus(StatusText::notOnTheBoardYet(), false);
}

void Form1::Form_Load()
{
    m_programSelects = true;
    const DiscoveryReport report = DiscoverPorts(m_scores, *m_link, *m_portSelector);
    m_programSelects = false;
    m_probedEntries = m_combo1->count();
    const std::vector<SerialDevice> devices = listDevices();

    if (report.noPortFound) {
        if (!openRememberedPort(devices))
            showStatus(StatusText::noPortFound(report.failedProbes, devices), true);
    } else if (report.startupCommand && report.startupCommand->ok())
        showStatus(StatusText::startupCommandSent(*report.startupCommand), false);
    else if (report.startupCommand)
        showSendResult(*report.startupCommand);
}

void Form1::Form_Terminate()
{
    ClosePort(*m_link);
}

void Form1::Command1_Click()
{
    m_scores.StepScore(Side::Left, Direction::Down);
    showWhetherTheBoardIsBehind();
}

void Form1::Command2_Click()
{
    m_scores.StepScore(Side::Left, Direction::Up);
    showWhetherTheBoardIsBehind();
}

void Form1::Command4_Click()
{
    m_scores.StepScore(Side::Right, Direction::Down);
    showWhetherTheBoardIsBehind();
}

void Form1::Command5_Click()
{
    m_scores.StepScore(Side::Right, Direction::Up);
    showWhetherTheBoardIsBehind();
}

void Form1::Command3_Click()
{
    afterSending(sendDigits());
}

void Form1::Command6_Click()
{
    afterSending(m_scores.ResetScores([this] { return sendDigits(); }));
}

LinkResult Form1::sendDigits()
{
    // The update blocks the window for 0.4 s: say so before it starts.
    if (m_link->isOpen())
        showStatus(StatusText::sending(m_link->portNumber()), false);
    return UpdateScoreboard(m_scores.digitCells(), *m_link);
}

void Form1::Combo1_Change()
{
    selectPort();
}

void Form1::Combo1_Click()
{
    selectPort();
}

void Form1::selectPort()
{
    const LinkResult result = SelectPort(*m_link, m_combo1->currentText().toStdString());
    m_operatorChosePort = !m_programSelects;
    noteSelection(result);
    if (result.ok())
        showStatus(StatusText::portOpened(result), false);
    else
        showStatus(StatusText::selectionFailed(result), true);
}

std::vector<SerialDevice> Form1::listDevices()
{
    std::vector<SerialDevice> devices = m_portFinder->devices();
    // The ports the probes listed keep their plain entries.
    const auto listedByTheProbes = [this](const SerialDevice &device) {
        for (int i = 0; i < m_probedEntries; ++i)
            if (m_combo1->itemText(i).toInt() == device.portNumber)
                return true;
        return false;
    };
    devices.erase(std::remove_if(devices.begin(), devices.end(), listedByTheProbes), devices.end());

    // Redrawing the list must not touch the text: that would reopen the port.
    const QSignalBlocker quiet(m_combo1);
    const QString text = m_combo1->currentText();
    while (m_combo1->count() > m_probedEntries)
        m_combo1->removeItem(m_combo1->count() - 1);
    for (const SerialDevice &device : devices)
        m_combo1->addItem(QString::fromStdString(DeviceEntryText(device)));
    m_combo1->setEditText(text);
    return devices;
}

bool Form1::openRememberedPort(const std::vector<SerialDevice> &devices)
{
    const std::optional<SerialDevice> remembered = m_portFinder->rememberedDevice(devices);
    if (!remembered)
        return false;
    // Through the selector, as a pick would, so that the text names the port
    // that is open; nothing is sent to it.
    m_programSelects = true;
    m_portSelector->SetText(DeviceEntryText(*remembered));
    m_programSelects = false;
    if (m_lastSelection.ok())
        showStatus(StatusText::rememberedPortOpened(m_lastSelection), false);
    return true;
}

void Form1::afterSending(const LinkResult &sent)
{
    showSendResult(sent);
    // Only a port that took the score is worth finding again, and only one
    // the operator chose: ports 1 and 2 are found at every start anyway, and
    // a port passed on the way while typing ("3" of "33") was never sent to.
    if (sent.ok() && m_operatorChosePort)
        m_portFinder->remember(sent.portNumber, sent.devicePath);
    // An adapter pulled out fails the write; it is opened again when its
    // device comes back.
    if (sent.error == LinkError::WriteFailed)
        markUnplugged();
}

void Form1::devicesChanged()
{
    const int entriesBefore = m_combo1->count();
    const std::vector<SerialDevice> devices = listDevices();

    // The port in use has gone, or another device now stands at its path:
    // the open port writes nowhere, so let it go and wait for the device.
    if (m_link->isOpen() && m_openNode && !(DeviceNodeAt(m_lastSelection.devicePath) == m_openNode)) {
        m_link->close();
        markUnplugged();
        showStatus(StatusText::portUnplugged(*m_unpluggedPort), true);
    }

    if (m_unpluggedPort && DeviceNodeAt(m_unpluggedPort->devicePath)) {
        const LinkResult reopened = SelectPort(*m_link, m_combo1->currentText().toStdString());
        if (reopened.ok()) {
            noteSelection(reopened);
            showStatus(StatusText::portBack(reopened), false);
        }
    }

    // With no port open, an adapter just plugged in is what the operator
    // is waiting for.
    if (!m_link->isOpen() && !m_unpluggedPort && m_combo1->count() > entriesBefore)
        showStatus(StatusText::devicesFound(devices), true);
}

void Form1::noteSelection(const LinkResult &result)
{
    m_lastSelection = result;
    m_openNode = result.ok() ? DeviceNodeAt(result.devicePath) : std::nullopt;
    m_unpluggedPort.reset();
}

void Form1::markUnplugged()
{
    m_unpluggedPort = m_lastSelection;
    m_openNode.reset();
}
