#pragma once
// Points files (CSV) on disk, for the point list and orvantis-cli: read
// whole, written atomically, and what the user is told when one is refused.

#include "PointsCsv.h"
#include "TextFile.h"

#include <QString>

#include <string>

namespace orvantis {

// A points file is a few kilobytes; larger ones are refused.
inline constexpr qint64 MaxPointsFileSize = 1024 * 1024;

TFileResult LoadPointsFile(const QString& path, std::string& text);
TFileResult SavePointsFile(const QString& path, const std::string& text);

// "Nothing was imported from <source>", then the row, column and reason.
QString PointsProblemText(const QString& source, const TCsvProblem& problem);

}  // namespace orvantis
