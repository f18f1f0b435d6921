#include "display/SendSequences.h"
#include "serial/PortDiscovery.h"
#include "serial/linux/LinuxSerialLink.h"
#include "support/FakeSerialPlatform.h"
#include "support/PlainPortSelector.h"
#include "support/PseudoTerminal.h"
#include "support/RecordingLink.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {
enum class Port { Opens, Missing, Refuses };
const char kStartupBytes[] = "0D 00 41 ED C5 0D 00 41 ED C5 0D 00 53 13 8D";
} // namespace
Q_DECLARE_METATYPE(Port)

class TestPortDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        QTest::addColumn<Port>("port1");
        QTest::addColumn<Port>("port2");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("selectorText");
        QTest::addColumn<int>("openPort"); // 0: none
        QTest::addColumn<QString>("port1Bytes");
        QTest::addColumn<bool>("noPortFound");

        QTest::newRow("both open") << Port::Opens << Port::Opens << QStringList{"1", "2"} << "1" << 1 << "" << false;
        QTest::newRow("only 1, 2 missing")
            << Port::Opens << Port::Missing << QStringList{"1"} << "1" << 1 << kStartupBytes << false;
        QTest::newRow("only 1, 2 refuses")
            << Port::Opens << Port::Refuses << QStringList{"1"} << "1" << 1 << kStartupBytes << false;
        QTest::newRow("1 missing, only 2")
            << Port::Missing << Port::Opens << QStringList{"2"} << "2" << 2 << "" << false;
        QTest::newRow("1 refuses, only 2")
            << Port::Refuses << Port::Opens << QStringList{"2"} << "2" << 2 << "" << false;
        QTest::newRow("neither, both missing")
            << Port::Missing << Port::Missing << QStringList{} << "Combo1" << 0 << "" << true;
        QTest::newRow("neither, both refuse")
            << Port::Refuses << Port::Refuses << QStringList{} << "Combo1" << 0 << "" << true;
    }
    void outcomes()
    {
        QFETCH(Port, port1);
        QFETCH(Port, port2);
        QFETCH(QStringList, list);
        QFETCH(QString, selectorText);
        QFETCH(int, openPort);
        QFETCH(QString, port1Bytes);
        QFETCH(bool, noPortFound);

        PseudoTerminal pty1, pty2;
        for (auto [state, pty] : {std::pair{port1, &pty1}, std::pair{port2, &pty2}})
            if (state == Port::Refuses)
                pty->lockAgainstOpening();
        PortsOn platform([&](int port) -> std::string {
            const Port state = port == 1 ? port1 : port2;
            if (port != 1 && port != 2)
                return {};
            if (state == Port::Missing)
                return "/dev/scoreboard-test-missing-" + std::to_string(port);
            return (port == 1 ? pty1 : pty2).devicePath();
        });
        LinuxSerialLink link(platform);
        PlainPortSelector selector(link);

        const DiscoveryReport report = DiscoverPorts(link, selector, SendStartupCommand);

        QStringList entries;
        for (const auto &entry : selector.entries)
            entries << QString::fromStdString(entry);
        QCOMPARE(entries, list);
        QCOMPARE(QString::fromStdString(selector.Text()), selectorText);
        QCOMPARE(link.isOpen(), openPort != 0);
        if (openPort != 0)
            QCOMPARE(link.portNumber(), openPort);
        QCOMPARE(report.noPortFound, noPortFound);
        QCOMPARE(report.startupCommand.has_value(), !port1Bytes.isEmpty());
        if (report.startupCommand)
            QVERIFY(report.startupCommand->ok());
        QCOMPARE(QString::fromStdString(ToHex(pty1.receivedBytes())), port1Bytes);
        QVERIFY(pty2.receivedBytes(10ms).empty());
        // Every selection the discovery set off succeeded.
        for (const LinkResult &selection : selector.selections)
            QVERIFY(selection.ok());
    }

    void probesOpenAndCloseOnlyAndTheStartupCommandIsTwoWrites()
    {
        RecordingLink link;
        link.failingPorts = {2};
        PlainPortSelector selector(link);

        DiscoverPorts(link, selector, SendStartupCommand);

        std::vector<std::string> expected{"setPortNumber 1", "open", "close", "setPortNumber 2", "open"};
        for (const char *selectThenStartup :
             {"setPortNumber 1", "configureLine", "setDtr on", "open", "write", "write"})
            expected.emplace_back(selectThenStartup);
        QCOMPARE(link.calls, expected);
        QCOMPARE(ToHex(link.writes.at(0).bytes), std::string("0D 00 41 ED C5 0D 00 41 ED C5"));
        QCOMPARE(ToHex(link.writes.at(1).bytes), std::string("0D 00 53 13 8D"));
    }

    void aFailedSelectionAfterTheProbesIsNotADiscoveryFailure()
    {
        RecordingLink link;
        PlainPortSelector selector(link);
        // Taken by another program between probe and selection.
        selector.beforeSelect = [&] { link.failOpen = true; };

        const DiscoveryReport report = DiscoverPorts(link, selector, SendStartupCommand);
        QVERIFY(!report.noPortFound);
        QVERIFY(!report.startupCommand);
        QCOMPARE(selector.selections.size(), std::size_t(1));
        QVERIFY(!selector.selections[0].ok());
        QVERIFY(!link.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestPortDiscovery)
#include "tst_portdiscovery.moc"
