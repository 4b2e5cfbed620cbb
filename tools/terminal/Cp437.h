#pragma once
// The console's character set, code page 437, to and from Unicode.

#include <QChar>

#include <cstdint>

namespace orvantis {

// What the console draws for a byte (box corners for 0xC9, 0xBB, ...).
QChar Cp437Glyph(std::uint8_t byte);
// The byte a typed character stands for: printable ASCII as itself, the
// upper half by its glyph; -1 when code page 437 has no such character.
int Cp437Byte(QChar ch);

}  // namespace orvantis
