#include "ui/Form1.h"

#include "display/SendSequences.h"
#include "serial/DeviceWatcher.h"
#include "serial/PortDiscovery.h"
#include "serial/PortSelection.h"
#include "ui/DigitFont.h"
#include "ui/FontFitting.h"
#include "ui/StatusText.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace {
// A C array, read without any image plugin.
#include "ui/scoreboard.xpm"

// The layout was drawn in twips; at 15 twips to a logical pixel the window
// keeps its proportions, and Qt scales logical pixels on dense screens.
constexpr int kTwipsPerPixel = 15;

struct Place
{
    int left, top, width, height; // twips
    QRect pixels() const
    {
        return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
    }
};

constexpr QSize kClientArea(6645 / kTwipsPerPixel, 4035 / kTwipsPerPixel);
constexpr Place kDigitLabels[ScoreKeeper::kCellCount] = {
    {480, 120, 1095, 1815}, {1680, 120, 1095, 1815}, {3840, 120, 1095, 1815}, {5040, 120, 1095, 1815}};
constexpr Place kCommand1{840, 2160, 615, 495};
constexpr Place kCommand2{1920, 2160, 615, 495};
constexpr Place kCommand3{2400, 2760, 1575, 495};
constexpr Place kCommand4{3840, 2160, 615, 495};
constexpr Place kCommand5{4920, 2160, 615, 495};
constexpr Place kCommand6{2400, 3360, 1575, 375};
constexpr Place kLabel1{4440, 3000, 735, 255};
constexpr Place kCombo1{4440, 3240, 855, 315};
// The free space left of "Update scoreboard" and "Reset Score".
constexpr Place kStatusLine{120, 2700, 2160, 1260};

const QColor kDigitRed(255, 0, 0);
const QColor kFailureRed(170, 0, 0);

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const Place &place)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place.pixels());
    return button;
}

QFont scoreButtonFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(13.5);
    return font;
}

// The window's own font: the toolkit's, made smaller only as far as the
// captions need to fit the small controls of the layout.
QFont windowFont(const QWidget &window, const std::initializer_list<std::pair<QString, Place>> &captions)
{
    const int buttonPadding = 2 * (window.style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                   window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    const auto overflow = [&](const QFont &font) {
        const QFontMetricsF metrics(font);
        qreal worst = 0;
        for (const auto &[caption, place] : captions) {
            const QRect box = place.pixels();
            worst = std::max({worst, (metrics.horizontalAdvance(caption) + buttonPadding) / box.width(),
                              metrics.height() / box.height()});
        }
        return worst;
    };
    return LargestFittingFont(window.font(), window.font().pointSizeF(), overflow);
}
} // namespace

