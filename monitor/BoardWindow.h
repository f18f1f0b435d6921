#pragma once

#include "display/BoardDecoder.h"

#include <QWidget>

#include <array>

class QLabel;

// The four digits as the board would show them, in the look of the
// operator's window: big red seven-segment digits, the two scores apart.
class BoardWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWindow(const QString &source, QWidget *parent = nullptr);

    void showDigits(const ShownDigits &digits);

private:
    std::array<QLabel *, kBoardDigitCount> m_digitLabels{};
};
