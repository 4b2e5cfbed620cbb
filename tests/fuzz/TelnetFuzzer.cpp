// libFuzzer target: arbitrary bytes as what an RFC 2217 port server sends,
// cut into pieces at the places the first bytes choose. The parser and the
// client's answers must keep their bounds and never take up an option twice;
// and any data, escaped as it goes out and parsed as it comes in, must come
// back unchanged wherever the stream is cut.

#include "Rfc2217Client.h"
#include "TelnetParser.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace orvantis;

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Feeds stream to parser in pieces of 1 to 8 bytes, as cuts chooses.
std::string ParseInPieces(TTelnetParser& parser, const std::string& stream, const std::uint8_t* cuts, std::size_t cutCount,
                          std::vector<TTelnetEvent>& events)
{
    std::string data;
    std::size_t at = 0;
    for (std::size_t i = 0; at < stream.size(); ++i) {
        const std::size_t piece = cutCount ? 1 + cuts[i % cutCount] % 8 : stream.size();
        const std::size_t n = std::min(piece, stream.size() - at);
        parser.Feed(reinterpret_cast<const std::uint8_t*>(stream.data() + at), n, data, events);
        at += n;
    }
    return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::size_t cutCount = size > 0 ? bytes[0] % 16 : 0;
    if (size < 1 + cutCount) return 0;
    const std::uint8_t* cuts = bytes + 1;
    const std::string stream(reinterpret_cast<const char*>(bytes + 1 + cutCount), size - 1 - cutCount);

    // The server's stream: events bounded, answers only to what changes.
    TTelnetParser parser;
    TRfc2217Client client;
    client.Start();
    client.LineRequest();
    std::vector<TTelnetEvent> events;
    const std::string data = ParseInPieces(parser, stream, cuts, cutCount, events);
    if (data.size() > stream.size()) Fail("more data than bytes");
    for (const TTelnetEvent& event : events) {
        if (event.Payload.size() > TTelnetParser::MaxPayload) Fail("payload over its bound");
        const std::string reply = client.Take(event);
        if (reply.size() > 3) Fail("more than one option answer to one event");
        // An option taken up is not answered again when asked again.
        const bool accepted = reply.size() == 3 && (static_cast<std::uint8_t>(reply[1]) == telnet::WILL ||
                                                    static_cast<std::uint8_t>(reply[1]) == telnet::DO);
        if (accepted && !client.Take(event).empty()) Fail("a request answered twice");
    }
    client.LineStatus();

    // Data through both directions comes back unchanged.
    TTelnetParser binary;
    binary.SetBinaryIn(true);
    std::vector<TTelnetEvent> none;
    if (ParseInPieces(binary, TelnetEscape(stream.data(), stream.size(), true), cuts, cutCount, none) != stream || !none.empty())
        Fail("binary data changed on its way");
    std::string text = stream;
    for (char& c : text)
        if (c == '\0') c = ' ';  // a NUL after CR is padding outside the binary mode
    TTelnetParser plain;
    if (ParseInPieces(plain, TelnetEscape(text.data(), text.size(), false), cuts, cutCount, none) != text || !none.empty())
        Fail("text changed on its way");
    return 0;
}
