// libFuzzer target: a points file (or a clipboard paste) read into the
// detection points of each kind of instrument.
//
// Input: a byte of switches (bits 0-1: the instrument, a 50-point one, the
// 16-point base model before firmware 3.0, the ISDB-T edition or the DVB-T2
// one; bit 2: read as a paste, where the header row may be left out; bit 3:
// the points are not the defaults but as the next bytes say: a count n, then
// n point records of 20 bytes as the instrument's EEPROM holds them, odd
// values, control bytes and frequencies out of range included), then the text.
//
// A text that is refused says where: its row, and its column unless the row
// itself is at fault. One that is read names each point once, inside the
// instrument's points, and leaves the other points as they were. Reading the
// same text again over its own result then changes nothing more, and an
// export of the result reads back to the very same project text, whatever
// the points held.

#include "PointWords.h"
#include "PointsCsv.h"
#include "Profile.h"
#include "ProfileRecords.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

using namespace orvantis;

namespace {

[[noreturn]] void Fail(const char* what, int point = -1)
{
    std::fprintf(stderr, "%s %d\n", what, point);
    std::abort();
}

bool SamePoint(const TDetPoint& a, const TDetPoint& b)
{
    return a.FreqKHz == b.FreqKHz && a.PointAux0 == b.PointAux0 && a.FFT == b.FFT && a.BW == b.BW &&
           a.SpecInv == b.SpecInv && a.Guard == b.Guard && a.PointAux9 == b.PointAux9 &&
           a.PointAux10 == b.PointAux10 && a.Standard == b.Standard &&
           std::memcmp(a.Name, b.Name, sizeof a.Name) == 0;
}

TLineList ProjectText(TProfile& profile)
{
    TLineList lines;
    profile.WriteProject(&lines, "points.pro", "now");
    return lines;
}

// Takes the point records at the front of data (the count byte first) into
// profile; the bytes they used.
std::size_t LoadPoints(const std::uint8_t* data, std::size_t size, TProfile& profile)
{
    if (size == 0) return 0;
    const std::size_t wanted = data[0] % (static_cast<std::size_t>(profile.PointCount()) + 1);
    std::size_t used = 1;
    static constexpr char Digits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < wanted && used + PointRecordSize <= size; ++i, used += PointRecordSize) {
        std::string hex;
        for (std::size_t b = 0; b < PointRecordSize; ++b) {
            hex += Digits[data[used + b] >> 4];
            hex += Digits[data[used + b] & 15];
        }
        profile.ParseRecord(static_cast<std::uint16_t>(PointsAddress + PointRecordSize * i), hex);
    }
    return used;
}

// Reasons that are about a row as a whole, not one of its cells.
bool RowLevelReason(const std::string& reason)
{
    for (const char* row : {"a quotation mark is not closed", "text after a closing quotation mark", "cells for", "no header row"})
        if (reason.find(row) != std::string::npos) return true;
    return false;
}

TPointsCsvResult Read(std::string_view text, const TProfile& profile, bool paste)
{
    if (!paste) return ParsePointsCsv(text, profile);
    const TPointsCsvResult asFile = ParsePointsCsv(text, profile);
    // A paste is read as the point list reads it, over the points as they stand.
    const TPointsCsvResult read = ParsePointsCsv(text, profile, THeaderRow::Optional, [&profile](int i) {
        return EntryWords(i, ShownEntry(profile, i, TPointRules::Of(profile)));
    });
    // A header row, when there is one, is read the same either way.
    if (asFile && !read) Fail("a file that reads is refused as a paste");
    return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    static const TFixedIdentity identities[] = {
        TFixedIdentity(0, 3.0f), TFixedIdentity(BaseModelRow, 2.5f),
        TFixedIdentity(IsdbTModelRow, 3.0f), TFixedIdentity(DvbT2ModelRow, 3.0f)};
    const TFixedIdentity& identity = identities[data[0] & 3];
    const bool paste = (data[0] & 4) != 0;
    const bool ownPoints = (data[0] & 8) != 0;

    TLineList lines;
    TProfile profile(&lines, identity);
    profile.SetDefaults();
    const std::size_t used = 1 + (ownPoints ? LoadPoints(data + 1, size - 1, profile) : 0);
    const std::string_view text(reinterpret_cast<const char*>(data + used), size - used);
    const int count = profile.PointCount();
    std::vector<TDetPoint> before;
    for (int i = 0; i < count; ++i) before.push_back(profile.PointRecord(i));

    const TPointsCsvResult read = Read(text, profile, paste);
    if (!read) {
        if (!read.Changes.empty()) Fail("a refused text with changes");
        const TCsvProblem& problem = *read.Problem;
        if (problem.Reason.empty() || problem.Row < 1) Fail("a refusal that does not say which row or why");
        if (problem.Column.empty() && !RowLevelReason(problem.Reason)) Fail("a refusal that does not say which column");
        return 0;
    }

    std::vector<bool> named(std::size_t(count), false);
    for (const TPointChange& change : read.Changes) {
        if (change.Point < 0 || change.Point >= count) Fail("a point outside the instrument's", change.Point);
        if (named[std::size_t(change.Point)]) Fail("a point named twice", change.Point);
        named[std::size_t(change.Point)] = true;
    }
    ApplyPointChanges(profile, read.Changes);
    for (int i = 0; i < count; ++i)
        if (!named[std::size_t(i)] && !SamePoint(profile.PointRecord(i), before[std::size_t(i)]))
            Fail("a point the text does not name has changed", i);
    const TLineList applied = ProjectText(profile);

    const TPointsCsvResult again = Read(text, profile, paste);
    if (!again) Fail("the same text refused over its own result");
    ApplyPointChanges(profile, again.Changes);
    if (ProjectText(profile) != applied) Fail("reading the same text twice changed the points again");

    const TPointsCsvResult exported = ParsePointsCsv(WritePointsCsv(profile), profile);
    if (!exported) Fail("an export that does not read back");
    ApplyPointChanges(profile, exported.Changes);
    if (ProjectText(profile) != applied) Fail("an export that reads back to other settings");
    return 0;
}
