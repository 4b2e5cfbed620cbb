// The console kept in memory: output processing and wrap, fills, the scroll
// of a rectangle with its clip, screen buffers and pending keys.

#include "MemoryConsole.h"
#include "TerminalTestSupport.h"

#include <gtest/gtest.h>

using namespace orvantis;
using orvantis::test::RowText;

namespace {

TScreenBuffer Numbered(int width, int height)
{
    TScreenBuffer screen(width, height);
    for (int y = 0; y < height; ++y) {
        screen.SetCursor({0, y});
        screen.SetAttribute(TAttribute(y));
        screen.Write(std::string(std::size_t(width - 1), char('0' + y)));
    }
    return screen;
}

}  // namespace

TEST(ScreenBuffer, WritesInTheCurrentAttributeAndWrapsAfterTheLastColumn)
{
    TScreenBuffer screen(10, 3);
    screen.SetAttribute(31);
    screen.Write("0123456789AB");
    EXPECT_EQ(screen.RowText(0), "0123456789");
    EXPECT_EQ(screen.RowText(1), "AB        ");
    EXPECT_EQ(screen.Cursor(), (TCoord{2, 1}));
    EXPECT_EQ(screen.At(9, 0).Attribute, 31);
    EXPECT_EQ(screen.At(2, 1).Attribute, 7) << "cells not written keep their attribute";
}

TEST(ScreenBuffer, FullRowLeavesTheCursorAtTheStartOfTheNext)
{
    TScreenBuffer screen(4, 3);
    screen.Write("\nabcd");
    EXPECT_EQ(screen.Cursor(), (TCoord{0, 2}));
}

TEST(ScreenBuffer, ControlBytesActAsAConsoleTreatsThem)
{
    TScreenBuffer screen(20, 3);
    screen.Write("abc\rX");
    EXPECT_EQ(screen.RowText(0).substr(0, 3), "Xbc");
    screen.Write("\b\bY");
    EXPECT_EQ(screen.RowText(0).substr(0, 3), "Ybc") << "backspace stops at column 0";
    screen.Write("\a");
    EXPECT_EQ(screen.Cursor(), (TCoord{1, 0})) << "the bell takes no cell";
    screen.Write("\tZ");
    EXPECT_EQ(screen.At(8, 0).Char, 'Z');
    screen.Write("\n1");
    EXPECT_EQ(screen.RowText(1).substr(0, 1), "1") << "a line feed also returns to column 0";
    screen.Write("\x11");
    EXPECT_EQ(screen.At(1, 1).Char, 0x11) << "other control bytes are glyphs";
}

TEST(ScreenBuffer, TabNeverWrapsTheRow)
{
    TScreenBuffer screen(10, 2);
    screen.Write("123456789");
    screen.SetCursor({9, 0});
    screen.Write("\t");
    EXPECT_EQ(screen.Cursor(), (TCoord{9, 0}));
}

TEST(ScreenBuffer, LineFeedOnTheLastRowScrollsTheWholeBuffer)
{
    TScreenBuffer screen = Numbered(5, 3);
    screen.SetAttribute(3);
    screen.SetCursor({2, 2});
    screen.Write("\n");
    EXPECT_EQ(screen.RowText(0), "1111 ");
    EXPECT_EQ(screen.RowText(1), "2222 ");
    EXPECT_EQ(screen.RowText(2), "     ");
    EXPECT_EQ(screen.At(0, 2).Attribute, 3);
    EXPECT_EQ(screen.Cursor(), (TCoord{0, 2}));
}

TEST(ScreenBuffer, FillsRunOnOverRowsAndStopAtTheEnd)
{
    TScreenBuffer screen(4, 3);
    screen.Write("abcdefghijk");
    ASSERT_TRUE(screen.FillCharacter('*', 3, {2, 0}));
    EXPECT_EQ(screen.RowText(0), "ab**");
    EXPECT_EQ(screen.RowText(1), "*fgh");
    ASSERT_TRUE(screen.FillAttribute(63, 100, {3, 1}));
    EXPECT_EQ(screen.At(2, 1).Attribute, 7);
    EXPECT_EQ(screen.At(3, 1).Attribute, 63);
    EXPECT_EQ(screen.At(3, 2).Attribute, 63);
    EXPECT_EQ(screen.At(3, 1).Char, 'h') << "an attribute fill keeps the characters";
    EXPECT_FALSE(screen.FillCharacter('*', 1, {4, 0}));
    EXPECT_FALSE(screen.FillAttribute(1, 1, {0, 3}));
}

