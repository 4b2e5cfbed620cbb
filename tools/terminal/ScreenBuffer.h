#pragma once
// One screen buffer of a text console: a grid of cells, a cursor and the
// attribute that written text takes. Writing follows a console's processed
// output: CR, LF, backspace, tab and bell act, everything else is a glyph,
// and the cursor wraps to the next row after the last column (the whole
// buffer scrolls up when that happens on the last row).

#include "ConsoleTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvantis {

class TScreenBuffer {
public:
    explicit TScreenBuffer(int width = 80, int height = 25);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Inside(TCoord c) const { return c.X >= 0 && c.X < FWidth && c.Y >= 0 && c.Y < FHeight; }

    TCoord Cursor() const { return FCursor; }
    bool SetCursor(TCoord position);
    TAttribute Attribute() const { return FAttribute; }
    void SetAttribute(TAttribute attribute) { FAttribute = attribute; }

    const TCell& At(int x, int y) const { return FCells[Index(x, y)]; }
    // The characters of a row as bytes, for reading a screen in tests and logs.
    std::string RowText(int y) const;

    // Writes at the cursor with the current attribute.
    void Write(std::string_view bytes);
    // Fill count cells from position on, row after row, stopping at the end
    // of the buffer; the other half of each cell is kept. False when position
    // lies outside the buffer.
    bool FillCharacter(std::uint8_t ch, int count, TCoord position);
    bool FillAttribute(TAttribute attribute, int count, TCoord position);
    // Moves the cells of scroll so that its top-left corner lands on
    // destination. Only cells inside clip change; cells of scroll that no
    // moved cell covers get fill. False when scroll lies outside the buffer.
    bool Scroll(const TRect& scroll, const TRect& clip, TCoord destination, TCell fill);

private:
    int Index(int x, int y) const { return y * FWidth + x; }
    void PutGlyph(std::uint8_t ch);
    void LineFeed();

    int FWidth;
    int FHeight;
    std::vector<TCell> FCells;
    TCoord FCursor;
    TAttribute FAttribute = 7;
};

}  // namespace orvantis
