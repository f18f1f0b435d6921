#include "serial/PortNumberText.h"

#include <QTest>

#include <string>

class TestPortNumberText : public QObject
{
    Q_OBJECT

private slots:
    void portNumbers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("port");

        QTest::newRow("list entry") << QByteArray("1") << 1;
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("initial text") << QByteArray("Combo1") << 0;
        QTest::newRow("letters first") << QByteArray("COM3") << 0;
        QTest::newRow("blanks around") << QByteArray("  2  ") << 2;
        QTest::newRow("blank inside") << QByteArray("1 2") << 12;
        QTest::newRow("tab and line feed inside") << QByteArray("\t3\n3") << 33;
        QTest::newRow("carriage return stops") << QByteArray("3\r3") << 3;
        QTest::newRow("trailing letters") << QByteArray("12abc") << 12;
        QTest::newRow("half rounds to even down") << QByteArray("2.5") << 2;
        QTest::newRow("half rounds to even up") << QByteArray("1.5") << 2;
        QTest::newRow("below half") << QByteArray("2.49") << 2;
        QTest::newRow("above half") << QByteArray("2.51") << 3;
        QTest::newRow("leading point") << QByteArray(".6") << 1;
        QTest::newRow("trailing point") << QByteArray("7.") << 7;
        QTest::newRow("point alone") << QByteArray(".") << 0;
        QTest::newRow("plus sign") << QByteArray("+4") << 4;
        QTest::newRow("minus sign") << QByteArray("-4") << -4;
        QTest::newRow("sign alone") << QByteArray("-") << 0;
        QTest::newRow("blank after sign") << QByteArray("- 5") << -5;
        QTest::newRow("double sign") << QByteArray("--5") << 0;
        QTest::newRow("minus half is zero") << QByteArray("-0.5") << 0;
        QTest::newRow("exponent") << QByteArray("1e2") << 100;
        QTest::newRow("upper-case exponent with sign") << QByteArray("25E-1") << 2;
        QTest::newRow("exponent without digits") << QByteArray("3e") << 3;
        QTest::newRow("exponent sign without digits") << QByteArray("3e+x") << 3;
        QTest::newRow("blanks inside exponent") << QByteArray("1 e 1") << 10;
        QTest::newRow("leading zeros") << QByteArray("0007") << 7;
        QTest::newRow("largest") << QByteArray("32767") << 32767;
        QTest::newRow("smallest") << QByteArray("-32768") << -32768;
        QTest::newRow("rounds down into range") << QByteArray("32767.4") << 32767;
        QTest::newRow("smallest half goes to even") << QByteArray("-32768.5") << -32768;
        QTest::newRow("underflow is zero") << QByteArray("1e-400") << 0;
        QTest::newRow("many zeros then a digit") << QByteArray("0." + QByteArray(500, '0') + "1") << 0;
        QTest::newRow("huge exponent of zero") << QByteArray("0e999999999999") << 0;
        QTest::newRow("hex is not read") << QByteArray("0x10") << 0;
        QTest::newRow("non-ASCII after digits") << QByteArray("5\xC3\xA9") << 5;
    }
    void portNumbers()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, port);
        const auto result = PortNumberFromText(std::string(text.constData(), size_t(text.size())));
        QVERIFY(result.has_value());
        QCOMPARE(int(*result), port);
    }

    void outOfRange_data()
    {
        QTest::addColumn<QByteArray>("text");

        QTest::newRow("one past the largest") << QByteArray("32768");
        QTest::newRow("half above the largest rounds up") << QByteArray("32767.5");
        QTest::newRow("one below the smallest") << QByteArray("-32769");
        QTest::newRow("exponent") << QByteArray("1e5");
        QTest::newRow("overflows a double") << QByteArray("1e400");
        QTest::newRow("huge exponent") << QByteArray("9e99999999999999999999");
        QTest::newRow("many digits") << QByteArray(400, '9');
        QTest::newRow("negative huge") << QByteArray("-" + QByteArray(400, '9'));
    }
    void outOfRange()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!PortNumberFromText(std::string(text.constData(), size_t(text.size()))).has_value());
    }
};

QTEST_GUILESS_MAIN(TestPortNumberText)
#include "tst_portnumbertext.moc"