TEST(ScreenBuffer, ScrollUpInsideItsClipKeepsTheRowAbove)
{
    TScreenBuffer screen = Numbered(4, 6);
    const TRect area{0, 2, 3, 5};
    ASSERT_TRUE(screen.Scroll(area, area, {0, 1}, {' ', 3}));
    EXPECT_EQ(screen.RowText(0), "000 ");
    EXPECT_EQ(screen.RowText(1), "111 ") << "the row above the clip is not overwritten";
    EXPECT_EQ(screen.RowText(2), "333 ");
    EXPECT_EQ(screen.RowText(3), "444 ");
    EXPECT_EQ(screen.RowText(4), "555 ");
    EXPECT_EQ(screen.RowText(5), "    ");
    EXPECT_EQ(screen.At(0, 2).Attribute, 3) << "moved cells take their attribute along";
    EXPECT_EQ(screen.At(0, 5).Attribute, 3) << "the freed row gets the fill";
}

TEST(ScreenBuffer, ScrollWithoutClipMovesIntoTheRowAbove)
{
    TScreenBuffer screen = Numbered(4, 4);
    const TRect area{0, 2, 3, 3};
    ASSERT_TRUE(screen.Scroll(area, {0, 0, 3, 3}, {0, 1}, {'.', 7}));
    EXPECT_EQ(screen.RowText(1), "222 ");
    EXPECT_EQ(screen.RowText(2), "333 ");
    EXPECT_EQ(screen.RowText(3), "....");
}

TEST(ScreenBuffer, ScrollOfAPartialRectangleLeavesTheRestAlone)
{
    TScreenBuffer screen = Numbered(6, 3);
    // Columns 2 and 3 down by one, clipped to rows 0 and 1.
    ASSERT_TRUE(screen.Scroll({2, 0, 3, 2}, {0, 0, 5, 1}, {2, 1}, {'#', 7}));
    EXPECT_EQ(screen.RowText(0), "00##0 ");
    EXPECT_EQ(screen.RowText(1), "11001 ");
    EXPECT_EQ(screen.RowText(2), "22222 ") << "outside the clip nothing changes";
    EXPECT_FALSE(screen.Scroll({6, 0, 7, 1}, {0, 0, 5, 2}, {0, 0}, {}));
}

TEST(MemoryConsole, BuffersAreSeparateAndOneIsActive)
{
    TMemoryConsole console(10, 4);
    const TConsoleBuffer second = console.CreateBuffer();
    ASSERT_NE(second, console.MainBuffer());
    EXPECT_EQ(console.ActiveBuffer(), console.MainBuffer());
    console.Write(second, "help");
    EXPECT_EQ(RowText(console, console.MainBuffer(), 0), "          ");
    EXPECT_TRUE(console.SetActiveBuffer(second));
    EXPECT_EQ(console.Active().RowText(0), "help      ");

    TBufferInfo info;
    ASSERT_TRUE(console.GetBufferInfo(second, info));
    EXPECT_EQ(info.Width, 10);
    EXPECT_EQ(info.Height, 4);
    EXPECT_EQ(info.Cursor, (TCoord{4, 0}));
    EXPECT_FALSE(console.SetActiveBuffer(7));
    EXPECT_FALSE(console.Write(-1, "x"));
    EXPECT_FALSE(console.SetCursor(second, {10, 0}));
    EXPECT_NE(console.LastError(), 0);
}

TEST(MemoryConsole, KeysWaitInOrderUntilReadOrFlushed)
{
    TMemoryConsole console;
    int notified = 0;
    console.SetInputHandler([&] { ++notified; });
    console.PushKey({'a', false});
    console.PushKey({'q', true});
    EXPECT_EQ(notified, 2);
    TKeyEvent key;
    ASSERT_TRUE(console.ReadKey(key));
    EXPECT_EQ(key, (TKeyEvent{'a', false}));
    console.FlushInput();
    EXPECT_FALSE(console.ReadKey(key));

    EXPECT_FALSE(console.CloseRequested());
    console.RequestClose();
    EXPECT_TRUE(console.CloseRequested());
    EXPECT_EQ(notified, 3);
    console.Open();
    EXPECT_FALSE(console.CloseRequested()) << "a new run starts without the old request";
}
