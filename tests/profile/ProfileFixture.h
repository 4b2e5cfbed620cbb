#pragma once
// A model bound to a line list and to an identity that a test can change
// between calls, plus the expected message table as the instrument has it.

#include "EquipmentIdentity.h"
#include "Profile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvantis::test {

struct TExpectedMessage {
    std::uint16_t Address;
    int EditLevel;
    int MaxLen;
    const char* Text;
};
extern const TExpectedMessage ExpectedMessages[MessageCount];

// The time text handed to the writer in every test.
inline constexpr const char* FixedTime = "07/12/2026 20:15:42";

class ProfileTest : public ::testing::Test {
protected:
    TFixedIdentity Identity;  // row 0, firmware 3.0: nothing detected yet
    TLineList Lines;
    TProfile Profile{&Lines, Identity};

    void UseBaseModel() { Identity.Set(BaseModelRow, 2.5f); }
    void UseIsdbT() { Identity.Set(IsdbTModelRow, 3.0f); }

    // Replaces the model's lines and loads them.
    TLoadResult Load(std::vector<std::string> lines)
    {
        Lines = std::move(lines);
        return Profile.LoadFromLines();
    }
    // Writes into the model's own list (the writer binds the model to the
    // list it is given) and returns a copy.
    TLineList Write(const std::string& fileName = "test.pro")
    {
        Profile.WriteProject(&Lines, fileName, FixedTime);
        return Lines;
    }
};

// Field by field (the records have padding that memcmp would see).
::testing::AssertionResult SameConfig(const TConfigData& a, const TConfigData& b);
::testing::AssertionResult SamePoint(const TDetPoint& a, const TDetPoint& b);  // all 8 name bytes
::testing::AssertionResult SameBand(const TScanBand& a, const TScanBand& b);

// "4E45543A" for "NET:".
std::string HexOf(std::string_view bytes);
// The lines of a file in tests/profile/golden (CR LF or LF ends).
TLineList GoldenLines(const std::string& name);

}  // namespace orvantis::test
