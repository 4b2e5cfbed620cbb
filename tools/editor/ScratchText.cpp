#include "ScratchText.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

namespace orvantis {

namespace {

bool IsUtf8(const std::string& line)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    // The decoder runs when its result is converted.
    const QString decoded = decoder.decode(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
    return !decoder.hasError();
}

}  // namespace

TScratchText DecodeScratchLines(const TLineList& lines)
{
    TScratchText result;
    result.Utf8 = std::all_of(lines.begin(), lines.end(), IsUtf8);
    QStringList decoded;
    decoded.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        const QByteArrayView bytes(line.data(), static_cast<qsizetype>(line.size()));
        decoded.append(result.Utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes));
    }
    result.Text = decoded.join(QLatin1Char('\n'));
    return result;
}

QStringList ScratchTextLines(const QString& text)
{
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

TScratchLines EncodeScratchText(const QString& text, bool utf8)
{
    TScratchLines result;
    result.Utf8 = utf8 || std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
    for (const QString& line : ScratchTextLines(text)) {
        const QByteArray bytes = result.Utf8 ? line.toUtf8() : line.toLatin1();
        result.Lines.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return result;
}

}  // namespace orvantis
