#include "remote/RemoteWindow.h"

#include "remote/QrCodeImage.h"
#include "remote/RemoteControl.h"
#include "remote/RemoteServer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
// Large enough for a phone held at arm's length from a laptop's screen.
constexpr int kQrModulePixels = 4;

QLineEdit *addressField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setAccessibleName(name);
    // Room for a whole address: "http://192.168.100.200:8321/overlay?code=..."
    field->setMinimumWidth(
        field->fontMetrics().horizontalAdvance(QStringLiteral("http://192.168.100.200:65535/overlay?code=") +
                                               QString(RemoteSettings::kCodeLength, QLatin1Char('m'))));
    return field;
}

// `name`: what a screen reader says of it, "Copy the ... address".
QPushButton *copyButton(QWidget *parent, QLineEdit *field, const QString &name)
{
    auto *button = new QPushButton(RemoteWindow::tr("Copy"), parent);
    button->setAccessibleName(name);
    QObject::connect(button, &QPushButton::clicked, field,
                     [field] { QGuiApplication::clipboard()->setText(field->text()); });
    return button;
}

QString deviceText(const RemoteServer::Device &device)
{
    //: In the list of devices connected now; %1 is this computer's own address, 127.0.0.1
    const QString who = device.address == QLatin1String("127.0.0.1")
                            ? RemoteWindow::tr("%1 (this computer)").arg(device.address)
                            : device.address;
    //: %1 is the device's address, such as 192.168.1.20
    if (device.keptOut)
        return RemoteWindow::tr("%1 - disconnected, kept out").arg(who);
    // Said before its other links: the page that shows nothing is the news.
    // The page refused, as the operator knows it.
    if (device.refusedView == QLatin1String("board"))
        //: %1 is the device's address; the hall screen is the view-only page for a screen in the hall
        return RemoteWindow::tr("%1 - hall screen refused: its code is old - give it the new address").arg(who);
    if (device.refusedView == QLatin1String("remote"))
        //: %1 is the device's address; the remote control is the page that changes the score
        return RemoteWindow::tr("%1 - remote control refused: its code is old - give it the new address").arg(who);
    if (!device.refusedView.isEmpty())
        //: %1 is the device's address; the overlay is the view-only page for OBS
        return RemoteWindow::tr("%1 - overlay refused: its code is old - give it the new address").arg(who);
    if (!device.coded)
        //: %1 is the device's address; it has shown no code
        return RemoteWindow::tr("%1 - no code, %n connection(s)", "", device.links).arg(who);
    if (device.controls)
        //: %1 is the device's address; it has the code that changes the score
        return RemoteWindow::tr("%1 - control code, %n connection(s)", "", device.links).arg(who);
    //: %1 is the device's address; it has the code that only shows the score
    return RemoteWindow::tr("%1 - view only, %n connection(s)", "", device.links).arg(who);
}
} // namespace

RemoteWindow::RemoteWindow(RemoteControl &control, QWidget *beside) : QWidget(beside, Qt::Window), m_control(control)
{
    setObjectName(QStringLiteral("RemoteWindow"));
    setWindowTitle(tr("Remote control"));
    // Closing the program's window ends the program, whether this one is
    // open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    createControls();
    connect(&m_control, &RemoteControl::changed, this, &RemoteWindow::showChoices);
    connect(&m_control, &RemoteControl::devicesChanged, this, &RemoteWindow::showDevices);
    showChoices();
    showDevices();
}

