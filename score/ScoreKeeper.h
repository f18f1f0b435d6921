#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

enum class Side { Left, Right };
enum class Direction { Down = -1, Up = +1 };

// The two score counters and the four digit cells the window shows.
// Counters and cells are separate state on purpose: the board is sent the
// cells, and only a step or a reset rewrites them from the counters.
class ScoreKeeper
{
public:
    static constexpr int kCellCount = 4;
    using DigitCells = std::array<std::string, kCellCount>;
    using CellChanged = std::function<void(int cell, const std::string &text)>;

    // Called on every write of a cell, before the action goes on, so that a
    // view can repaint before a blocking update starts.
    void setCellChangedHandler(CellChanged handler);

    const std::string &DigitCell(int index) const;
    const DigitCells &digitCells() const { return m_cells; }

    // Wraps 99 -> 0 going up and 0 -> 99 going down.
    void StepScore(Side side, Direction direction);

    // Zeroes cells then counters, then runs the given update and returns its
    // result. The update is passed in so that score keeping stays free of
    // any knowledge of the board or the port.
    template <typename Update> auto ResetScores(Update &&updateScoreboard)
    {
        zeroCellsThenCounters();
        return updateScoreboard();
    }

    // Puts scores kept from an earlier run back in the window, each 0 to 99;
    // nothing is sent.
    void RestoreScores(std::int16_t left, std::int16_t right);

private:
    void zeroCellsThenCounters();
    void showCounter(Side side);
    void writeCell(int index, int digit);

    std::int16_t m_leftScore = 0;
    std::int16_t m_rightScore = 0;
    DigitCells m_cells{"0", "0", "0", "0"};
    CellChanged m_cellChanged;
};
