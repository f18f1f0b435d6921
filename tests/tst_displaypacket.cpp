#include "display/DisplayPacket.h"

#include <QTest>

class TestDisplayPacket : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("data");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("digit 0 at 1") << 1 << int('A') << int('0') << QByteArray::fromHex("0D01413081");
        QTest::newRow("digit 8 at 2") << 2 << int('A') << int('8') << QByteArray::fromHex("0D02413878");
        QTest::newRow("digit 9 at 4") << 4 << int('A') << int('9') << QByteArray::fromHex("0D04413975");
        QTest::newRow("start-up") << 0 << int('A') << 0xED << QByteArray::fromHex("0D0041EDC5");
        QTest::newRow("S") << 0 << int('S') << 0x13 << QByteArray::fromHex("0D0053138D");
        QTest::newRow("sum is 256: checksum 0, not 256") << 0 << int('A') << 178 << QByteArray::fromHex("0D0041B200");
        QTest::newRow("sum is 768: checksum 0") << 255 << 255 << 245 << QByteArray::fromHex("0DFFFFF500");
    }
    void workedExamples()
    {
        QFETCH(int, address);
        QFETCH(int, command);
        QFETCH(int, data);
        QFETCH(QByteArray, bytes);

        const DisplayPacket packet = BuildDisplayPacket(
            static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(data));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(packet.data()), int(packet.size())), bytes);
    }

    void everyPacketSumsToZeroModulo256()
    {
        for (int address = 0; address < 256; ++address)
            for (int command = 0; command < 256; ++command)
                for (int data = 0; data < 256; data += 7) {
                    const DisplayPacket p =
                        BuildDisplayPacket(static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(command),
                                           static_cast<std::uint8_t>(data));
                    const unsigned sum = p[0] + p[1] + p[2] + p[3] + p[4];
                    if (p[0] != 0x0D || sum % 256 != 0)
                        QFAIL(qPrintable(QString("address %1 command %2 data %3").arg(address).arg(command).arg(data)));
                }
    }
};

QTEST_GUILESS_MAIN(TestDisplayPacket)
#include "tst_displaypacket.moc"
