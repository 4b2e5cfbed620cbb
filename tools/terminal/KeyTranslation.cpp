#include "KeyTranslation.h"

#include "Cp437.h"

namespace orvantis {

namespace {

constexpr std::uint8_t Cr = 0x0D;

int SpecialKeyByte(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Cr;
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0x09;
    case Qt::Key_Escape:
        return 0x1B;
    default:
        return -1;
    }
}

std::uint8_t ControlByte(int key, const QString& text)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return std::uint8_t(key - Qt::Key_A + 1);
    switch (key) {
    case Qt::Key_At:
    case Qt::Key_2:
    case Qt::Key_Space:
        return 0x00;
    case Qt::Key_BracketLeft:
        return 0x1B;
    case Qt::Key_Backslash:
        return 0x1C;
    case Qt::Key_BracketRight:
        return 0x1D;
    case Qt::Key_AsciiCircum:
    case Qt::Key_6:
        return 0x1E;
    case Qt::Key_Underscore:
    case Qt::Key_Minus:
        return 0x1F;
    default:
        break;
    }
    if (!text.isEmpty() && text[0].unicode() < 0x20) return std::uint8_t(text[0].unicode());
    return 0;
}

std::uint8_t TypedByte(const QString& text)
{
    if (text.isEmpty()) return 0;
    const int byte = Cp437Byte(text[0]);
    return byte < 0 ? 0 : std::uint8_t(byte);
}

// With Alt held some systems send no text: the character comes from the key.
std::uint8_t AltByte(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (!text.isEmpty() && text[0].unicode() >= 0x20) return TypedByte(text);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const char base = modifiers.testFlag(Qt::ShiftModifier) ? 'A' : 'a';
        return std::uint8_t(base + (key - Qt::Key_A));
    }
    if (key > 0x20 && key < 0x7F) return std::uint8_t(key);
    return 0;
}

}  // namespace

TKeyEvent TranslateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool altGrHeld)
{
    // Windows reports AltGr as Ctrl+Alt, X11 as a group switch or not at all.
    const bool alt = altGrHeld || modifiers.testAnyFlags(Qt::AltModifier | Qt::GroupSwitchModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);

    const int special = SpecialKeyByte(key);
    if (special >= 0) return {std::uint8_t(special), alt};
    if (alt) return {AltByte(key, modifiers, text), true};
    if (ctrl) return {ControlByte(key, text), false};
    return {TypedByte(text), false};
}

}  // namespace orvantis
