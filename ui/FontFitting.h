#pragma once

#include <QFont>
#include <QStringList>

#include <functional>

// How much a font overflows its place: what it needs over what there is, the
// largest such ratio; at most 1 when it fits.
using FontOverflow = std::function<qreal(const QFont &font)>;

// The largest size of the font, in half points from 6 up to `fromPointSize`,
// at which it fits. Text grows almost in proportion to the size, so one
// measurement gives a close guess and a step or two settles it: every size
// tried loads a font, and that is what start-up pays for.
QFont LargestFittingFont(QFont font, qreal fromPointSize, const FontOverflow &overflow);

// The captions' font: the desktop's own where it fits; else, at the desktop's
// size, the first of the narrower families that fits (installed ones only, in
// order of preference); else the narrowest of all at the largest size that
// fits. A narrower face at full size reads better than a smaller one.
QFont ChooseCaptionFont(const QFont &desktop, const QStringList &narrowerFamilies, const FontOverflow &overflow);
