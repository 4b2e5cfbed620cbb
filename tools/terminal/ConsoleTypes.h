#pragma once
// The small vocabulary shared by the console interface, its implementations
// and the terminal: cells, positions, rectangles, colour attributes and keys.

#include <cstdint>

namespace orvantis {

// Character attribute: foreground colour in the low four bits, background in
// the next four, as a text console has them (bit 3 is the intensity bit).
using TAttribute = std::uint8_t;

struct TCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TCoord&, const TCoord&) = default;
};

// Inclusive on all four sides.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(TCoord c) const { return c.X >= Left && c.X <= Right && c.Y >= Top && c.Y <= Bottom; }
};

struct TCell {
    std::uint8_t Char = ' ';  // a code page 437 byte
    TAttribute Attribute = 7;
    friend bool operator==(const TCell&, const TCell&) = default;
};

// One key press as the terminal sees it: the byte it types (0 for keys that
// type nothing, such as arrows or function keys) and whether Alt (or AltGr)
// was held.
struct TKeyEvent {
    std::uint8_t Char = 0;
    bool Alt = false;
    friend bool operator==(const TKeyEvent&, const TKeyEvent&) = default;
};

}  // namespace orvantis
