// Comparing two models in words: every byte that Send writes counts, and
// values that read alike show the numbers that tell them apart.

#include "ProfileFixture.h"
#include "ProfileWords.h"

#include <algorithm>
#include <cstdio>

namespace orvantis::test {
namespace {

constexpr std::size_t DataStart = 13;  // "send *E2P" and the address

class ProfileWordsTest : public ProfileTest {
protected:
    // The default project with point 1 named "AB" and NUL bytes after it.
    TLineList BaseLines()
    {
        Profile.SetDefaults();
        TLineList lines = Write();
        std::string& point1 = *std::find_if(lines.begin(), lines.end(),
                                            [](const std::string& l) { return l.rfind("send *E2P0800", 0) == 0; });
        point1.replace(DataStart + 24, 16, "4142000000000000");
        return lines;
    }

    // A model loaded from lines and written again: what Send would write.
    struct TLoaded {
        TLineList Lines;
        TProfile Model;
        TLineList Written;
        TLoaded(TLineList lines, const IEquipmentIdentity& identity) : Lines(std::move(lines)), Model(&Lines, identity)
        {
            Model.SetDefaults();
            Model.LoadFromLines();
            Model.WriteProject(&Written, "test.pro", FixedTime);
        }
    };
};

TEST_F(ProfileWordsTest, EveryByteSendWritesDiffersOrNothingDoes)
{
    const TLineList base = BaseLines();
    const TLoaded original(base, Identity);
    int changes = 0;
    for (std::size_t n = 0; n < base.size(); ++n) {
        if (base[n].rfind("send *E2P", 0) != 0) continue;
        const std::size_t end = std::min(base[n].find(' ', DataStart), base[n].size());
        for (std::size_t at = DataStart; at + 1 < end; at += 2) {
            // 8 MHz becomes 7, a supply byte 0 ("on") becomes 15 ("on").
            const unsigned changed = std::stoul(base[n].substr(at, 2), nullptr, 16) ^ 0x0Fu;
            TLineList lines = base;
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02X", changed);
            lines[n].replace(at, 2, digits);
            const TLoaded other(lines, Identity);
            const bool sentDiffers = other.Written != original.Written;
            changes += sentDiffers;
            EXPECT_EQ(sentDiffers, !DifferencesInWords(original.Model, "a", other.Model, "b").empty())
                << lines[n] << " (byte " << (at - DataStart) / 2 << ")";
        }
    }
    EXPECT_GT(changes, 1500);
}

TEST_F(ProfileWordsTest, ValuesThatReadAlikeCarryTheirStoredNumbers)
{
    TLineList lines = BaseLines();
    lines[6] = "send *E2P1F00000301000A00D20001000002020207";  // supply byte 0 to 1, bandwidth 8 to 7
    lines[13].replace(DataStart + 30, 2, "58");                   // a hidden name byte
    const TLoaded original(BaseLines(), Identity);
    const TLoaded other(lines, Identity);
    EXPECT_EQ(DifferencesInWords(original.Model, "a.pro", other.Model, "b.pro"),
              (std::vector<std::string>{
                  "External power supply for amplifiers: on (0) in a.pro, on (1) in b.pro",
                  "Configuration bandwidth: 8 MHz in a.pro, 7 MHz in b.pro",
                  "Point 1 name: \"AB\" (41 42 00 00 00 00 00 00) in a.pro, \"AB\" (41 42 00 58 00 00 00 00) in b.pro",
              }));
}

}  // namespace
}  // namespace orvantis::test