void RemoteWindow::createControls()
{
    auto *layout = new QVBoxLayout(this);

    m_on = new QCheckBox(tr("&Serve the remote control and the overlay"), this);
    m_on->setObjectName(QStringLiteral("On"));
    layout->addWidget(m_on);
    connect(m_on, &QCheckBox::toggled, &m_control, &RemoteControl::setOn);

    auto *form = new QFormLayout;
    auto *reach = new QHBoxLayout;
    m_thisComputer = new QRadioButton(tr("&This computer only"), this);
    m_thisComputer->setObjectName(QStringLiteral("ThisComputer"));
    m_localNetwork = new QRadioButton(tr("The &local network"), this);
    m_localNetwork->setObjectName(QStringLiteral("LocalNetwork"));
    m_localNetwork->setToolTip(tr("Phones and other computers on this network can open the pages"));
    auto *group = new QButtonGroup(this);
    group->addButton(m_thisComputer);
    group->addButton(m_localNetwork);
    reach->addWidget(m_thisComputer);
    reach->addWidget(m_localNetwork);
    reach->addStretch();
    auto *reachLabel = new QLabel(tr("Who may connect:"), this);
    form->addRow(reachLabel, reach);
    // Another reach offers other addresses: the first of them is taken.
    connect(m_thisComputer, &QRadioButton::clicked, &m_control, [this] {
        m_chosenHost.clear();
        m_control.setReach(RemoteSettings::Reach::ThisComputer);
    });
    connect(m_localNetwork, &QRadioButton::clicked, &m_control, [this] {
        m_chosenHost.clear();
        m_control.setReach(RemoteSettings::Reach::LocalNetwork);
    });

    m_port = new QLineEdit(this);
    m_port->setObjectName(QStringLiteral("Port"));
    m_port->setMaximumWidth(m_port->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    m_port->setToolTip(tr("Enter, or leaving the field, applies a new port"));
    auto *portLabel = new QLabel(tr("&Port:"), this);
    portLabel->setBuddy(m_port);
    form->addRow(portLabel, m_port);
    connect(m_port, &QLineEdit::editingFinished, this, &RemoteWindow::applyPort);
    layout->addLayout(form);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);

    m_addresses = new QWidget(this);
    auto *addresses = new QVBoxLayout(m_addresses);
    addresses->setContentsMargins(0, 0, 0, 0);
    auto *hostRow = new QHBoxLayout;
    m_host = new QComboBox(m_addresses);
    m_host->setObjectName(QStringLiteral("Host"));
    // Its width follows the addresses offered now, and holds any IPv4
    // address whole: "192.168.100.200".
    m_host->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_host->setMinimumContentsLength(int(qstrlen("192.168.100.200")));
    auto *hostLabel = new QLabel(tr("&Address of this computer:"), m_addresses);
    hostLabel->setBuddy(m_host);
    hostRow->addWidget(hostLabel);
    hostRow->addWidget(m_host);
    hostRow->addStretch();
    addresses->addLayout(hostRow);
    connect(m_host, &QComboBox::currentTextChanged, this, &RemoteWindow::showAddresses);
    connect(m_host, &QComboBox::activated, this, [this] { m_chosenHost = m_host->currentText(); });

    auto *codes = new QHBoxLayout;
    auto *controlBox = new QGroupBox(tr("Control: changes the score"), m_addresses);
    auto *controlLayout = new QVBoxLayout(controlBox);
    m_controlQr = new QLabel(controlBox);
    m_controlQr->setAccessibleName(tr("QR code of the control address"));
    m_controlQr->setToolTip(tr("A phone's camera opens the remote control from this"));
    controlLayout->addWidget(m_controlQr, 0, Qt::AlignHCenter);
    m_controlAddress = addressField(controlBox, tr("Control address"));
    m_controlAddress->setObjectName(QStringLiteral("ControlAddress"));
    controlLayout->addWidget(m_controlAddress);
    auto *controlButtons = new QHBoxLayout;
    controlButtons->addWidget(copyButton(controlBox, m_controlAddress, tr("Copy the control address")));
    auto *newControlCode = new QPushButton(tr("&New code"), controlBox);
    newControlCode->setObjectName(QStringLiteral("NewControlCode"));
    newControlCode->setAccessibleName(tr("New control code"));
    newControlCode->setToolTip(tr("Devices with the old code can no longer change the score"));
    connect(newControlCode, &QPushButton::clicked, &m_control, &RemoteControl::newControlCode);
    controlButtons->addWidget(newControlCode);
    controlButtons->addStretch();
    controlLayout->addLayout(controlButtons);
    codes->addWidget(controlBox);

    auto *viewBox = new QGroupBox(tr("View only: OBS overlay, screen in the hall"), m_addresses);
    auto *viewLayout = new QVBoxLayout(viewBox);
    m_viewQr = new QLabel(viewBox);
    m_viewQr->setAccessibleName(tr("QR code of the hall screen address"));
    m_viewQr->setToolTip(tr("A tablet or a smart TV's browser opens the hall screen from this"));
    viewLayout->addWidget(m_viewQr, 0, Qt::AlignHCenter);
    m_overlayAddress = addressField(viewBox, tr("Overlay address, for OBS"));
    m_overlayAddress->setObjectName(QStringLiteral("OverlayAddress"));
    m_boardAddress = addressField(viewBox, tr("Hall screen address"));
    m_boardAddress->setObjectName(QStringLiteral("BoardAddress"));
    viewLayout->addWidget(m_overlayAddress);
    viewLayout->addWidget(m_boardAddress);
    auto *viewButtons = new QHBoxLayout;
    viewButtons->addWidget(copyButton(viewBox, m_overlayAddress, tr("Copy the overlay address")));
    auto *newViewCode = new QPushButton(tr("N&ew code"), viewBox);
    newViewCode->setObjectName(QStringLiteral("NewViewCode"));
    newViewCode->setAccessibleName(tr("New view code"));
    newViewCode->setToolTip(tr("Overlays and screens with the old code stop showing the score"));
    connect(newViewCode, &QPushButton::clicked, &m_control, &RemoteControl::newViewCode);
    viewButtons->addWidget(newViewCode);
    viewButtons->addStretch();
    viewLayout->addLayout(viewButtons);
    codes->addWidget(viewBox);
    addresses->addLayout(codes);
    //: "The local network" is the choice of that name under "Who may connect:"
    m_qrNote = new QLabel(tr("A phone needs \"The local network\"."), m_addresses);
    addresses->addWidget(m_qrNote);
    layout->addWidget(m_addresses);

    auto *devicesBox = new QGroupBox(tr("Connected now"), this);
    m_devices = new QGridLayout(devicesBox);
    m_devices->setColumnStretch(0, 1);
    layout->addWidget(devicesBox);
    layout->addStretch();
}

