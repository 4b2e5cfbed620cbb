#include "Rfc2217Client.h"

namespace orvantis {

using namespace telnet;

namespace {

std::string Bytes(std::initializer_list<std::uint8_t> bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

const char* SettingName(std::uint8_t command)
{
    switch (command) {
    case comport::SetBaudRate: return "baud rate";
    case comport::SetDataSize: return "data bits";
    case comport::SetParity: return "parity";
    case comport::SetStopSize: return "stop bits";
    default: return "flow control";
    }
}

}  // namespace

std::string TRfc2217Client::Start()
{
    std::string out;
    for (std::uint8_t option : {COM_PORT_OPTION, BINARY, SGA}) {
        FAskedLocal[option] = true;
        out += Bytes({IAC, WILL, option});
    }
    for (std::uint8_t option : {BINARY, SGA}) {
        FAskedRemote[option] = true;
        out += Bytes({IAC, DO, option});
    }
    return out;
}

bool TRfc2217Client::Wanted(bool local, std::uint8_t option) const
{
    // Binary both ways, no go-aheads; the server's echo would send our
    // commands back to us.
    if (option == BINARY || option == SGA) return true;
    return local && option == COM_PORT_OPTION;
}

std::string TRfc2217Client::Option(std::uint8_t verb, std::uint8_t option)
{
    // RFC 1143's rule that ends every loop: answer only a request that
    // changes an option, and never answer an answer.
    const bool local = verb == DO || verb == DONT;
    const bool enable = verb == DO || verb == WILL;
    bool& state = local ? FLocal[option] : FRemote[option];
    bool& asked = local ? FAskedLocal[option] : FAskedRemote[option];
    const bool wasAsked = asked;
    asked = false;
    std::string reply;
    if (enable && !state) {
        if (Wanted(local, option)) {
            state = true;
            if (!wasAsked) reply = Bytes({IAC, local ? WILL : DO, option});
        } else {
            reply = Bytes({IAC, local ? WONT : DONT, option});
        }
    } else if (!enable && state) {
        state = false;
        reply = Bytes({IAC, local ? WONT : DONT, option});
    }
    if (local && option == COM_PORT_OPTION) FComPort = FLocal[option] ? TStatus::Granted : TStatus::Refused;
    return reply;
}

std::string TRfc2217Client::Take(const TTelnetEvent& event)
{
    if (event.Kind == TTelnetEvent::TKind::Option) return Option(event.Verb, event.Option);
    // Notifications (line and modem state, flow control) and answers to
    // requests we do not wait for are of no use here.
    if (event.Option == COM_PORT_OPTION) TakeAnswer(event.Payload);
    return {};
}

void TRfc2217Client::TakeAnswer(const std::string& payload)
{
    if (payload.empty()) return;
    const auto command = static_cast<std::uint8_t>(payload[0]);
    if (command <= comport::ServerOffset) return;
    std::uint32_t value = 0;
    for (std::size_t i = 1; i < payload.size() && i <= 4; ++i) value = value << 8 | static_cast<std::uint8_t>(payload[i]);
    for (TExpected& expected : FExpected) {
        if (expected.Answered || expected.Command + comport::ServerOffset != command) continue;
        expected.Answered = true;
        if (value != expected.Value && FReason.empty())
            FReason = "the port server set the " + std::string(SettingName(expected.Command)) + " to " +
                      std::to_string(value) + " instead of " + std::to_string(expected.Value);
        return;
    }
}

std::string TRfc2217Client::Subnegotiation(std::uint8_t command, const std::string& value)
{
    std::string out = Bytes({IAC, SB, COM_PORT_OPTION, command});
    for (char c : value) {
        out.push_back(c);
        if (static_cast<std::uint8_t>(c) == IAC) out.push_back(c);
    }
    return out + Bytes({IAC, SE});
}

std::string TRfc2217Client::ControlRequest(std::uint8_t value)
{
    return Subnegotiation(comport::SetControl, std::string(1, static_cast<char>(value)));
}

std::string TRfc2217Client::LineRequest()
{
    constexpr std::uint32_t Baud = 115200;
    FReason.clear();
    FExpected = {{comport::SetBaudRate, Baud, false},
                 {comport::SetDataSize, 8, false},
                 {comport::SetParity, comport::ParityNone, false},
                 {comport::SetStopSize, comport::StopOne, false},
                 {comport::SetControl, comport::NoFlowControl, false}};
    std::string out;
    for (const TExpected& e : FExpected) {
        std::string value;
        if (e.Command == comport::SetBaudRate)
            value = Bytes({static_cast<std::uint8_t>(e.Value >> 24), static_cast<std::uint8_t>(e.Value >> 16),
                           static_cast<std::uint8_t>(e.Value >> 8), static_cast<std::uint8_t>(e.Value)});
        else
            value = std::string(1, static_cast<char>(e.Value));
        out += Subnegotiation(e.Command, value);
    }
    return out;
}

TRfc2217Client::TStatus TRfc2217Client::LineStatus() const
{
    if (!FReason.empty()) return TStatus::Refused;
    for (const TExpected& e : FExpected)
        if (!e.Answered) return TStatus::Pending;
    return TStatus::Granted;
}

std::string TRfc2217Client::MissingAnswer() const
{
    for (const TExpected& e : FExpected)
        if (!e.Answered) return SettingName(e.Command);
    return {};
}

}  // namespace orvantis
