#include "TelnetParser.h"

namespace orvantis {

using namespace telnet;

void TTelnetParser::Feed(const std::uint8_t* bytes, std::size_t size, std::string& data, std::vector<TTelnetEvent>& events)
{
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = bytes[i];
        switch (FState) {
        case TState::Data:
            if (b == IAC) {
                FState = TState::Command;
            } else {
                const bool padding = b == 0 && FAfterCr && !FBinaryIn;
                FAfterCr = b == '\r';
                if (!padding) data.push_back(static_cast<char>(b));
            }
            break;
        case TState::Command:
            FAfterCr = false;
            if (b == IAC) {
                data.push_back(static_cast<char>(IAC));
                FState = TState::Data;
            } else if (b == WILL || b == WONT || b == DO || b == DONT) {
                FVerb = b;
                FState = TState::Verb;
            } else if (b == SB) {
                FState = TState::SubOption;
            } else {
                FState = TState::Data;  // NOP, GA, AYT, a stray SE...: nothing for us
            }
            break;
        case TState::Verb:
            events.push_back({TTelnetEvent::TKind::Option, FVerb, b, {}});
            FState = TState::Data;
            break;
        case TState::SubOption:
            FSub = {TTelnetEvent::TKind::Subnegotiation, 0, b, {}};
            FState = TState::SubData;
            break;
        case TState::SubData:
            if (b == IAC)
                FState = TState::SubCommand;
            else if (FSub.Payload.size() < MaxPayload)
                FSub.Payload.push_back(static_cast<char>(b));
            break;
        case TState::SubCommand:
            if (b == IAC) {
                if (FSub.Payload.size() < MaxPayload) FSub.Payload.push_back(static_cast<char>(IAC));
                FState = TState::SubData;
            } else {
                // SE ends it; any other command there is a broken server:
                // end the subnegotiation all the same rather than swallow data.
                events.push_back(std::move(FSub));
                FSub = {};
                FState = TState::Data;
            }
            break;
        }
    }
}

std::string TelnetEscape(const char* data, std::size_t size, bool binaryOut)
{
    std::string out;
    out.reserve(size + 8);
    for (std::size_t i = 0; i < size; ++i) {
        const char c = data[i];
        out.push_back(c);
        if (static_cast<std::uint8_t>(c) == IAC)
            out.push_back(c);
        else if (c == '\r' && !binaryOut && (i + 1 == size || data[i + 1] != '\n'))
            out.push_back('\0');
    }
    return out;
}

}  // namespace orvantis
