#pragma once
// Conversions between the model's 8-bit texts and Qt's strings.

#include <QString>

#include <string>
#include <string_view>

namespace orvantis {

// For display: UTF-8 where the bytes are valid UTF-8 (file names on Linux),
// else one character per byte (the instrument's single-byte texts).
QString DecodeText(std::string_view bytes);
// For the instrument: one byte per character; characters beyond Latin-1 become '?'.
std::string EncodeText(const QString& text);
// File names as the system spells them.
std::string EncodeFileName(const QString& name);

}  // namespace orvantis
