#include "PointsCsv.h"

#include "Utf8Text.h"

#include <algorithm>
#include <charconv>

namespace orvantis {

namespace {

using TRow = std::vector<std::string>;

struct TSplit {
    std::vector<TRow> Rows;  // every row, blank ones included, so numbers match a spreadsheet's
    std::optional<TCsvProblem> Problem;
};

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Tab or semicolon when the first row holds one outside quotes, else comma.
char DetectSeparator(std::string_view text)
{
    bool quoted = false;
    bool semicolon = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (IsLineEnd(c)) break;
        if (c == '\t') return '\t';
        if (c == ';') semicolon = true;
    }
    return semicolon ? ';' : ',';
}

TSplit SplitRows(std::string_view text, char separator)
{
    TSplit split;
    TRow row;
    std::string cell;
    std::size_t i = 0;
    const auto endRow = [&] {
        row.push_back(std::move(cell));
        cell.clear();
        split.Rows.push_back(std::move(row));
        row.clear();
    };
    while (i < text.size()) {
        if (text[i] == '"' && cell.empty()) {
            // A quoted cell: "" is one quote; line ends are part of it.
            const int startRow = static_cast<int>(split.Rows.size()) + 1;
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    split.Problem = TCsvProblem{startRow, {}, "a quotation mark is not closed"};
                    return split;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += text[i++];
            }
            if (i < text.size() && text[i] != separator && !IsLineEnd(text[i])) {
                split.Problem = TCsvProblem{startRow, {}, "text after a closing quotation mark"};
                return split;
            }
            continue;
        }
        const char c = text[i++];
        if (c == separator) {
            row.push_back(std::move(cell));
            cell.clear();
        } else if (IsLineEnd(c)) {
            if (c == '\r' && i < text.size() && text[i] == '\n') ++i;
            endRow();
        } else {
            cell += c;
        }
    }
    if (!cell.empty() || !row.empty()) endRow();
    return split;
}

bool IsBlankRow(const TRow& row)
{
    for (const std::string& cell : row)
        if (cell.find_first_not_of(" \t") != std::string::npos) return false;
    return true;
}

std::string_view TrimmedCell(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string ColumnName(const TRow& header, std::size_t k)
{
    const std::string_view name = TrimmedCell(header[k]);
    return name.empty() ? std::to_string(k + 1) : std::string(name);
}

// A spreadsheet whose used range is wider than the list writes empty header
// cells at the end, as it writes empty cells at the end of the rows.
std::size_t UsedHeaderCells(const TRow& header)
{
    std::size_t used = header.size();
    while (used > 0 && TrimmedCell(header[used - 1]).empty()) --used;
    return used;
}

// The column of cell k as the header names it; by the list's order where
// the text has no header; else its number.
std::string CellColumnName(const std::vector<TRow>& rows, THeaderRow header, std::size_t k)
{
    const bool named = !rows.empty() && std::any_of(rows[0].begin(), rows[0].end(), [](const std::string& cell) {
        return DecodeUtf8(cell) && PointColumnByKey(cell);
    });
    if (named) return k < rows[0].size() && DecodeUtf8(rows[0][k]) ? ColumnName(rows[0], k) : std::to_string(k + 1);
    if (header == THeaderRow::Optional && k < static_cast<std::size_t>(PointColumnCount))
        return std::string(PointColumnKey(static_cast<TPointColumn>(k)));
    return std::to_string(k + 1);
}

std::string AllKeys()
{
    std::string keys;
    for (int c = 0; c < PointColumnCount; ++c)
        keys += (c ? "," : "") + std::string(PointColumnKey(static_cast<TPointColumn>(c)));
    return keys;
}

// Quoted when it holds a separator of any kind (so the first row decides the
// separator right), a quote, a line end or blanks at either end.
std::string CsvCell(std::string_view text)
{
    const bool plain = text.find_first_of("\",;\t\r\n") == std::string_view::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

}  // namespace

std::string TCsvProblem::Text() const
{
    std::string text;
    if (Row > 0) text = "Row " + std::to_string(Row);
    if (!Column.empty()) text += (text.empty() ? "Column " : ", column ") + Column;
    return text.empty() ? Reason : text + ": " + Reason;
}

TPointRecords ReadPointRecords(std::string_view text, int pointCount, THeaderRow header)
{
    TPointRecords result;
    const auto fail = [&](int row, std::string column, std::string reason) {
        result.Records.clear();
        result.Problem = TCsvProblem{row, std::move(column), std::move(reason)};
        return result;
    };
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // the byte order mark spreadsheets write

    // The separators, quotes and line ends are ASCII: rows split alike
    // whatever the bytes between them, so a text that is not UTF-8 can be
    // named by the cell where it stops being so.
    TSplit split = SplitRows(text, DetectSeparator(text));
    if (split.Problem) return fail(split.Problem->Row, {}, split.Problem->Reason);
    std::vector<TRow>& rows = split.Rows;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t k = 0; k < rows[r].size(); ++k)
            if (!DecodeUtf8(rows[r][k])) return fail(static_cast<int>(r) + 1, CellColumnName(rows, header, k), "not UTF-8 text");

    // Which column of the list each cell position holds.
    std::vector<std::optional<TPointColumn>> columns;
    std::size_t first = 0;
    const bool hasHeader = !rows.empty() && [&] {
        for (const std::string& cell : rows[0])
            if (PointColumnByKey(cell)) return true;
        return false;
    }();
    if (hasHeader) {
        first = 1;
        std::array<bool, PointColumnCount> named{};
        for (std::size_t k = 0; k < UsedHeaderCells(rows[0]); ++k) {
            const std::optional<TPointColumn> column = PointColumnByKey(rows[0][k]);
            if (!column) return fail(1, ColumnName(rows[0], k), "unknown column; the columns are " + AllKeys());
            if (named[static_cast<int>(*column)]) return fail(1, ColumnName(rows[0], k), "named twice");
            named[static_cast<int>(*column)] = true;
            columns.push_back(column);
        }
        if (!named[0]) return fail(1, "index", "missing; it gives each row's point number");
    } else if (header == THeaderRow::Required) {
        return fail(1, {}, "no header row; the first row names the columns: " + AllKeys());
    } else {
        for (int c = 0; c < PointColumnCount; ++c) columns.push_back(static_cast<TPointColumn>(c));
    }

    std::vector<int> rowOfPoint(static_cast<std::size_t>(pointCount), 0);
    for (std::size_t r = first; r < rows.size(); ++r) {
        const TRow& row = rows[r];
        const int rowNumber = static_cast<int>(r) + 1;
        if (IsBlankRow(row)) continue;
        // Empty cells past the last column are what some spreadsheets leave.
        const std::string cellCount = std::to_string(row.size()) + " cells for " + std::to_string(columns.size()) + " columns";
        for (std::size_t k = columns.size(); k < row.size(); ++k)
            if (!TrimmedCell(row[k]).empty()) return fail(rowNumber, {}, cellCount);
        if (row.size() < columns.size()) return fail(rowNumber, {}, cellCount);

        TPointRecord record;
        record.Row = rowNumber;
        for (std::size_t k = 0; k < columns.size(); ++k) record.Cells[static_cast<int>(*columns[k])] = row[k];
        const std::string_view index = TrimmedCell(*record.Cells[0]);
        int number = 0;
        const auto [end, error] = std::from_chars(index.data(), index.data() + index.size(), number);
        const std::string indexColumn(PointColumnKey(TPointColumn::Index));
        if (index.empty() || error != std::errc() || end != index.data() + index.size())
            return fail(rowNumber, indexColumn, "\"" + std::string(index) + "\" is not a point number");
        if (number < 1 || number > pointCount)
            return fail(rowNumber, indexColumn, std::to_string(number) + " is outside 1 to " + std::to_string(pointCount));
        int& seen = rowOfPoint[static_cast<std::size_t>(number - 1)];
        if (seen) return fail(rowNumber, indexColumn, "point " + std::to_string(number) + " is also in row " + std::to_string(seen));
        seen = rowNumber;
        record.Point = number - 1;
        result.Records.push_back(std::move(record));
    }
    return result;
}

