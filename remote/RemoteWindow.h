#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RemoteControl;

// The remote control's own small window, beside the program's: on or off,
// who may connect, the port, the addresses to open (each also as a QR code
// for a phone's camera), a new code for each, and the devices connected now,
// each with "Disconnect". Every control is reached with Tab and named for a
// screen reader; what went wrong is said in its status line, in words. The
// machine's addresses are read again each time it is shown: a network joined
// meanwhile is offered.
class RemoteWindow : public QWidget
{
    Q_OBJECT

public:
    RemoteWindow(RemoteControl &control, QWidget *beside);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void showChoices();
    void showHosts();
    void showAddresses();
    void showDevices();
    void applyPort();

    RemoteControl &m_control;
    QCheckBox *m_on = nullptr;
    QRadioButton *m_thisComputer = nullptr;
    QRadioButton *m_localNetwork = nullptr;
    QLineEdit *m_port = nullptr;
    QLabel *m_status = nullptr;
    QString m_portProblem;
    QComboBox *m_host = nullptr;
    QString m_chosenHost; // by the operator, kept while it is offered
    QWidget *m_addresses = nullptr;
    QLabel *m_controlQr = nullptr;
    QLabel *m_viewQr = nullptr;
    QLabel *m_qrNote = nullptr;
    QLineEdit *m_controlAddress = nullptr;
    QLineEdit *m_overlayAddress = nullptr;
    QLineEdit *m_boardAddress = nullptr;
    QGridLayout *m_devices = nullptr;
};
