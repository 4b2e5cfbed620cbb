#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvantis {

TLineList SplitLines(std::string_view bytes)
{
    TLineList lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

TFileResult LoadTextLines(const QString& path, TLineList& lines, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists()) return TFileResult::Failure(QStringLiteral("The file %1 does not exist.").arg(path));
    if (!info.isFile()) return TFileResult::Failure(QStringLiteral("%1 is not a regular file.").arg(path));
    if (info.size() > maxBytes)
        return TFileResult::Failure(
            QStringLiteral("The file %1 is too large (%2 bytes; at most %3 are read).").arg(path).arg(info.size()).arg(maxBytes));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TFileResult::Failure(QStringLiteral("Unable to read %1: %2.").arg(path, file.errorString()));
    // Read one byte past the bound, in case the file grew since it was examined.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return TFileResult::Failure(QStringLiteral("Unable to read %1: %2.").arg(path, file.errorString()));
    if (bytes.size() > maxBytes) return TFileResult::Failure(QStringLiteral("The file %1 is too large.").arg(path));
    lines = SplitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return {};
}

TFileResult SaveTextLines(const QString& path, const TLineList& lines)
{
    // QSaveFile writes a temporary file beside the target, syncs it and renames
    // it over the old file only when everything was written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return TFileResult::Failure(QStringLiteral("Unable to write %1: %2.").arg(path, file.errorString()));
    for (const std::string& line : lines) {
        file.write(line.data(), static_cast<qint64>(line.size()));
        file.write("\r\n", 2);
    }
    if (!file.commit())
        return TFileResult::Failure(QStringLiteral("Unable to write %1: %2.").arg(path, file.errorString()));
    return {};
}

}  // namespace orvantis
