#pragma once
// Project files, the log file and the text editor's files as lists of 8-bit
// lines. Loading accepts CR LF, LF and CR alone as line ends and keeps every
// other byte; saving ends every line with CR LF and is atomic: a failed or
// interrupted save leaves the previous file whole.

#include "Profile.h"

#include <QString>

namespace orvantis {

struct TFileResult {
    bool Ok = true;
    QString Error;  // the reason, for the user, when !Ok
    bool Exists = false;  // SaveNewTextLines: not saved because a file has the name
    explicit operator bool() const { return Ok; }
    static TFileResult Failure(QString reason) { return {false, std::move(reason)}; }
};

// Larger files are refused; a project file is a few kilobytes.
inline constexpr qint64 MaxProjectFileSize = 4 * 1024 * 1024;

TFileResult LoadTextLines(const QString& path, TLineList& lines, qint64 maxBytes = MaxProjectFileSize);
TFileResult SaveTextLines(const QString& path, const TLineList& lines);
// The same as a new file: never over a file that has the name, not even one
// made while this one was being written (then Exists is set).
TFileResult SaveNewTextLines(const QString& path, const TLineList& lines);
// The same for files whose bytes are kept as they are (points files).
TFileResult LoadTextBytes(const QString& path, QByteArray& bytes, qint64 maxBytes);
TFileResult SaveTextBytes(const QString& path, const QByteArray& bytes);

}  // namespace orvantis
