#pragma once

#include <QRect>
#include <QtGlobal>

// The layout is drawn in twips, a physical unit of 1440 to the inch, so the
// pixels a twips value makes depend on the screen's dots per inch: 15 twips to
// a pixel at 96 dpi, 10 at 144. Each edge is rounded on its own, so a box keeps
// its drawn size at any dpi.
constexpr int kTwipsPerInch = 1440;

struct TwipsRect
{
    int left, top, width, height;
};

inline int TwipsToPixels(int twips, qreal dotsPerInch)
{
    return qRound(twips * dotsPerInch / kTwipsPerInch);
}

inline QRect TwipsToPixels(const TwipsRect &twips, qreal dpiX, qreal dpiY)
{
    return {TwipsToPixels(twips.left, dpiX), TwipsToPixels(twips.top, dpiY), TwipsToPixels(twips.width, dpiX),
            TwipsToPixels(twips.height, dpiY)};
}