void RemoteWindow::showChoices()
{
    const RemoteSettings &settings = m_control.settings();
    const QSignalBlocker quiet(m_on);
    m_on->setChecked(settings.on());
    const bool network = settings.reach() == RemoteSettings::Reach::LocalNetwork;
    m_thisComputer->setChecked(!network);
    m_localNetwork->setChecked(network);
    if (!m_port->hasFocus() || m_portProblem.isEmpty())
        m_port->setText(QString::number(settings.port()));

    QStringList said;
    if (!m_portProblem.isEmpty())
        said << m_portProblem;
    if (!m_control.problem().isEmpty())
        said << m_control.problem();
    if (!settings.on())
        said << tr("Off: nothing is served.");
    else if (m_control.serving() && network)
        //: %1 is the port number
        said << tr("Serving at port %1 to this computer and the local network.").arg(QString::number(settings.port()));
    else if (m_control.serving())
        //: %1 is the port number
        said << tr("Serving at port %1 to this computer only.").arg(QString::number(settings.port()));
    else
        said << tr("Not serving.");
    QString status = said.join(QLatin1Char(' '));
    // On a line of its own: the addresses handed out now stop working at
    // the next start.
    const QString settingsProblem = m_control.settingsProblem();
    if (!settingsProblem.isEmpty())
        status += QLatin1Char('\n') + settingsProblem;
    const bool trouble = !m_portProblem.isEmpty() || !m_control.problem().isEmpty() || !settingsProblem.isEmpty();
    m_status->setText(status);
    m_status->setAccessibleName(status);
    QPalette palette;
    if (trouble)
        palette.setColor(QPalette::WindowText, QColor(0xc0, 0x00, 0x00));
    m_status->setPalette(palette);

    showHosts();
    showAddresses();
}

void RemoteWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showHosts();
    showAddresses();
}

void RemoteWindow::showHosts()
{
    const QSignalBlocker quiet(m_host);
    m_host->clear();
    m_host->addItems(m_control.hostsToOpen());
    // Unless the operator chose another, the first: a network's address
    // where there is one, whose QR code a phone can open.
    m_host->setCurrentIndex(std::max(0, m_host->findText(m_chosenHost)));
}

void RemoteWindow::showAddresses()
{
    const QString host = m_host->currentText();
    const QString control = m_control.controlAddress(host);
    m_controlAddress->setText(control);
    m_overlayAddress->setText(m_control.overlayAddress(host));
    m_boardAddress->setText(m_control.boardAddress(host));
    // A phone cannot open this computer's own loopback address.
    const bool forPhones = m_control.serving() && host != QLatin1String("127.0.0.1");
    m_controlQr->setVisible(forPhones);
    m_viewQr->setVisible(forPhones);
    m_qrNote->setVisible(!forPhones && m_control.settings().reach() == RemoteSettings::Reach::ThisComputer);
    if (forPhones) {
        m_controlQr->setPixmap(QPixmap::fromImage(QrCodeImage(control, kQrModulePixels)));
        m_controlQr->setAccessibleDescription(control);
        m_viewQr->setPixmap(QPixmap::fromImage(QrCodeImage(m_boardAddress->text(), kQrModulePixels)));
        m_viewQr->setAccessibleDescription(m_boardAddress->text());
    }
    m_addresses->setEnabled(m_control.settings().on());
}

void RemoteWindow::showDevices()
{
    while (QLayoutItem *item = m_devices->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const RemoteServer *server = m_control.server();
    const std::vector<RemoteServer::Device> devices = server ? server->devices() : std::vector<RemoteServer::Device>();
    if (devices.empty()) {
        //: In the list of devices connected now: none
        m_devices->addWidget(new QLabel(tr("None"), this), 0, 0);
        return;
    }
    int row = 0;
    for (const RemoteServer::Device &device : devices) {
        auto *label = new QLabel(deviceText(device), this);
        label->setTextFormat(Qt::PlainText);
        auto *button = new QPushButton(this);
        if (device.keptOut) {
            button->setText(tr("Let in"));
            //: What a screen reader says of the button; %1 is the device's address
            button->setAccessibleName(tr("Let in %1").arg(device.address));
        } else {
            button->setText(tr("Disconnect"));
            //: What a screen reader says of the button; %1 is the device's address
            button->setAccessibleName(tr("Disconnect %1").arg(device.address));
        }
        const QString address = device.address;
        const bool keptOut = device.keptOut;
        connect(button, &QPushButton::clicked, this, [this, address, keptOut] {
            if (RemoteServer *at = m_control.server())
                keptOut ? at->letIn(address) : at->disconnectDevice(address);
        });
        m_devices->addWidget(label, row, 0);
        m_devices->addWidget(button, row, 1);
        ++row;
    }
}

void RemoteWindow::applyPort()
{
    bool number = false;
    const int port = m_port->text().trimmed().toInt(&number);
    if (!number || port < RemoteSettings::kLowestPort || port > 65535) {
        // Said, and nothing changed: what is served stays served.
        //: %1 is what was typed in the port field, %2 the lowest port allowed
        m_portProblem = tr("Port \"%1\": pick a number from %2 to 65535.")
                            .arg(m_port->text().trimmed().left(12), QString::number(RemoteSettings::kLowestPort));
        showChoices();
        return;
    }
    m_portProblem.clear();
    if (quint16(port) != m_control.settings().port())
        m_control.setPort(quint16(port));
    else
        showChoices();
}
