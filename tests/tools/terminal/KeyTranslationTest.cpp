// Key presses of the console window as the bytes the terminal sends.

#include "Cp437.h"
#include "KeyTranslation.h"

#include <gtest/gtest.h>

using namespace orvantis;

namespace {

TKeyEvent Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}, bool altGr = false)
{
    return TranslateKey(key, modifiers, text, altGr);
}

}  // namespace

TEST(KeyTranslation, EnterAndEditingKeysGiveTheirBytes)
{
    EXPECT_EQ(Key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")), (TKeyEvent{0x0D, false}));
    EXPECT_EQ(Key(Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r")), (TKeyEvent{0x0D, false}));
    EXPECT_EQ(Key(Qt::Key_Return, Qt::ShiftModifier), (TKeyEvent{0x0D, false})) << "CR whatever the modifiers";
    EXPECT_EQ(Key(Qt::Key_Backspace), (TKeyEvent{0x08, false}));
    EXPECT_EQ(Key(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")), (TKeyEvent{0x09, false}));
    EXPECT_EQ(Key(Qt::Key_Escape), (TKeyEvent{0x1B, false}));
}

TEST(KeyTranslation, CtrlGivesControlBytes)
{
    EXPECT_EQ(Key(Qt::Key_Q, Qt::ControlModifier).Char, 0x11);
    EXPECT_EQ(Key(Qt::Key_S, Qt::ControlModifier).Char, 0x13);
    EXPECT_EQ(Key(Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03")).Char, 0x03);
    EXPECT_EQ(Key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier).Char, 0x01);
    EXPECT_EQ(Key(Qt::Key_BracketLeft, Qt::ControlModifier).Char, 0x1B);
    EXPECT_FALSE(Key(Qt::Key_Q, Qt::ControlModifier).Alt);
}

TEST(KeyTranslation, AltAndAltGrAreBothAlt)
{
    EXPECT_EQ(Key(Qt::Key_Q, Qt::AltModifier, QStringLiteral("q")), (TKeyEvent{'q', true}));
    EXPECT_EQ(Key(Qt::Key_Q, Qt::AltModifier | Qt::ShiftModifier), (TKeyEvent{'Q', true}))
        << "without text the character comes from the key";
    EXPECT_EQ(Key(Qt::Key_X, Qt::AltModifier), (TKeyEvent{'x', true}));
    EXPECT_EQ(Key(Qt::Key_3, Qt::AltModifier), (TKeyEvent{'3', true}));
    // AltGr as X11 reports it (no modifier, only the held key), as a group
    // switch, and as Windows reports it (Ctrl+Alt).
    EXPECT_EQ(Key(Qt::Key_At, Qt::NoModifier, QStringLiteral("@"), true), (TKeyEvent{'@', true}));
    EXPECT_EQ(Key(Qt::Key_At, Qt::GroupSwitchModifier, QStringLiteral("@")), (TKeyEvent{'@', true}));
    EXPECT_EQ(Key(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("@")), (TKeyEvent{'@', true}));
}

TEST(KeyTranslation, TypedCharactersAreCodePage437Bytes)
{
    EXPECT_EQ(Key(Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A")), (TKeyEvent{'A', false}));
    EXPECT_EQ(Key(Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é")).Char, 0x82);
    EXPECT_EQ(Key(0, Qt::NoModifier, QStringLiteral("€")).Char, 0) << "not in the code page: nothing is sent";
    EXPECT_EQ(Key(Qt::Key_Left).Char, 0);
    EXPECT_EQ(Key(Qt::Key_F1).Char, 0);
    EXPECT_EQ(Key(Qt::Key_Shift, Qt::ShiftModifier).Char, 0);
}

TEST(Cp437, BoxCornersAndBackAgain)
{
    EXPECT_EQ(Cp437Glyph(0xC9), QChar(0x2554));
    EXPECT_EQ(Cp437Glyph(0xBB), QChar(0x2557));
    EXPECT_EQ(Cp437Glyph(0xC8), QChar(0x255A));
    EXPECT_EQ(Cp437Glyph(0xBC), QChar(0x255D));
    EXPECT_EQ(Cp437Glyph(0xCD), QChar(0x2550));
    EXPECT_EQ(Cp437Glyph(0xBA), QChar(0x2551));
    EXPECT_EQ(Cp437Glyph(0xE9), QChar(0x0398));
    EXPECT_EQ(Cp437Glyph(0x11), QChar(0x25C4));
    for (int byte = 0x20; byte < 0x100; ++byte) {
        if (byte == 0x7F) continue;
        EXPECT_EQ(Cp437Byte(Cp437Glyph(std::uint8_t(byte))), byte) << byte;
    }
}
