#include "score/ScoreKeeper.h"

#include <QTest>

#include <string>
#include <vector>

class TestScoreKeeper : public QObject
{
    Q_OBJECT

private:
    static void setSide(ScoreKeeper &keeper, Side side, int value)
    {
        for (int i = 0; i < value; ++i)
            keeper.StepScore(side, Direction::Up);
    }
    static std::string cells(const ScoreKeeper &keeper)
    {
        std::string text;
        for (const auto &cell : keeper.digitCells())
            text += cell;
        return text;
    }

private slots:
    void step_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("cells");

        QTest::newRow("left 99 up wraps to 0") << 0 << 99 << +1 << 0 << "0000";
        QTest::newRow("left 0 down wraps to 99") << 0 << 0 << -1 << 99 << "9900";
        QTest::newRow("right 10 down keeps a leading zero") << 1 << 10 << -1 << 9 << "0009";
        QTest::newRow("right 98 up") << 1 << 98 << +1 << 99 << "0099";
        QTest::newRow("left 9 up carries") << 0 << 9 << +1 << 10 << "1000";
        QTest::newRow("right 0 down wraps to 99") << 1 << 0 << -1 << 99 << "0099";
    }
    void step()
    {
        QFETCH(int, side);
        QFETCH(int, start);
        QFETCH(int, direction);
        QFETCH(int, counter);
        QFETCH(QString, cells);

        ScoreKeeper keeper;
        const Side which = side == 0 ? Side::Left : Side::Right;
        setSide(keeper, which, start);
        keeper.StepScore(which, direction > 0 ? Direction::Up : Direction::Down);

        QCOMPARE(QString::fromStdString(TestScoreKeeper::cells(keeper)), cells);
        // The counter is what the next step starts from.
        keeper.StepScore(which, Direction::Up);
        const std::string after = TestScoreKeeper::cells(keeper).substr(which == Side::Left ? 0 : 2, 2);
        QCOMPARE(std::stoi(after), (counter + 1) % 100);
    }

    void hundredPressesComeBackToTheStart()
    {
        ScoreKeeper keeper;
        setSide(keeper, Side::Right, 42);
        setSide(keeper, Side::Left, 7);
        for (int i = 0; i < 100; ++i)
            keeper.StepScore(Side::Left, Direction::Up);
        QCOMPARE(QString::fromStdString(cells(keeper)), QString("0742"));
        for (int i = 0; i < 100; ++i)
            keeper.StepScore(Side::Right, Direction::Down);
        QCOMPARE(QString::fromStdString(cells(keeper)), QString("0742"));
    }

    void everyCellWriteIsAnnouncedTensFirst()
    {
        ScoreKeeper keeper;
        std::vector<std::pair<int, std::string>> seen;
        keeper.setCellChangedHandler([&](int cell, const std::string &text) { seen.emplace_back(cell, text); });
        setSide(keeper, Side::Right, 9);
        seen.clear();
        keeper.StepScore(Side::Right, Direction::Up);
        const std::vector<std::pair<int, std::string>> expected{{2, "1"}, {3, "0"}};
        QVERIFY(seen == expected);
    }

    void resetZeroesCellsThenCountersBeforeTheUpdate()
    {
        ScoreKeeper keeper;
        setSide(keeper, Side::Left, 12);
        setSide(keeper, Side::Right, 34);
        std::vector<int> announced;
        keeper.setCellChangedHandler([&](int cell, const std::string &text) {
            if (text == "0")
                announced.push_back(cell);
        });

        struct Seen
        {
            std::vector<int> announced;
            std::string cells;
        };
        const Seen seen = keeper.ResetScores([&] { return Seen{announced, cells(keeper)}; });
        // The update ran on zeroed cells, already announced; the counters are
        // zero too, as the next steps show.
        QCOMPARE(seen.announced, (std::vector<int>{0, 1, 2, 3}));
        QCOMPARE(seen.cells, std::string("0000"));
        keeper.StepScore(Side::Left, Direction::Up);
        keeper.StepScore(Side::Right, Direction::Down);
        QCOMPARE(cells(keeper), std::string("0199"));
    }
};

QTEST_GUILESS_MAIN(TestScoreKeeper)
#include "tst_scorekeeper.moc"
