#include "InstrumentTransfer.h"

#include "TextCodec.h"
#include "TimeText.h"

#include <stdexcept>

namespace orvantis {

namespace {

// strtok's way: skip a run of delimiters, take the word up to the next one.
std::string_view NextWord(std::string_view& rest, std::string_view delimiters)
{
    const std::size_t start = rest.find_first_not_of(delimiters);
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    const std::size_t end = rest.find_first_of(delimiters);
    const std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return word;
}

}  // namespace

TLineVerdict JudgeSendLine(std::string_view line, std::string& command)
{
    line = line.substr(0, line.find('\n'));
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') return TLineVerdict::Ok;
    std::string upper(line.substr(first));
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    std::string_view rest = upper;
    if (NextWord(rest, std::string_view(" \t\n\r(", 5)) != "SEND") return TLineVerdict::Ok;
    const std::string_view second = NextWord(rest, std::string_view(" \t\n\r,()", 7));
    if (second.empty() || second.front() == '#') return TLineVerdict::Error;
    if (second.substr(0, 4) != "*E2P") return TLineVerdict::Ok;
    command = std::string(second);
    return TLineVerdict::Record;
}

TTransferResult SendData(TEquipmentLink& link, ILinkHost& host, TProject& project, IPrompter& prompter)
{
    TLinkOperation operation(link);
    if (!operation.Started()) return TTransferResult::Busy;

    host.Log(QStringLiteral("Tools: send data started at ") + NowText());
    auto exitLine = [&] { host.Log(QStringLiteral("Tools: send data exit at ") + NowText()); };
    if (!link.IsDetected()) link.RunDetect();
    if (!link.IsDetected()) {
        host.Beep();
        host.Log(QStringLiteral("ERROR: unable to send data. Check connection"));
        exitLine();
        return TTransferResult::NoInstrument;
    }

    TSerialPort* port = link.OpenExchange(false);
    TTransferResult result = TTransferResult::Complete;
    try {
        if (!port) throw std::runtime_error("no port object");
        char buffer[256] = "*?VER";
        char versionText[TEquipmentLink::VersionTextLength + 1];
        float version = 0.0f;
        if (port->Query(buffer, TEquipmentLink::IdentifyReplyLength) && buffer[0] != '\0' &&
            VersionOfReply(buffer, version, versionText))
            link.SetEquipmentVersion(version);

        // A copy: the lines sent are the text as it stood when the send began.
        const TLineList lines = project.Regenerate();
        port->SendCommand(TEquipmentLink::AccessCode);

        int sentLines = 0;
        const int lineCount = static_cast<int>(lines.size());
        for (int i = 0; i < lineCount; ++i) {
            const std::string& line = lines[static_cast<std::size_t>(i)];
            std::string command;
            TLineVerdict verdict = JudgeSendLine(line, command);
            if (verdict == TLineVerdict::Record) {
                ++sentLines;
                verdict = port->SendCommand(command.c_str()) ? TLineVerdict::Ok : TLineVerdict::Error;
            }
            host.ShowProgress(i + 1, lineCount);
            if (verdict == TLineVerdict::Error) {
                host.Log(QStringLiteral("error at: ") + DecodeText(line));
                result = TTransferResult::Incomplete;
                break;
            }
            host.Log(DecodeText(line) + QStringLiteral(" OK"));
        }
        host.ShowProgress(0, 0);
        if (result == TTransferResult::Complete) {
            host.Log(project.FileName() + QStringLiteral(" sent to remote equipment"));
            host.Log(QStringLiteral("processed %1 data lines of %2").arg(sentLines).arg(lineCount));
            port->SendCommand("*RST");
        }
    } catch (...) {
        host.ShowProgress(0, 0);
        result = TTransferResult::Failed;
        prompter.Message(QStringLiteral("Orvantis error"), QStringLiteral("Unable to send data"), TMsgIcon::Error);
    }
    link.CloseExchange();
    exitLine();
    return result;
}

}  // namespace orvantis
