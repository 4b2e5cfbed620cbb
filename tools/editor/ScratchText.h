#pragma once
// The editor's text and the file's 8-bit lines. A file that is valid UTF-8
// is read and written as UTF-8, any other as Latin-1; a Latin-1 text that
// gains characters beyond Latin-1 is written as UTF-8 rather than lose them.

#include "Profile.h"

#include <QString>
#include <QStringList>

namespace orvantis {

struct TScratchText {
    QString Text;  // lines joined by '\n'
    bool Utf8 = false;
};

TScratchText DecodeScratchLines(const TLineList& lines);

struct TScratchLines {
    TLineList Lines;
    bool Utf8 = false;
};

// A line end at the very end of the text does not start another line.
TScratchLines EncodeScratchText(const QString& text, bool utf8);
QStringList ScratchTextLines(const QString& text);

}  // namespace orvantis
