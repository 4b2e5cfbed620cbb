#pragma once
// Detection points as CSV text, as spreadsheets read and write it: a header
// row naming the columns (index,frequency_khz,name,standard,bandwidth,fft,
// guard,spectral_inversion, in any order, any of them but index left out),
// then one row per point in the points editor's words. RFC 4180 quoting,
// UTF-8. Fields are separated by commas, or by semicolons or tabs when the
// first row is (spreadsheets of comma-decimal locales, and the clipboard).
//
// Reading is all or nothing: either every row given passes the points
// editor's checks for the instrument, or the first problem is reported with
// its row, column and reason and nothing is to be changed. A cell that says
// what the point already holds is not checked again, so a file the program
// wrote always reads back, whatever a point held. Empty header cells at the
// end of the first row are no columns.

#include "PointWords.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvantis {

struct TCsvProblem {
    int Row = 0;         // counted from 1, the header being row 1; 0 for the whole text
    std::string Column;  // as the header names it; empty when no one column is at fault
    std::string Reason;
    // "Row 4, column name: longer than 8 characters"
    std::string Text() const;
};

// One row of the text with the point it names and the cells it gives.
struct TPointRecord {
    int Row = 0;
    int Point = 0;  // 0-based
    std::array<std::optional<std::string>, PointColumnCount> Cells;
};

struct TPointRecords {
    std::vector<TPointRecord> Records;
    std::optional<TCsvProblem> Problem;
};

enum class THeaderRow {
    Required,  // files
    Optional,  // the clipboard: without a header the columns are in the list's order
};

// Splits the text into rows and reads the header and every row's point
// number; the cells' values are not checked here.
TPointRecords ReadPointRecords(std::string_view text, int pointCount, THeaderRow header);

struct TPointChange {
    int Point = 0;  // 0-based
    TPointEntry Entry;
};

struct TPointsCsvResult {
    std::vector<TPointChange> Changes;
    std::optional<TCsvProblem> Problem;
    explicit operator bool() const { return !Problem; }
};

// The one reading of a points file: every row checked against the rules of
// the instrument the model follows, over the points as they stand (columns
// left out keep their values). Needs nothing but the model.
TPointsCsvResult ParsePointsCsv(std::string_view text, const TProfile& profile);
// The same over rows being edited elsewhere (the point list): current(i)
// gives the words of point i as they stand there.
using TCurrentWords = std::function<TPointWords(int point)>;
TPointsCsvResult ParsePointsCsv(std::string_view text, const TProfile& profile, THeaderRow header,
                                const TCurrentWords& current);
// Stores what ParsePointsCsv gave, as the points editor stores points.
void ApplyPointChanges(TProfile& profile, const std::vector<TPointChange>& changes);

// The rows as CSV lines ending in CR LF, with the header row first if asked.
std::string WritePointRows(const std::vector<TPointWords>& rows, bool header);
// Every point in use, as the points editor shows it.
std::string WritePointsCsv(const TProfile& profile);

}  // namespace orvantis
