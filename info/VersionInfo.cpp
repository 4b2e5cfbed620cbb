#include "VersionInfo.h"

#include "VersionResource.h"

#include <cstdio>

namespace orvantis {

TVersionInfo::TVersionInfo(const QString& fileName)
{
    const std::uint32_t size = GetFileVersionInfoSize(fileName);
    if (size == 0) return;
    FData.resize(size);
    if (!GetFileVersionInfo(fileName, size, FData.data())) {
        FData.clear();
        return;
    }
    const std::uint8_t* table = nullptr;
    std::uint32_t length = 0;
    bool isText = false;
    if (!VerQueryValue(FData, "\\VarFileInfo\\Translation", table, length, isText) || length < 4) {
        FData.clear();
        return;
    }
    // The entry holds the language in its low half and the code page in its
    // high half (little-endian); swap them in place.
    FTranslation = FData.data() + (table - FData.data());
    std::swap(FTranslation[0], FTranslation[2]);
    std::swap(FTranslation[1], FTranslation[3]);
}

bool TVersionInfo::GetValue(const char* name, const char*& value)
{
    if (FData.empty()) return false;
    const std::uint32_t translation = FTranslation[0] | (FTranslation[1] << 8) | (FTranslation[2] << 16)
                                      | (std::uint32_t{FTranslation[3]} << 24);
    char path[96];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%08lx\\%s", static_cast<unsigned long>(translation), name);

    const std::uint8_t* text = nullptr;
    std::uint32_t length = 0;
    bool isText = false;
    if (!VerQueryValue(FData, path, text, length, isText)) return false;
    const std::uint32_t chars = isText ? length : length / 2;
    std::string bytes;
    for (std::uint32_t i = 0; i < chars; ++i) {
        const std::uint16_t c = static_cast<std::uint16_t>(text[2 * i] | (text[2 * i + 1] << 8));
        if (c == 0) break;
        bytes.push_back(c < 256 ? static_cast<char>(c) : '?');
    }
    std::string& kept = FTexts[name];
    kept = std::move(bytes);
    value = kept.c_str();
    return true;
}

bool TVersionInfo::GetProductName(const char*& value)
{
    return GetValue("ProductName", value);
}

bool TVersionInfo::GetProductVersion(const char*& value)
{
    return GetValue("ProductVersion", value);
}

bool TVersionInfo::GetLegalCopyright(const char*& value)
{
    return GetValue("LegalCopyright", value);
}

}  // namespace orvantis
