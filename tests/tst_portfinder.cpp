#include "serial/PortNumberText.h"
#include "support/FakeDeviceSource.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const UsbIdentity kFtdi{0x0403, 0x6001, "A50285BI"};
const UsbIdentity kOtherFtdi{0x0403, 0x6001, "B7Q1"};
const UsbIdentity kNoSerial{0x067b, 0x2303, ""};
} // namespace

class TestPortFinder : public QObject
{
    Q_OBJECT

private slots:
    // The entry must open its own port by the selector's number rule, whatever
    // the device calls itself.
    void entryOpensItsPort_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("entry");

        QTest::newRow("path only") << 33 << ""
                                   << ""
                                   << "33: /dev/ttyUSB0";
        QTest::newRow("maker and product") << 33 << "FTDI"
                                           << "FT232R USB UART"
                                           << "33: FTDI FT232R USB UART (/dev/ttyUSB0)";
        QTest::newRow("product names the maker") << 33 << "Prolific"
                                                 << "Prolific USB-Serial"
                                                 << "33: Prolific USB-Serial (/dev/ttyUSB0)";
        QTest::newRow("product starts with digits") << 33 << ""
                                                    << "2303 adapter"
                                                    << "33: 2303 adapter (/dev/ttyUSB0)";
        QTest::newRow("product reads as an exponent") << 33 << ""
                                                      << "E5 cable"
                                                      << "33: E5 cable (/dev/ttyUSB0)";
        QTest::newRow("product starts with a point") << 33 << ""
                                                     << ".5m cable"
                                                     << "33: .5m cable (/dev/ttyUSB0)";
        QTest::newRow("maker only") << 33 << "CH340"
                                    << ""
                                    << "33: CH340 (/dev/ttyUSB0)";
    }
    void entryOpensItsPort()
    {
        QFETCH(int, port);
        QFETCH(QString, manufacturer);
        QFETCH(QString, product);
        QFETCH(QString, entry);
        SerialDevice device = FakeDevice(port, "/dev/ttyUSB0", product.toStdString());
        device.manufacturer = manufacturer.toStdString();

        QCOMPARE(QString::fromStdString(DeviceEntryText(device)), entry);
        QCOMPARE(PortNumberFromText(DeviceEntryText(device)), std::optional<std::int16_t>(port));
    }

    void rememberedDeviceIsFoundAgain_data()
    {
        QTest::addColumn<int>("rememberedPort");
        QTest::addColumn<bool>("rememberedUsb");
        QTest::addColumn<bool>("adapterPresent");
        QTest::addColumn<QString>("expected"); // path, or "" for none

        // Present: the remembered FTDI adapter (moved to ttyUSB3) or not, a
        // second FTDI at ttyUSB1, an adapter without a serial number at
        // ttyUSB0, a built-in port.
        QTest::newRow("same adapter in another socket") << 33 << true << true << "/dev/ttyUSB3";
        QTest::newRow("no USB identity: by number") << 34 << false << true << "/dev/ttyUSB1";
        QTest::newRow("adapter gone: what has its number") << 3 << true << false << "/dev/ttyS2";
        QTest::newRow("nothing at its number") << 40 << true << false << "";
    }
    void rememberedDeviceIsFoundAgain()
    {
        QFETCH(int, rememberedPort);
        QFETCH(bool, rememberedUsb);
        QFETCH(bool, adapterPresent);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("scoreboard.conf"));
        const auto before = std::make_shared<std::vector<SerialDevice>>();
        const std::string rememberedPath = "/dev/remembered";
        before->push_back(
            FakeDevice(rememberedPort, rememberedPath, {}, rememberedUsb ? std::optional(kFtdi) : std::nullopt));
        PortFinderOn(before, file)->remember(rememberedPort, rememberedPath);

        const auto now = std::make_shared<std::vector<SerialDevice>>(
            std::vector<SerialDevice>{FakeDevice(33, "/dev/ttyUSB0", "USB-Serial", kNoSerial),
                                      FakeDevice(34, "/dev/ttyUSB1", "FT232R", kOtherFtdi),
                                      FakeDevice(36, "/dev/ttyUSB3", "FT232R", kFtdi), FakeDevice(3, "/dev/ttyS2")});
        if (!adapterPresent)
            now->erase(now->begin() + 2);
        const PortFinder later(std::make_unique<FakeDeviceSource>(now), file);
        const auto found = later.rememberedDevice(*now);
        QCOMPARE(found ? QString::fromStdString(found->path) : QString(), expected);
    }

    void identicalAdaptersWithoutSerialNumbers()
    {
        RememberedPort remembered{34, "/dev/ttyUSB1", kNoSerial};
        const std::vector<SerialDevice> present{FakeDevice(33, "/dev/ttyUSB0", {}, kNoSerial),
                                                FakeDevice(34, "/dev/ttyUSB1", {}, kNoSerial)};
        QCOMPARE(FindRememberedDevice(remembered, present)->portNumber, 34);
        remembered.portNumber = 35;
        QCOMPARE(FindRememberedDevice(remembered, present)->portNumber, 33);
    }
};

QTEST_GUILESS_MAIN(TestPortFinder)
#include "tst_portfinder.moc"
