#include "ScreenBuffer.h"

#include <algorithm>

namespace orvantis {

namespace {

constexpr std::uint8_t Bell = 0x07;
constexpr std::uint8_t Backspace = 0x08;
constexpr std::uint8_t Tab = 0x09;
constexpr std::uint8_t LineFeedByte = 0x0A;
constexpr std::uint8_t CarriageReturn = 0x0D;
constexpr int TabWidth = 8;

TRect Intersection(const TRect& a, const TRect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

}  // namespace

TScreenBuffer::TScreenBuffer(int width, int height)
    : FWidth(std::max(width, 1)), FHeight(std::max(height, 1)), FCells(std::size_t(FWidth) * std::size_t(FHeight))
{
}

bool TScreenBuffer::SetCursor(TCoord position)
{
    if (!Inside(position)) return false;
    FCursor = position;
    return true;
}

std::string TScreenBuffer::RowText(int y) const
{
    std::string text;
    if (y < 0 || y >= FHeight) return text;
    for (int x = 0; x < FWidth; ++x) text.push_back(char(At(x, y).Char));
    return text;
}

void TScreenBuffer::Write(std::string_view bytes)
{
    for (const char c : bytes) {
        const auto ch = std::uint8_t(c);
        switch (ch) {
        case Bell:
            break;
        case Backspace:
            if (FCursor.X > 0) --FCursor.X;
            break;
        case Tab:
            // Stops in the last column rather than wrapping, so a tab never
            // scrolls the whole buffer.
            FCursor.X = std::min((FCursor.X / TabWidth + 1) * TabWidth, FWidth - 1);
            break;
        case LineFeedByte:
            FCursor.X = 0;
            LineFeed();
            break;
        case CarriageReturn:
            FCursor.X = 0;
            break;
        default:
            PutGlyph(ch);
        }
    }
}

void TScreenBuffer::PutGlyph(std::uint8_t ch)
{
    FCells[Index(FCursor.X, FCursor.Y)] = {ch, FAttribute};
    if (++FCursor.X == FWidth) {
        FCursor.X = 0;
        LineFeed();
    }
}

void TScreenBuffer::LineFeed()
{
    if (FCursor.Y + 1 < FHeight) {
        ++FCursor.Y;
        return;
    }
    std::move(FCells.begin() + FWidth, FCells.end(), FCells.begin());
    std::fill(FCells.end() - FWidth, FCells.end(), TCell{' ', FAttribute});
}

bool TScreenBuffer::FillCharacter(std::uint8_t ch, int count, TCoord position)
{
    if (!Inside(position)) return false;
    const int start = Index(position.X, position.Y);
    const int end = std::min(start + std::max(count, 0), int(FCells.size()));
    for (int i = start; i < end; ++i) FCells[i].Char = ch;
    return true;
}

bool TScreenBuffer::FillAttribute(TAttribute attribute, int count, TCoord position)
{
    if (!Inside(position)) return false;
    const int start = Index(position.X, position.Y);
    const int end = std::min(start + std::max(count, 0), int(FCells.size()));
    for (int i = start; i < end; ++i) FCells[i].Attribute = attribute;
    return true;
}

bool TScreenBuffer::Scroll(const TRect& scroll, const TRect& clip, TCoord destination, TCell fill)
{
    const TRect whole{0, 0, FWidth - 1, FHeight - 1};
    const TRect source = Intersection(scroll, whole);
    if (source.Left > source.Right || source.Top > source.Bottom) return false;
    const TRect changeable = Intersection(clip, whole);

    const std::vector<TCell> before = FCells;
    const int dx = destination.X - scroll.Left;
    const int dy = destination.Y - scroll.Top;
    const TRect moved{source.Left + dx, source.Top + dy, source.Right + dx, source.Bottom + dy};

    for (int y = source.Top; y <= source.Bottom; ++y) {
        for (int x = source.Left; x <= source.Right; ++x) {
            const TCoord c{x, y};
            if (changeable.Contains(c) && !moved.Contains(c)) FCells[Index(x, y)] = fill;
        }
    }
    for (int y = source.Top; y <= source.Bottom; ++y) {
        for (int x = source.Left; x <= source.Right; ++x) {
            const TCoord to{x + dx, y + dy};
            if (changeable.Contains(to)) FCells[Index(to.X, to.Y)] = before[Index(x, y)];
        }
    }
    return true;
}

}  // namespace orvantis
