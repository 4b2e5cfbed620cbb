#pragma once
// Writes a version-information block in the Windows layout (VS_VERSIONINFO:
// fixed part, StringFileInfo with one string table, VarFileInfo with the
// translation table). Everything is constexpr so that the program's own block
// is built by the compiler and lands in the executable as plain bytes; tests
// build odd blocks with the same code at run time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace orvantis {

struct TVersionString {
    std::string_view Name;
    std::string_view Value;  // 8-bit text, widened byte by byte
};

struct TVersionBlockContent {
    std::array<std::uint16_t, 4> FileVersion{};  // major, minor, release, build
    bool HasTranslation = true;
    std::uint16_t Language = 0x0409;             // U.S. English
    std::uint16_t CodePage = 1252;               // Windows Latin-1
    std::vector<TVersionString> Strings;
};

inline constexpr std::uint32_t FixedFileInfoSignature = 0xFEEF04BD;
inline constexpr std::uint16_t FixedFileInfoSize = 52;
inline constexpr std::string_view VersionInfoKey = "VS_VERSION_INFO";

namespace version_detail {

class TBlockWriter {
public:
    constexpr void Word(std::uint16_t value)
    {
        FBytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        FBytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    constexpr void Dword(std::uint32_t value)
    {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    // Text as UTF-16 with its terminating NUL.
    constexpr void WideText(std::string_view text)
    {
        for (const char c : text) Word(static_cast<std::uint8_t>(c));
        Word(0);
    }
    constexpr void Align()
    {
        while (FBytes.size() % 4 != 0) FBytes.push_back(0);
    }
    // Header of one node; End() fills in its length.
    constexpr std::size_t Begin(std::uint16_t valueLength, std::uint16_t type, std::string_view key)
    {
        Align();
        const std::size_t start = FBytes.size();
        Word(0);
        Word(valueLength);
        Word(type);
        WideText(key);
        Align();
        return start;
    }
    constexpr void End(std::size_t start)
    {
        const std::size_t length = FBytes.size() - start;
        FBytes[start] = static_cast<std::uint8_t>(length & 0xFF);
        FBytes[start + 1] = static_cast<std::uint8_t>(length >> 8);
    }
    constexpr std::vector<std::uint8_t> Take() { return std::move(FBytes); }

private:
    std::vector<std::uint8_t> FBytes;
};

constexpr char HexDigit(unsigned value)
{
    return static_cast<char>(value < 10 ? '0' + value : 'a' + value - 10);
}

}  // namespace version_detail

constexpr std::vector<std::uint8_t> BuildVersionBlock(const TVersionBlockContent& content)
{
    using version_detail::TBlockWriter;
    TBlockWriter w;
    const std::size_t root = w.Begin(FixedFileInfoSize, 0, VersionInfoKey);
    const auto& v = content.FileVersion;
    const std::uint32_t versionMS = (std::uint32_t{v[0]} << 16) | v[1];
    const std::uint32_t versionLS = (std::uint32_t{v[2]} << 16) | v[3];
    w.Dword(FixedFileInfoSignature);
    w.Dword(0x00010000);  // structure version 1.0
    w.Dword(versionMS);   // file version
    w.Dword(versionLS);
    w.Dword(versionMS);   // product version
    w.Dword(versionLS);
    w.Dword(0x3F);        // flags mask
    w.Dword(0);           // flags
    w.Dword(0x00040004);  // VOS_NT_WINDOWS32
    w.Dword(1);           // VFT_APP
    w.Dword(0);           // subtype
    w.Dword(0);           // date
    w.Dword(0);

    // The string table's key: language then code page, eight hexadecimal digits.
    char tableKey[8] = {};
    const std::uint32_t langCode = (std::uint32_t{content.Language} << 16) | content.CodePage;
    for (int i = 0; i < 8; ++i) tableKey[i] = version_detail::HexDigit((langCode >> (28 - 4 * i)) & 0xF);

    const std::size_t stringInfo = w.Begin(0, 1, "StringFileInfo");
    const std::size_t table = w.Begin(0, 1, std::string_view(tableKey, 8));
    for (const TVersionString& s : content.Strings) {
        const std::size_t node = w.Begin(static_cast<std::uint16_t>(s.Value.size() + 1), 1, s.Name);
        w.WideText(s.Value);
        w.End(node);
    }
    w.End(table);
    w.End(stringInfo);

    const std::size_t varInfo = w.Begin(0, 1, "VarFileInfo");
    if (content.HasTranslation) {
        const std::size_t var = w.Begin(4, 0, "Translation");
        w.Word(content.Language);
        w.Word(content.CodePage);
        w.End(var);
    }
    w.End(varInfo);
    w.End(root);
    return w.Take();
}

}  // namespace orvantis
