#include "score/ScoreKeeper.h"

void ScoreKeeper::setCellChangedHandler(CellChanged handler)
{
    m_cellChanged = std::move(handler);
}

const std::string &ScoreKeeper::DigitCell(int index) const
{
    return m_cells.at(static_cast<std::size_t>(index));
}

void ScoreKeeper::StepScore(Side side, Direction direction)
{
    std::int16_t &counter = side == Side::Left ? m_leftScore : m_rightScore;
    int value = counter + static_cast<int>(direction);
    // Only the bound in the direction of the step is checked.
    if (direction == Direction::Down && value < 0)
        value = 99;
    else if (direction == Direction::Up && value > 99)
        value = 0;
    counter = static_cast<std::int16_t>(value);
    showCounter(side);
}

void ScoreKeeper::RestoreScores(std::int16_t left, std::int16_t right)
{
    const auto inRange = [](std::int16_t score) {
        return static_cast<std::int16_t>(score < 0 || score > 99 ? 0 : score);
    };
    m_leftScore = inRange(left);
    m_rightScore = inRange(right);
    showCounter(Side::Left);
    showCounter(Side::Right);
}

void ScoreKeeper::showCounter(Side side)
{
    const int value = side == Side::Left ? m_leftScore : m_rightScore;
    const int tensCell = side == Side::Left ? 0 : 2;
    writeCell(tensCell, value / 10);
    writeCell(tensCell + 1, value % 10);
}

void ScoreKeeper::zeroCellsThenCounters()
{
    for (int cell = 0; cell < kCellCount; ++cell)
        writeCell(cell, 0);
    m_leftScore = 0;
    m_rightScore = 0;
}

void ScoreKeeper::writeCell(int index, int digit)
{
    auto &cell = m_cells[static_cast<std::size_t>(index)];
    cell = std::string(1, static_cast<char>('0' + digit));
    if (m_cellChanged)
        m_cellChanged(index, cell);
}
