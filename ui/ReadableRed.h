#pragma once

#include <QColor>

// How far apart two colours are for the eye, as the web's accessibility
// guidelines measure it: from 1 (the same) to 21 (black on white).
qreal ContrastRatio(const QColor &a, const QColor &b);

// The red nearest to pure red that reads on the given background with a
// contrast of at least 4.5:1: darker on a light background, lighter on a dark
// one. Where no red gets there, the one that comes closest.
QColor ReadableRed(const QColor &background);
