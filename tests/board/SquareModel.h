// What the board should look like, worked out from the square geometry alone:
// 17 pixels a square, a raised frame, the view's outer dark line at 0.
#pragma once

#include "BoardWindows.h"

#include <sstream>
#include <string>

// Pixel (u, v) of an empty square, both counted 0..16 from its top-left pixel.
inline Colour EmptySquarePixel(int u, int v, Colour interior)
{
    if (u == 16 || v == 16)
        return DarkLine;
    if ((v == 0 && u < 4) || (u == 0 && v < 4))
        return White;
    if (u == 0 || v == 0)
        return LightLine;
    return interior;
}

// Client pixel (x, y) of a view whose squares are all visible and empty.
inline Colour EmptyBoardPixel(int x, int y)
{
    if (x == 0 || y == 0)
        return DarkLine;
    return EmptySquarePixel((x - 1) % 17, (y - 1) % 17, Grey);
}

// How many pixels of a picture differ from an empty board's.
inline int PixelsOffEmptyBoard(const Picture& p)
{
    int wrong = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            wrong += !(p.At(x, y) == EmptyBoardPixel(x, y));
    return wrong;
}

// Checks every pixel of the empty square shown at visible column vc, row vr;
// returns the first wrong one, or "".
inline std::string EmptySquareMismatch(const Picture& p, int vc, int vr, Colour interior)
{
    for (int v = 0; v < 17; ++v)
        for (int u = 0; u < 17; ++u) {
            const int x = 17 * vc + 1 + u, y = 17 * vr + 1 + v;
            const Colour want = EmptySquarePixel(u, v, interior);
            if (!(p.At(x, y) == want)) {
                std::ostringstream out;
                out << "square (" << vc << "," << vr << ") pixel (" << u << "," << v << ") is " << p.At(x, y)
                    << ", not " << want;
                return out.str();
            }
        }
    return "";
}

// Checks a square with a mark at points the mark cannot miss or cannot reach:
// the interior colour, the mark's colour and the dark bottom and right lines.
inline std::string MarkedSquareMismatch(const Picture& p, int vc, int vr, int owner, Colour interior)
{
    const int x0 = 17 * vc, y0 = 17 * vr;
    struct Point {
        int dx, dy;
        Colour want;
    };
    // A cross: the diagonals through the middle, free interior between the
    // arms. A circle: its outline on each side, its inside in the middle.
    const Point cross[] = {{9, 9, CrossRed}, {5, 5, CrossRed}, {12, 12, CrossRed}, {5, 12, CrossRed},
        {12, 5, CrossRed}, {9, 3, interior}, {9, 15, interior}, {3, 9, interior}, {15, 9, interior}};
    const Point circle[] = {{9, 3, CircleBlue}, {9, 15, CircleBlue}, {3, 9, CircleBlue}, {15, 9, CircleBlue},
        {9, 9, interior}, {6, 9, interior}, {12, 9, interior}, {9, 6, interior}, {9, 12, interior}};
    const Point frame[] = {{9, 17, DarkLine}, {17, 9, DarkLine}, {17, 17, DarkLine}};
    std::ostringstream out;
    auto check = [&](const Point& pt) {
        const Colour got = p.At(x0 + pt.dx, y0 + pt.dy);
        if (!(got == pt.want) && out.tellp() == 0)
            out << "square (" << vc << "," << vr << ") pixel (" << pt.dx << "," << pt.dy << ") is " << got
                << ", not " << pt.want;
    };
    if (owner == 0)
        for (const Point& pt : cross)
            check(pt);
    else if (owner == 1)
        for (const Point& pt : circle)
            check(pt);
    for (const Point& pt : frame)
        check(pt);
    return out.str();
}