Form1::Form1(std::unique_ptr<SerialLink> link, std::unique_ptr<PortFinder> portFinder, QWidget *parent)
    : QWidget(parent), m_link(std::move(link)), m_portFinder(std::move(portFinder))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Scoreboard"));
    setWindowIcon(QIcon(QPixmap(scoreboard_xpm)));
    setFixedSize(kClientArea);

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
    setFont(windowFont(*this, {{QStringLiteral("Update scoreboard"), kCommand3},
                               {QStringLiteral("Reset Score"), kCommand6},
                               {QStringLiteral("COM-port"), kLabel1}}));

    const QFont digitFont = ChooseDigitFont(kDigitLabels[0].pixels().size(), this);
    for (int cell = 0; cell < ScoreKeeper::kCellCount; ++cell) {
        auto *label = new QLabel(QString::fromStdString(m_scores.DigitCell(cell)), this);
        label->setObjectName(QStringLiteral("Label2_%1").arg(cell));
        label->setGeometry(kDigitLabels[cell].pixels());
        label->setFont(digitFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, kDigitRed);
        label->setPalette(palette);
        m_digitLabels[std::size_t(cell)] = label;
    }

    m_command1 = makeButton(this, "Command1", QStringLiteral("-"), kCommand1);
    m_command2 = makeButton(this, "Command2", QStringLiteral("+"), kCommand2);
    m_command3 = makeButton(this, "Command3", QStringLiteral("Update scoreboard"), kCommand3);
    m_command4 = makeButton(this, "Command4", QStringLiteral("-"), kCommand4);
    m_command5 = makeButton(this, "Command5", QStringLiteral("+"), kCommand5);
    m_command6 = makeButton(this, "Command6", QStringLiteral("Reset Score"), kCommand6);
    for (QPushButton *scoreButton : {m_command1, m_command2, m_command4, m_command5})
        scoreButton->setFont(scoreButtonFont());

    m_label1 = new QLabel(QStringLiteral("COM-port"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(kLabel1.pixels());
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(kCombo1.pixels());
    m_combo1->setEditable(true);
    // Typed text names a port; it is not a new list entry, and completing it
    // from the list would open ports the operator never typed.
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->setCompleter(nullptr);
    m_combo1->setEditText(QStringLiteral("Combo1"));
    m_portSelector = std::make_unique<ComboPortSelector>(*m_combo1);

    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("StatusLine"));
    m_statusLine->setGeometry(kStatusLine.pixels());
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusLine->setWordWrap(true);

    setTabOrder(m_combo1, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);
    setTabOrder(m_command3, m_command4);
    setTabOrder(m_command4, m_command5);
    setTabOrder(m_command5, m_command6);
    m_combo1->setFocus();
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
    connect(m_combo1, &QComboBox::editTextChanged, this, &Form1::Combo1_Change);
    connect(m_combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    m_deviceWatcher = new DeviceWatcher(QStringLiteral("/dev"), this);
    connect(m_deviceWatcher, &DeviceWatcher::devicesChanged, this, &Form1::devicesChanged);
}

void Form1::showCell(int cell, const std::string &text)
{
    QLabel *label = m_digitLabels[std::size_t(cell)];
    label->setText(QString::fromStdString(text));
    // Paint now: a reset goes straight on into a blocking update, and the
    // operator must see the zeros before it starts.
    label->repaint();
}

void Form1::showStatus(const QString &text, bool failure)
{
    QPalette palette = m_statusLine->palette();
    palette.setColor(QPalette::WindowText, failure ? kFailureRed : this->palette().color(QPalette::WindowText));
    m_statusLine->setPalette(palette);
    m_statusLine->setText(text);
    m_statusLine->repaint();
}

void Form1::showSendResult(const LinkResult &result)
{
    if (result.ok())
        showStatus(StatusText::sent(result), false);
    else
        showStatus(StatusText::notSent(result), true);
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
}

void Form1::Command2_Click()
{
    m_scores.StepScore(Side::Left, Direction::Up);
}

void Form1::Command4_Click()
{
    m_scores.StepScore(Side::Right, Direction::Down);
}

void Form1::Command5_Click()
{
    m_scores.StepScore(Side::Right, Direction::Up);
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
    m_lastSelection = result;
    m_openNode = result.ok() ? DeviceNodeAt(result.devicePath) : std::nullopt;
    m_unpluggedPort.reset();
    if (result.ok())
        showStatus(StatusText::portOpened(result), false);
    else
        showStatus(StatusText::selectionFailed(result), true);
}

std::vector<SerialDevice> Form1::listDevices()
{
    std::vector<SerialDevice> devices = m_portFinder->devices();
    // The ports the probes listed keep their plain entries.
    std::vector<int> probed;
    for (int i = 0; i < m_probedEntries; ++i)
        probed.push_back(m_combo1->itemText(i).toInt());
    devices.erase(std::remove_if(devices.begin(), devices.end(),
                                 [&](const SerialDevice &device) {
                                     return std::find(probed.begin(), probed.end(), device.portNumber) != probed.end();
                                 }),
                  devices.end());

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
    if (sent.error == LinkError::WriteFailed) {
        m_unpluggedPort = m_lastSelection;
        m_openNode.reset();
    }
}

void Form1::devicesChanged()
{
    const std::vector<SerialDevice> devices = listDevices();

    // The port in use has gone, or another device now stands at its path:
    // the open port writes nowhere, so let it go and wait for the device.
    if (m_link->isOpen() && m_openNode && !(DeviceNodeAt(m_lastSelection.devicePath) == m_openNode)) {
        m_link->close();
        m_unpluggedPort = m_lastSelection;
        m_openNode.reset();
        showStatus(StatusText::portUnplugged(*m_unpluggedPort), true);
    }

    if (m_unpluggedPort && DeviceNodeAt(m_unpluggedPort->devicePath)) {
        const LinkResult reopened = SelectPort(*m_link, m_combo1->currentText().toStdString());
        if (reopened.ok()) {
            m_lastSelection = reopened;
            m_openNode = DeviceNodeAt(reopened.devicePath);
            m_unpluggedPort.reset();
            showStatus(StatusText::portBack(reopened), false);
        }
    }
}
