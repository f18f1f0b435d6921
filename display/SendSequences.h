#pragma once

#include "score/ScoreKeeper.h"
#include "serial/LinkResult.h"
#include "serial/SerialLink.h"

// The message sequences the board expects. Each returns the first failure,
// having stopped there; with no port open nothing is written and nothing
// waits.

// Each digit cell k to address k + 1, as one write of the message twice and a
// 0.1 s pause, then the 'S' message. Takes about 0.4 s. `digitsSent`, where
// given, counts the digits that reached the port, for an update cut short.
LinkResult UpdateScoreboard(const ScoreKeeper::DigitCells &cells, SerialLink &link, int *digitsSent = nullptr);

// The 'S' message, once.
LinkResult SendCommandS(SerialLink &link);

// The start-up message twice in one write, then the 'S' message at once.
LinkResult SendStartupCommand(SerialLink &link);

// Blocks the caller for 0.1 s on a monotonic clock, asleep rather than spinning.
void PauseTenth();
