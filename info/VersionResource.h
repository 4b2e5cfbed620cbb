#pragma once
// Our stand-in for the platform's version-information functions. The block
// has the Windows layout (see VersionBlockWriter.h); on this system it is not
// a resource but plain bytes inside the file, found by its "VS_VERSION_INFO"
// header and checked before use, so any file may carry one.

#include <QString>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace orvantis {

// Size of the first valid block in the file, 0 when there is none or the file
// cannot be read.
std::uint32_t GetFileVersionInfoSize(const QString& fileName);
// Copies that block into data (size bytes); false when it is no longer there.
bool GetFileVersionInfo(const QString& fileName, std::uint32_t size, std::uint8_t* data);
// Finds the sub-block named by path ("\\" the fixed part, "\\VarFileInfo\\Translation",
// "\\StringFileInfo\\040904e4\\ProductName"; names compared without regard to
// case). value points into block; length counts bytes, or UTF-16 characters
// with the terminating NUL for text values.
bool VerQueryValue(std::span<const std::uint8_t> block, std::string_view path,
                   const std::uint8_t*& value, std::uint32_t& length, bool& isText);

// The offset of the first valid block in bytes, or -1 (exposed for tests).
std::ptrdiff_t FindVersionBlock(std::span<const std::uint8_t> bytes);

}  // namespace orvantis
