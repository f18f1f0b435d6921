#include "ui/StatusText.h"

#include <QTest>

namespace {
LinkResult port(int number, const char *path, LinkError error = LinkError::None, const char *systemText = "")
{
    return {error, number, path, systemText};
}

SerialDevice device(int number, const char *path, const char *manufacturer, const char *product, bool mayOpen)
{
    SerialDevice found;
    found.portNumber = number;
    found.path = path;
    found.manufacturer = manufacturer;
    found.product = product;
    found.mayOpen = mayOpen;
    return found;
}

PortEvent happened(PortEvent::Kind kind, LinkResult result = {})
{
    PortEvent made;
    made.kind = kind;
    made.result = std::move(result);
    return made;
}

const SerialDevice kFtdi = device(33, "/dev/ttyUSB0", "FTDI", "FT232R USB UART", true);
const SerialDevice kProlific = device(33, "/dev/ttyUSB0", "Prolific", "Prolific USB-Serial Controller", true);
} // namespace

class TestStatusText : public QObject
{
    Q_OBJECT

private slots:
    // What the operator reads for each thing that happens to the port, and
    // what must not be there.
    void eventsInWords_data()
    {
        using Kind = PortEvent::Kind;
        QTest::addColumn<PortEvent>("event");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("notThere");

        QTest::newRow("opened") << happened(Kind::Opened, port(1, "/dev/ttyS0")) << "Port 1 (/dev/ttyS0) open"
                                << "";
        QTest::newRow("in use: advice once")
            << happened(Kind::OpenFailed, port(2, "COM2", LinkError::InUse))
            << "Port 2 (COM2): in use by another program. Close it or pick another port."
            << "dialout";
        QTest::newRow("no chip behind the node, said plainly")
            << happened(Kind::OpenFailed, port(2, "/dev/ttyS1", LinkError::NoSerialPort, "Input/output error"))
            << "Port 2: no serial port behind /dev/ttyS1"
            << "Input/output";
        QTest::newRow("a typed text, quoted shortened")
            << happened(Kind::OpenFailed, port(0, "", LinkError::NoDeviceForPort, "the port on the left"))
            << "\"the port on…\" is not a port number - type 1 to 96"
            << "left";
        QTest::newRow("a number beyond the ports")
            << happened(Kind::OpenFailed, port(200, "", LinkError::NoDeviceForPort, "200"))
            << "Port 200: no such port - type 1 to 96"
            << "";

        PortEvent noDialout = happened(Kind::NoPortFound);
        noDialout.failedProbes = {port(1, "/dev/ttyS0", LinkError::PermissionDenied),
                                  port(2, "/dev/ttyS1", LinkError::NoSuchDevice)};
        noDialout.devices = {device(1, "/dev/ttyS0", "", "", false),
                             device(33, "/dev/ttyUSB0", "FTDI", "FT232R USB UART", false)};
        QTest::newRow("not in the dialout group: no pick, advice once")
            << noDialout
            << "No permission for 33 FTDI FT232R USB UART (ttyUSB0). Port 1: permission denied, port 2: no such "
               "device. Join the dialout group, then log in again."
            << "pick";

        PortEvent found = happened(Kind::NoPortFound);
        found.failedProbes = {port(1, "/dev/ttyS0", LinkError::NoSuchDevice),
                              port(2, "/dev/ttyS1", LinkError::NoSuchDevice)};
        found.devices = {device(33, "/dev/ttyUSB0", "", "", false), kFtdi, device(35, "/dev/ttyUSB2", "", "", true)};
        found.devices[1].portNumber = 34;
        found.devices[1].path = "/dev/ttyUSB1";
        QTest::newRow("what can be opened first, the probes last")
            << found
            << "Found 34 FTDI FT232R USB UART (ttyUSB1), 35 (ttyUSB2) - pick one under COM-port. No permission for "
               "33 (ttyUSB0). Ports 1 and 2: no such device. Join the dialout group, then log in again."
            << "";

        QTest::newRow("found withdrawn when its device goes")
            << happened(Kind::DevicesChanged)
            << "No serial device found - plug in the adapter or type a port number under COM-port"
            << "Found";

        PortEvent replaced = happened(Kind::RememberedReplaced);
        replaced.device = kProlific;
        QTest::newRow("another adapter at the remembered number")
            << replaced << "Port 33 is now a Prolific USB-Serial Controller - pick it to use it"
            << "open";

        PortEvent back = happened(Kind::Back, port(34, "/dev/ttyUSB1"));
        back.previous = port(33, "/dev/ttyUSB0");
        QTest::newRow("back in another socket") << back << "Port 33 is back as port 34 (/dev/ttyUSB1) and open"
                                                << "";
        QTest::newRow("back, but refused")
            << happened(Kind::ReopenFailed, port(34, "/dev/ttyUSB1", LinkError::PermissionDenied))
            << "Port 34 (/dev/ttyUSB1) is back but did not open: permission denied. Join the dialout group, then log "
               "in again."
            << "";
        QTest::newRow("unplugged") << happened(Kind::Unplugged, port(33, "/dev/ttyUSB0"))
                                   << "Port 33 (/dev/ttyUSB0) unplugged - it opens again when plugged back in"
                                   << "";
    }
    void eventsInWords()
    {
        QFETCH(PortEvent, event);
        QFETCH(QString, text);
        QFETCH(QString, notThere);
        const QString said = StatusText::of(event, 96);
        QCOMPARE(said, text);
        if (!notThere.isEmpty())
            QVERIFY2(!said.contains(notThere), qPrintable(notThere));
    }

    // The offer names what Restore brings back: the window's scores.
    void theLastMatch_data()
    {
        QTest::addColumn<QDateTime>("sentAt");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("text");
        const QDateTime today(QDate::currentDate(), QTime(20, 31));
        QTest::newRow("as the board showed it") << today << "0815"
                                                << "Last match: board showed 08 15 at 20:31 - Restore";
        QTest::newRow("the window ahead of the board")
            << today << "0816"
            << "Last match: board showed 08 15 at 20:31, window 08 16 - Restore";
        QTest::newRow("never sent") << QDateTime() << "0100"
                                    << "Last match: window showed 01 00 - Restore";
    }
    void theLastMatch()
    {
        QFETCH(QDateTime, sentAt);
        QFETCH(QString, window);
        QFETCH(QString, text);
        ScoreKeeper::DigitCells shown;
        for (int i = 0; i < 4; ++i)
            shown[std::size_t(i)] = std::string(1, char(window[i].unicode()));
        QCOMPARE(StatusText::lastMatch({"0", "8", "1", "5"}, sentAt, shown), text);
    }
};

QTEST_GUILESS_MAIN(TestStatusText)
#include "tst_statustext.moc"
