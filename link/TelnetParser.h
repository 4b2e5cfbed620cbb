#pragma once
// The Telnet byte stream of an RFC 2217 port server, taken apart: data bytes
// (0xFF arrives doubled and leaves single) and the commands between them.
// Option requests (WILL, WONT, DO, DONT) and subnegotiations (SB ... SE) come
// out as events; every other command (NOP, GA, AYT, ...) is dropped. Plain
// standard C++ with no input or output of its own, so anything can be fed to
// it, in pieces of any size.
//
//   IAC WILL 44               FF FB 2C
//   IAC SB 44 65 00 01 C2 00 IAC SE     FF FA 2C 65 00 01 C2 00 FF F0
//   data 41 FF 42             41 FF FF 42

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvantis {

namespace telnet {
inline constexpr std::uint8_t IAC = 0xFF;
inline constexpr std::uint8_t DONT = 0xFE;
inline constexpr std::uint8_t DO = 0xFD;
inline constexpr std::uint8_t WONT = 0xFC;
inline constexpr std::uint8_t WILL = 0xFB;
inline constexpr std::uint8_t SB = 0xFA;
inline constexpr std::uint8_t SE = 0xF0;
inline constexpr std::uint8_t BINARY = 0;
inline constexpr std::uint8_t ECHO = 1;
inline constexpr std::uint8_t SGA = 3;
inline constexpr std::uint8_t COM_PORT_OPTION = 44;
}  // namespace telnet

struct TTelnetEvent {
    enum class TKind { Option, Subnegotiation };
    TKind Kind = TKind::Option;
    std::uint8_t Verb = 0;         // WILL, WONT, DO or DONT (options only)
    std::uint8_t Option = 0;
    std::string Payload;           // what stood between "IAC SB option" and "IAC SE", undoubled
};

class TTelnetParser {
public:
    // Longest subnegotiation kept; the rest of a longer one is dropped (no
    // server sends more than a few bytes, and a broken one must not grow us).
    static constexpr std::size_t MaxPayload = 64;

    // Takes bytes as they came from the server: the data bytes among them are
    // appended to data, the option requests and subnegotiations to events.
    // Without the binary mode a NUL after a CR is padding and dropped.
    void Feed(const std::uint8_t* bytes, std::size_t size, std::string& data, std::vector<TTelnetEvent>& events);
    void SetBinaryIn(bool binary) { FBinaryIn = binary; }

private:
    enum class TState { Data, Command, Verb, SubOption, SubData, SubCommand };
    TState FState = TState::Data;
    std::uint8_t FVerb = 0;
    TTelnetEvent FSub;
    bool FBinaryIn = false;
    bool FAfterCr = false;
};

// Data as it goes to a Telnet server: 0xFF doubled, and without the binary
// mode a CR not followed by LF padded with NUL.
std::string TelnetEscape(const char* data, std::size_t size, bool binaryOut);

}  // namespace orvantis
