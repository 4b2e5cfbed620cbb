// The Telnet stream of an RFC 2217 server taken apart, and the client's
// answers to it: what no live ser2net shows on demand (a stream cut at every
// byte, refusals, a server that argues).

#include "Rfc2217Client.h"
#include "TelnetParser.h"

#include <gtest/gtest.h>

using namespace orvantis;
using namespace orvantis::telnet;

namespace {

std::string B(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes) s.push_back(static_cast<char>(b));
    return s;
}

struct TParsed {
    std::string Data;
    std::vector<TTelnetEvent> Events;
};

TParsed Parse(const std::string& stream, std::size_t piece, bool binary = true)
{
    TTelnetParser parser;
    parser.SetBinaryIn(binary);
    TParsed parsed;
    for (std::size_t at = 0; at < stream.size(); at += piece) {
        const std::string part = stream.substr(at, piece);
        parser.Feed(reinterpret_cast<const std::uint8_t*>(part.data()), part.size(), parsed.Data, parsed.Events);
    }
    return parsed;
}

}  // namespace

TEST(Telnet, ParserGivesTheSameDataAndEventsWhereverTheStreamIsCut)
{
    // Data with a doubled 0xFF, NOP, GA, an option request, a notification
    // whose value holds a doubled 0xFF, an over-long subnegotiation, more data.
    std::string stream = "A" + B({IAC, IAC}) + "B" + B({IAC, 0xF1, IAC, 0xF9, IAC, WILL, ECHO}) + "C" +
                         B({IAC, SB, COM_PORT_OPTION, 107, IAC, IAC, IAC, SE}) + "D" + B({IAC, SB, 99});
    stream += std::string(200, 'x') + B({IAC, SE}) + "\r" + B({0}) + "E";
    for (std::size_t piece : {stream.size(), std::size_t(1), std::size_t(3)}) {
        const TParsed parsed = Parse(stream, piece);
        EXPECT_EQ(parsed.Data, "A" + B({0xFF}) + "BCD\r" + B({0}) + "E") << piece;
        ASSERT_EQ(parsed.Events.size(), 3u);
        EXPECT_EQ(parsed.Events[0].Verb, WILL);
        EXPECT_EQ(parsed.Events[0].Option, ECHO);
        EXPECT_EQ(parsed.Events[1].Payload, B({107, 0xFF}));
        EXPECT_EQ(parsed.Events[2].Payload.size(), TTelnetParser::MaxPayload);
    }
    // Outside the binary mode the NUL after a CR is padding.
    EXPECT_EQ(Parse("\r" + B({0}) + "E", 1, false).Data, "\rE");
    EXPECT_EQ(TelnetEscape("\xFF\r\r\n", 4, true), B({0xFF, 0xFF, '\r', '\r', '\n'}));
    EXPECT_EQ(TelnetEscape("\xFF\r\r\n", 4, false), B({0xFF, 0xFF, '\r', 0, '\r', '\n'}));
}

TEST(Telnet, ClientAnswersOnlyChangesAndJudgesTheSettings)
{
    TRfc2217Client client;
    EXPECT_EQ(client.Start(), B({IAC, WILL, 44, IAC, WILL, BINARY, IAC, WILL, SGA, IAC, DO, BINARY, IAC, DO, SGA}));
    // ser2net's opening: answers to our offers get no answer back; echo is declined once.
    const auto take = [&](int verb, int option) {
        return client.Take({TTelnetEvent::TKind::Option, static_cast<std::uint8_t>(verb), static_cast<std::uint8_t>(option), {}});
    };
    EXPECT_EQ(take(WILL, SGA) + take(DO, SGA) + take(WILL, ECHO) + take(DONT, ECHO) + take(DO, BINARY) + take(WILL, BINARY),
              B({IAC, DONT, ECHO}));
    EXPECT_EQ(take(WILL, ECHO), B({IAC, DONT, ECHO}));
    EXPECT_EQ(take(DO, 24), B({IAC, WONT, 24}));
    EXPECT_EQ(client.PortControl(), TRfc2217Client::TStatus::Pending);
    EXPECT_EQ(take(DO, 44), "");
    EXPECT_EQ(client.PortControl(), TRfc2217Client::TStatus::Granted);
    EXPECT_TRUE(client.BinaryIn() && client.BinaryOut());

    const std::string request = client.LineRequest();
    EXPECT_EQ(request.substr(0, 10), B({IAC, SB, 44, 1, 0x00, 0x01, 0xC2, 0x00, IAC, SE}));
    const auto answer = [&](const std::string& payload) {
        client.Take({TTelnetEvent::TKind::Subnegotiation, 0, 44, payload});
    };
    answer(B({107, 0x30}));  // a notification is no answer
    answer(B({101, 0x00, 0x01, 0xC2, 0x00}));
    answer(B({102, 8}));
    answer(B({103, 1}));
    answer(B({104, 1}));
    EXPECT_EQ(client.LineStatus(), TRfc2217Client::TStatus::Pending);
    EXPECT_EQ(client.MissingAnswer(), "flow control");
    answer(B({105, 1}));
    EXPECT_EQ(client.LineStatus(), TRfc2217Client::TStatus::Granted);

    client.LineRequest();
    answer(B({101, 0x00, 0x00, 0x25, 0x80}));
    EXPECT_EQ(client.LineStatus(), TRfc2217Client::TStatus::Refused);
    EXPECT_EQ(client.Reason(), "the port server set the baud rate to 9600 instead of 115200");

    TRfc2217Client refused;
    refused.Start();
    EXPECT_EQ(refused.Take({TTelnetEvent::TKind::Option, DONT, 44, {}}), "");
    EXPECT_EQ(refused.PortControl(), TRfc2217Client::TStatus::Refused);
}
