#pragma once

#include <QRect>

#include <cmath>

// Layout tables are kept in twips, the unit the sheet was designed in: 15 twips make
// one pixel at 96 dots per inch. Rectangles convert edge by edge, so that controls
// whose twip edges meet still meet in pixels.
struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

inline QRect toPixels(const TwipRect &r)
{
    const int left = twipsToPixels(r.left);
    const int top = twipsToPixels(r.top);
    return QRect(left, top, twipsToPixels(r.left + r.width) - left, twipsToPixels(r.top + r.height) - top);
}

// The largest pixel rectangle inside a twip rectangle. Fields laid over the sheet's
// printed cells use it, so that they never cover a grid line their twips stop short of.
inline QRect toPixelsInside(const TwipRect &r)
{
    const auto ceilPx = [](int t) { return static_cast<int>(std::ceil(static_cast<double>(t) / TwipsPerPixel)); };
    const auto floorPx = [](int t) { return static_cast<int>(std::floor(static_cast<double>(t) / TwipsPerPixel)); };
    const int left = ceilPx(r.left);
    const int top = ceilPx(r.top);
    return QRect(left, top, floorPx(r.left + r.width) - left, floorPx(r.top + r.height) - top);
}
