#include "serial/PortSelection.h"
#include "support/RecordingLink.h"

#include <QTest>

using Calls = std::vector<std::string>;

class TestPortSelection : public QObject
{
    Q_OBJECT

private slots:
    void selectConfiguresThenOpensWithDtrOn()
    {
        RecordingLink link;
        QVERIFY(SelectPort(link, "2").ok());
        QCOMPARE(link.calls, (Calls{"setPortNumber 2", "configureLine", "setDtr on", "open"}));
        QVERIFY(link.isOpen());
    }

    void reselectingTheSamePortClosesAndReopens()
    {
        RecordingLink link;
        SelectPort(link, "1");
        link.calls.clear();
        QVERIFY(SelectPort(link, "1").ok());
        QCOMPARE(link.calls, (Calls{"close", "setPortNumber 1", "configureLine", "setDtr on", "open"}));
    }

    void typingDigitsTriesEachPrefix()
    {
        RecordingLink link;
        SelectPort(link, "1");
        SelectPort(link, "12");
        QCOMPARE(link.calls[0], std::string("setPortNumber 1"));
        QCOMPARE(link.calls[5], std::string("setPortNumber 12"));
    }

    void aFailedOpenLeavesTheLinkClosed()
    {
        RecordingLink link;
        SelectPort(link, "1");
        link.failOpen = true;
        const LinkResult result = SelectPort(link, "5");
        QCOMPARE(result.error, LinkError::NoSuchDevice);
        QCOMPARE(result.portNumber, 5);
        QVERIFY(!link.isOpen());
    }

    void anOutOfRangeNumberClosesAndOpensNothing()
    {
        RecordingLink link;
        SelectPort(link, "1");
        link.calls.clear();
        const LinkResult result = SelectPort(link, "99999");
        QCOMPARE(result.error, LinkError::PortNumberOutOfRange);
        QCOMPARE(result.systemText, std::string("99999"));
        QCOMPARE(link.calls, (Calls{"close"}));
        QVERIFY(!link.isOpen());
    }

    void closeDropsDtrThenClosesOnlyAnOpenPort()
    {
        RecordingLink link;
        SelectPort(link, "1");
        link.calls.clear();
        ClosePort(link);
        QCOMPARE(link.calls, (Calls{"setDtr off", "close"}));

        link.calls.clear();
        ClosePort(link);
        QCOMPARE(link.calls, (Calls{"setDtr off"}));
    }
};

QTEST_GUILESS_MAIN(TestPortSelection)
#include "tst_portselection.moc"
