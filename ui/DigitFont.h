#pragma once

#include <QFont>
#include <QSize>

class QPaintDevice;

// The font of the four big digits: the one the program carries inside (under
// :/fonts), where it carries one, else "LcdD" 99 pt where installed, else the
// seven-segment "DSEG7 Classic", else a bold sans-serif; in each case no
// larger than lets every digit, drawn from the top left of its box, lie
// wholly inside the box.
QFont ChooseDigitFont(const QSize &box, const QPaintDevice *device = nullptr);

// The largest size of the font, not above the given one, at which the digits
// fit the box.
QFont LargestDigitFont(const QFont &font, qreal fromPointSize, const QSize &box, const QPaintDevice *device = nullptr);

// Whether every digit drawn in this font from the top left of the box stays
// inside it.
bool DigitsFit(const QFont &font, const QSize &box, const QPaintDevice *device = nullptr);
