#include "EepromImage.h"

#include "Profile.h"
#include "ReadPlan.h"
#include "TextFile.h"
#include "TimeText.h"

#include <QFileInfo>

#include <cctype>

namespace orvantis::sim {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool ParseHex(std::string_view text, unsigned& value)
{
    value = 0;
    if (text.empty()) return false;
    for (char c : text) {
        const int d = HexDigit(c);
        if (d < 0) return false;
        value = value * 16 + static_cast<unsigned>(d);
    }
    return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

std::string_view Trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

}  // namespace

bool ApplyRecordCommand(QByteArray& image, std::string_view command)
{
    if (!StartsWithNoCase(command, "*E2P") || command.size() < 8) return false;
    unsigned address = 0;
    if (!ParseHex(command.substr(4, 4), address)) return false;
    const std::string_view data = command.substr(8);
    if (data.empty() || data.size() % 2 != 0) return false;
    const std::size_t count = data.size() / 2;
    if (address + count > static_cast<std::size_t>(image.size())) return false;
    QByteArray bytes;
    for (std::size_t i = 0; i < count; ++i) {
        unsigned byte = 0;
        if (!ParseHex(data.substr(2 * i, 2), byte)) return false;
        bytes.append(static_cast<char>(byte));
    }
    image.replace(static_cast<qsizetype>(address), bytes.size(), bytes);
    return true;
}

namespace {

// The command of a "send" line, or empty for any other line.
std::string_view SendCommandOf(std::string_view line)
{
    line = Trimmed(line);
    if (!StartsWithNoCase(line, "SEND") || line.size() < 5 || (line[4] != ' ' && line[4] != '\t')) return {};
    line = Trimmed(line.substr(4));
    return line.substr(0, line.find_first_of(" \t"));
}

bool ApplyLines(QByteArray& image, const TLineList& lines, QString* error)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view command = SendCommandOf(lines[i]);
        if (command.empty()) continue;
        if (!ApplyRecordCommand(image, command)) {
            if (error) *error = QStringLiteral("line %1: not a record the memory can take").arg(i + 1);
            return false;
        }
    }
    return true;
}

}  // namespace

QByteArray FactoryImage(int modelRow, float version)
{
    QByteArray image(EepromSize, '\xFF');
    TFixedIdentity identity(modelRow, version);
    TLineList lines;
    TProfile profile(&lines, identity);
    profile.SetDefaults();
    profile.WriteProject(&lines, "factory", "");
    ApplyLines(image, lines, nullptr);
    return image;
}

bool LoadProjectInto(QByteArray& image, const QString& path, QString* error)
{
    TLineList lines;
    if (const TFileResult read = LoadTextLines(path, lines); !read) {
        if (error) *error = read.Error;
        return false;
    }
    QByteArray loaded = image;
    if (!ApplyLines(loaded, lines, error)) return false;
    image = loaded;
    return true;
}

bool SaveImageAsProject(const QByteArray& image, int modelRow, float version, const QString& path, QString* error)
{
    TFixedIdentity identity(modelRow, version);
    TLineList lines;
    TProfile profile(&lines, identity);
    profile.SetDefaults();
    for (const TReadArea& area : WholeRecordsPlan(profile)) {
        for (const TReadRequest& request : area.Requests) {
            const QByteArray hex = image.mid(request.Address, request.ByteCount).toHex().toUpper();
            profile.ParseRecord(request.Address, std::string_view(hex.constData(), static_cast<std::size_t>(hex.size())));
        }
    }
    const QByteArray name = QFileInfo(path).fileName().toLocal8Bit();
    const QByteArray now = NowText().toLocal8Bit();
    profile.WriteProject(&lines, name.toStdString(), now.toStdString());
    if (const TFileResult saved = SaveTextLines(path, lines); !saved) {
        if (error) *error = saved.Error;
        return false;
    }
    return true;
}

}  // namespace orvantis::sim
