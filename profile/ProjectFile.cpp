// The project text: a header of '#' lines, the four areas' record lines and
// an end line. The caller loads and saves the lines; the model never touches
// the disk.

#include "ProgramInfo.h"
#include "Profile.h"

namespace orvantis {

namespace {

constexpr std::string_view RuleLine = "##########################################################";

// A file name or time text must stay on its own header line.
std::string OneLine(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20) c = '.';
    return s;
}

}  // namespace

void TProfile::WriteProject(TLineList* lines, std::string_view fileName, std::string_view createdAt)
{
    if (!lines) return;
    Lines = lines;
    WriteHeader(fileName, createdAt);
    WriteConfig();
    WriteBands();
    WritePoints();
    WriteMessages();
    WriteEndLine(fileName);
}

void TProfile::WriteHeader(std::string_view fileName, std::string_view createdAt)
{
    Lines->clear();
    Lines->emplace_back(RuleLine);
    Lines->push_back("# " + OneLine(fileName) + " created at " + OneLine(createdAt));
    Lines->push_back(std::string("# by ") + ProgramName + " (v" + ProgramVersion + ")");
    Lines->push_back(std::string("# ") + ProgramNotice);
    Lines->emplace_back(RuleLine);
}

void TProfile::WriteEndLine(std::string_view fileName)
{
    Lines->push_back("# End of file " + OneLine(fileName));
}

TLoadResult TProfile::LoadFromLines()
{
    DefaultMessages();
    DefaultConfig();
    DefaultPoints();
    DefaultBands();
    if (!Lines) return {};
    for (std::size_t i = 0; i < Lines->size(); ++i)
        if (!ParseLine((*Lines)[i])) return {static_cast<int>(i + 1), (*Lines)[i]};
    return {};
}

}  // namespace orvantis
