#pragma once
// The client's side of RFC 2217 (Telnet COM-PORT-OPTION) over a Telnet
// stream taken apart by TTelnetParser: which options to take, the line
// settings to ask for and whether the server's answers grant them. Plain
// standard C++ without input or output: the network device sends what this
// returns and feeds it what the server sent.
//
//   client  IAC WILL 44                          may I set the port?
//   server  IAC DO 44                            yes (IAC DONT 44: no)
//   client  IAC SB 44 01 00 01 C2 00 IAC SE      SET-BAUDRATE 115200
//   server  IAC SB 44 65 00 01 C2 00 IAC SE      the baud rate now set (100 + 1)
//   ... the same for data size (2), parity (3), stop size (4), control (5).
//
// DTR and RTS go out as SET-CONTROL too, but their answers are not awaited: a
// server whose device is a pseudo-terminal never gives them.

#include "TelnetParser.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvantis {

namespace comport {
inline constexpr std::uint8_t SetBaudRate = 1;
inline constexpr std::uint8_t SetDataSize = 2;
inline constexpr std::uint8_t SetParity = 3;
inline constexpr std::uint8_t SetStopSize = 4;
inline constexpr std::uint8_t SetControl = 5;
inline constexpr std::uint8_t ServerOffset = 100;  // an answer is the request's number plus 100
inline constexpr std::uint8_t ParityNone = 1;
inline constexpr std::uint8_t StopOne = 1;
inline constexpr std::uint8_t NoFlowControl = 1;
inline constexpr std::uint8_t DtrOn = 8;
inline constexpr std::uint8_t DtrOff = 9;
inline constexpr std::uint8_t RtsOn = 11;
inline constexpr std::uint8_t RtsOff = 12;
}  // namespace comport

class TRfc2217Client {
public:
    enum class TStatus { Pending, Granted, Refused };

    // What opens the conversation: our offers, sent before anything is read.
    std::string Start();
    // One event from the server; returns what to answer it (often nothing).
    std::string Take(const TTelnetEvent& event);

    // Whether the server lets us set the port (DO or DONT COM-PORT-OPTION).
    TStatus PortControl() const { return FComPort; }
    bool BinaryIn() const { return FRemote[telnet::BINARY]; }
    bool BinaryOut() const { return FLocal[telnet::BINARY]; }

    // The requests for 115200 baud, 8 data bits, no parity, one stop bit and
    // no flow control; their answers are then awaited.
    std::string LineRequest();
    // Granted when every answer came and matched, Refused as soon as one did
    // not (Reason says which), Pending while answers are missing.
    TStatus LineStatus() const;
    const std::string& Reason() const { return FReason; }
    // The setting whose answer is still missing, to say what never came.
    std::string MissingAnswer() const;

    // A SET-CONTROL request whose answer is not awaited (DTR, RTS).
    static std::string ControlRequest(std::uint8_t value);
    static std::string Subnegotiation(std::uint8_t command, const std::string& value);

private:
    struct TExpected {
        std::uint8_t Command;
        std::uint32_t Value;
        bool Answered;
    };
    bool Wanted(bool local, std::uint8_t option) const;
    std::string Option(std::uint8_t verb, std::uint8_t option);
    void TakeAnswer(const std::string& payload);

    bool FLocal[256] = {};         // options in force on our side
    bool FRemote[256] = {};        // options in force on the server's side
    bool FAskedLocal[256] = {};    // WILL sent, answer awaited
    bool FAskedRemote[256] = {};   // DO sent, answer awaited
    TStatus FComPort = TStatus::Pending;
    std::vector<TExpected> FExpected;
    std::string FReason;
};

}  // namespace orvantis
