#include "TextFile.h"

#include "ProjectLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orvantis {

TFileResult LoadTextBytes(const QString& path, QByteArray& bytes, qint64 maxBytes)
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
    bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return TFileResult::Failure(QStringLiteral("Unable to read %1: %2.").arg(path, file.errorString()));
    if (bytes.size() > maxBytes) return TFileResult::Failure(QStringLiteral("The file %1 is too large.").arg(path));
    return {};
}

TFileResult LoadTextLines(const QString& path, TLineList& lines, qint64 maxBytes)
{
    QByteArray bytes;
    if (TFileResult read = LoadTextBytes(path, bytes, maxBytes); !read) return read;
    lines = SplitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return {};
}

TFileResult SaveTextBytes(const QString& path, const QByteArray& bytes)
{
    // QSaveFile writes a temporary file beside the target, syncs it and renames
    // it over the old file only when everything was written. Unbuffered, so
    // that a short write (disk full, file size limit) shows in write()'s count:
    // Qt's buffered flush would pass it over and rename a cut file into place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return TFileResult::Failure(QStringLiteral("Unable to write %1: %2.").arg(path, file.errorString()));
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const QString reason = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        file.cancelWriting();
        file.commit();  // removes the temporary file
        return TFileResult::Failure(QStringLiteral("Unable to write %1: %2.").arg(path, reason));
    }
    if (!file.commit())
        return TFileResult::Failure(QStringLiteral("Unable to write %1: %2.").arg(path, file.errorString()));
    return {};
}

TFileResult SaveTextLines(const QString& path, const TLineList& lines)
{
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        bytes.append("\r\n", 2);
    }
    return SaveTextBytes(path, bytes);
}

TFileResult SaveNewTextLines(const QString& path, const TLineList& lines)
{
    // Written whole under a hidden name of its own beside the target, then
    // given the target's name only if no file has it yet: the kernel's
    // no-replace rename, or a hard link where the file system has no such
    // rename. Neither ever replaces a file.
    const QFileInfo target(path);
    const QString part = target.dir().filePath(
        QStringLiteral(".%1.part-%2").arg(target.fileName()).arg(QRandomGenerator::global()->generate64(), 0, 16));
    if (TFileResult saved = SaveTextLines(part, lines); !saved) {
        saved.Error.replace(part, path);
        return saved;
    }
    const QByteArray from = QFile::encodeName(part);
    const QByteArray to = QFile::encodeName(path);
    int done = renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    if (done != 0 && (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP)) {
        done = ::link(from.constData(), to.constData());
        if (done == 0) ::unlink(from.constData());
    }
    if (done == 0) return {};
    const int error = errno;
    QFile::remove(part);
    TFileResult failed = TFileResult::Failure(
        QStringLiteral("Unable to write %1: %2.").arg(path, QString::fromLocal8Bit(std::strerror(error))));
    failed.Exists = error == EEXIST;
    return failed;
}

}  // namespace orvantis
