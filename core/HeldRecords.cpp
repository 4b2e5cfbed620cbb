#include "HeldRecords.h"

#include "ProjectLines.h"

#include <cctype>

namespace orvantis {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Pairs of hexadecimal digits as bytes; nothing when text is not wholly such pairs.
std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view text)
{
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

constexpr std::string_view RecordPrefix = "*E2P";

// True when every byte the record command writes is one the instrument holds.
bool HeldAlready(std::string_view command, const THeldBytes& held)
{
    if (command.size() < RecordPrefix.size() + 4) return false;
    const auto address = HexBytes(command.substr(RecordPrefix.size(), 4));
    const auto bytes = HexBytes(command.substr(RecordPrefix.size() + 4));
    if (!address || !bytes || bytes->empty()) return false;
    const unsigned first = (*address)[0] * 256u + (*address)[1];
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        const unsigned at = first + static_cast<unsigned>(i);
        if (at > 0xFFFF) return false;
        const std::optional<std::uint8_t> byte = held.At(static_cast<std::uint16_t>(at));
        if (!byte || *byte != (*bytes)[i]) return false;
    }
    return true;
}

}  // namespace

void THeldBytes::Take(const std::vector<TReadArea>& plan, const std::vector<std::string>& replies)
{
    std::size_t next = 0;
    for (const TReadArea& area : plan) {
        for (const TReadRequest& request : area.Requests) {
            if (next >= replies.size()) return;
            const std::string& reply = replies[next++];
            // The first four characters ("*E2P") are not data.
            const auto bytes = reply.size() > RecordPrefix.size() ? HexBytes(std::string_view(reply).substr(RecordPrefix.size()))
                                                                  : std::nullopt;
            if (!bytes || static_cast<int>(bytes->size()) != request.ByteCount) continue;
            for (int i = 0; i < request.ByteCount; ++i) FBytes[(request.Address + i) & 0xFFFF] = (*bytes)[static_cast<std::size_t>(i)];
        }
    }
}

std::optional<std::uint8_t> THeldBytes::At(std::uint16_t address) const
{
    const int byte = FBytes[address];
    if (byte < 0) return std::nullopt;
    return static_cast<std::uint8_t>(byte);
}

TChangedRecords ChangedRecords(const TLineList& lines, const THeldBytes& held)
{
    TChangedRecords changed;
    for (const std::string& line : lines) {
        const TProjectLine read = ClassifyLine(line);
        if (read.Kind != TLineKind::Send || !IsRecordCommand(read.Command)) continue;
        ++changed.Records;
        if (!HeldAlready(read.Command, held)) changed.Lines.push_back(line);
    }
    return changed;
}

QString ChangedRecordsText(const TChangedRecords& changed)
{
    return QStringLiteral("%1 of %2 records differ").arg(changed.Lines.size()).arg(changed.Records);
}

}  // namespace orvantis