TPointsCsvResult ParsePointsCsv(std::string_view text, const TProfile& profile)
{
    const TPointRules rules = TPointRules::Of(profile);
    return ParsePointsCsv(text, profile, THeaderRow::Required,
                          [&](int point) { return EntryWords(point, ShownEntry(profile, point, rules)); });
}

TPointsCsvResult ParsePointsCsv(std::string_view text, const TProfile& profile, THeaderRow header,
                                const TCurrentWords& current)
{
    TPointsCsvResult result;
    const TPointRules rules = TPointRules::Of(profile);
    TPointRecords records = ReadPointRecords(text, rules.Count, header);
    if (records.Problem) {
        result.Problem = records.Problem;
        return result;
    }
    for (const TPointRecord& record : records.Records) {
        const TPointEntry shown = ShownEntry(profile, record.Point, rules);
        TPointWords words = current(record.Point);
        for (int c = 0; c < PointColumnCount; ++c)
            if (record.Cells[c]) words[c] = *record.Cells[c];
        const std::variant<TPointEntry, TCellProblem> read = ReadPointWords(words, shown, rules);
        if (const auto* problem = std::get_if<TCellProblem>(&read)) {
            result.Changes.clear();
            result.Problem = TCsvProblem{record.Row, std::string(PointColumnKey(problem->Column)), problem->Reason};
            return result;
        }
        result.Changes.push_back({record.Point, std::get<TPointEntry>(read)});
    }
    return result;
}

void ApplyPointChanges(TProfile& profile, const std::vector<TPointChange>& changes)
{
    const TPointRules rules = TPointRules::Of(profile);
    for (const TPointChange& change : changes) StoreEntry(profile, change.Point, change.Entry, rules);
}

std::string WritePointRows(const std::vector<TPointWords>& rows, bool header)
{
    std::string text;
    const auto line = [&](const auto& cells) {
        for (int c = 0; c < PointColumnCount; ++c) text += (c ? "," : "") + CsvCell(cells[c]);
        text += "\r\n";
    };
    if (header) {
        std::array<std::string_view, PointColumnCount> keys;
        for (int c = 0; c < PointColumnCount; ++c) keys[c] = PointColumnKey(static_cast<TPointColumn>(c));
        line(keys);
    }
    for (const TPointWords& row : rows) line(row);
    return text;
}

std::string WritePointsCsv(const TProfile& profile)
{
    const TPointRules rules = TPointRules::Of(profile);
    std::vector<TPointWords> rows;
    for (int i = 0; i < rules.Count; ++i) rows.push_back(EntryWords(i, ShownEntry(profile, i, rules)));
    return WritePointRows(rows, true);
}

}  // namespace orvantis
