#include "serial/PortDiscovery.h"
#include "serial/linux/LinuxSerialLink.h"
#include "support/FakeSerialPlatform.h"
#include "support/PseudoTerminal.h"
#include "support/RecordingLink.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {
enum class Port { Opens, Missing, Refuses };
} // namespace
Q_DECLARE_METATYPE(Port)

class TestPortDiscovery : public QObject
{
    Q_OBJECT

private slots:
    // On real ports (pseudo-terminals): what opens is listed, and a probe
    // only opens and closes.
    void outcomes_data()
    {
        QTest::addColumn<Port>("port1");
        QTest::addColumn<Port>("port2");
        QTest::addColumn<QList<int>>("opened");
        QTest::addColumn<bool>("startupCommandDue");

        QTest::newRow("both open") << Port::Opens << Port::Opens << QList<int>{1, 2} << false;
        QTest::newRow("only 1, 2 missing") << Port::Opens << Port::Missing << QList<int>{1} << true;
        QTest::newRow("only 1, 2 refuses") << Port::Opens << Port::Refuses << QList<int>{1} << true;
        QTest::newRow("1 missing, only 2") << Port::Missing << Port::Opens << QList<int>{2} << false;
        QTest::newRow("1 refuses, only 2") << Port::Refuses << Port::Opens << QList<int>{2} << false;
        QTest::newRow("neither, both missing") << Port::Missing << Port::Missing << QList<int>{} << false;
        QTest::newRow("neither, both refuse") << Port::Refuses << Port::Refuses << QList<int>{} << false;
    }
    void outcomes()
    {
        QFETCH(Port, port1);
        QFETCH(Port, port2);
        QFETCH(QList<int>, opened);
        QFETCH(bool, startupCommandDue);

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

        const DiscoveryReport report = DiscoverPorts(link);

        QCOMPARE(QList<int>(report.openedPorts.begin(), report.openedPorts.end()), opened);
        QCOMPARE(report.failedProbes.size(), std::size_t(2 - opened.size()));
        QCOMPARE(report.startupCommandDue, startupCommandDue);
        QVERIFY(!link.isOpen());
        QVERIFY(pty1.receivedBytes(10ms).empty());
        QVERIFY(pty2.receivedBytes(10ms).empty());
    }

    void probesOpenAndCloseOnly()
    {
        RecordingLink link;
        link.failingPorts = {2};
        DiscoverPorts(link);
        const std::vector<std::string> expected{"setPortNumber 1", "open", "close", "setPortNumber 2", "open"};
        QCOMPARE(link.calls, expected);
    }
};

QTEST_GUILESS_MAIN(TestPortDiscovery)
#include "tst_portdiscovery.moc"
