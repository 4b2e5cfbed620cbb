#pragma once
// The record lines ("send *E2P...") of a project, which is what an instrument
// holds of it: comparing them leaves out the header with its name and time.

#include "Profile.h"
#include "TextFile.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace orvantis::test {

inline QStringList RecordLines(const TLineList& lines)
{
    QStringList records;
    for (const std::string& line : lines)
        if (line.rfind("send ", 0) == 0) records << QString::fromStdString(line);
    return records;
}

inline QStringList RecordLinesOf(const QString& path)
{
    TLineList lines;
    EXPECT_TRUE(LoadTextLines(path, lines).Ok) << path.toStdString();
    return RecordLines(lines);
}

}  // namespace orvantis::test
