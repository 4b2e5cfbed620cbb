#pragma once
// Reads a file's version-information block and answers the about box's three
// look-ups. A block without a translation table counts as no block.

#include <QString>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace orvantis {

class TVersionInfo {
public:
    explicit TVersionInfo(const QString& fileName);
    TVersionInfo(const TVersionInfo&) = delete;
    TVersionInfo& operator=(const TVersionInfo&) = delete;

    // False when there is no block or no such value; the text is 8-bit and
    // stays valid while the reader lives.
    bool GetProductName(const char*& value);
    bool GetProductVersion(const char*& value);
    bool GetLegalCopyright(const char*& value);

    bool HasBlock() const { return !FData.empty(); }

private:
    bool GetValue(const char* name, const char*& value);

    std::vector<std::uint8_t> FData;
    // The first translation entry inside FData, halves swapped so that the
    // language is in the high 16 bits.
    std::uint8_t* FTranslation = nullptr;
    std::map<std::string, std::string> FTexts;
};

}  // namespace orvantis
