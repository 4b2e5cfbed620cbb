// Bytes from a text terminal as console keys.

#include "AnsiConsole.h"

#include <gtest/gtest.h>

using namespace orvantis;

TEST(AnsiInput, EscPrefixIsAlt)
{
    const std::vector<TKeyEvent> expected = {{'a', false}, {'x', true}, {'Q', true}, {0x0D, false}, {0x11, false}};
    EXPECT_EQ(ParseTerminalInput("a\x1bx\x1bQ\r\x11"), expected);
}

TEST(AnsiInput, LoneEscIsEscapeAndSequencesTypeNothing)
{
    EXPECT_EQ(ParseTerminalInput("\x1b"), (std::vector<TKeyEvent>{{0x1B, false}}));
    // Up arrow, F1 in both forms, then a letter.
    const std::vector<TKeyEvent> expected = {{0, false}, {0, false}, {0, false}, {'k', false}};
    EXPECT_EQ(ParseTerminalInput("\x1b[A\x1bOP\x1b[11~k"), expected);
}
