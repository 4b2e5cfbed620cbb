#pragma once
// What the instrument holds, byte by byte, as the read before a send found
// it; and which record lines of a project would change it. A send of only
// those lines leaves the instrument as a send of them all would, and spares
// its memory the writes of bytes it holds already.

#include "LinkObserver.h"
#include "Profile.h"
#include "ReadPlan.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace orvantis {

// Keeps the reply lines of one read, in order (ILinkObserver::ReplyRead).
class TReplyRecorder : public ILinkObserver {
public:
    void Start()
    {
        FReplies.clear();
        FOn = true;
    }
    void Stop() { FOn = false; }
    const std::vector<std::string>& Replies() const { return FReplies; }
    void ReplyRead(std::string_view line) override
    {
        if (FOn) FReplies.emplace_back(line);
    }

private:
    bool FOn = false;
    std::vector<std::string> FReplies;
};

class THeldBytes {
public:
    // The replies of a whole read of plan, one per request in order: each
    // gives the bytes at its address. A reply that does not carry exactly the
    // bytes asked for gives none.
    void Take(const std::vector<TReadArea>& plan, const std::vector<std::string>& replies);
    // The byte at address, when the read gave it.
    std::optional<std::uint8_t> At(std::uint16_t address) const;

private:
    std::vector<int> FBytes = std::vector<int>(0x10000, -1);
};

struct TChangedRecords {
    TLineList Lines;  // the record lines to send, in the order of the project
    int Records = 0;  // record lines in the project
};

// The record lines of the project text whose bytes the instrument does not
// hold, every one of them where a byte is not known or the line cannot be
// read as address and bytes: in doubt a record is sent.
TChangedRecords ChangedRecords(const TLineList& lines, const THeldBytes& held);

// "3 of 112 records differ"
QString ChangedRecordsText(const TChangedRecords& changed);

}  // namespace orvantis
