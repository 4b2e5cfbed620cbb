#pragma once
// Project text line by line: splitting file bytes into lines, and the one
// reading of a line that loading a project and sending it share.
//
//   send *E2P1F00 00030000 0A00D200 ...   a record command: loaded and sent
//   # comment, blank lines, other words    nothing to load or send
//   send    or    send # note              a "send" without its command: refused

#include "Profile.h"

#include <string_view>

namespace orvantis {

// CR LF, LF and CR alone end a line; every other byte is kept.
TLineList SplitLines(std::string_view bytes);

enum class TLineKind {
    Text,     // blank, comment, or a first word other than SEND: nothing to do
    BadSend,  // SEND without a command, or with a comment in its place
    Send,     // SEND and a command word
};

struct TProjectLine {
    TLineKind Kind = TLineKind::Text;
    std::string_view Command;  // the second word as written, for Send
};

// The text ends at the first LF or NUL. Words are case-insensitive; the first
// ends at a blank, tab, CR, LF or "(", the second also at "," and ")", so
// "SEND(*E2P1F00...)" and "send *e2p1f00..., # note" carry the same command.
TProjectLine ClassifyLine(std::string_view line);

// True for a command that writes a record ("*E2P", either case).
bool IsRecordCommand(std::string_view command);

}  // namespace orvantis
