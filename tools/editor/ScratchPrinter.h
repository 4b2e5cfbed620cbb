#pragma once
// Prints the editor's text: a header with the file's name on the first page,
// one text line a row, "Page n" and a rule at the foot of every page.

#include <QFont>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace orvantis {

// False when the printer cannot start the document.
bool PrintScratchText(QPagedPaintDevice& printer, const QStringList& lines, const QString& fileName, const QFont& font);

}  // namespace orvantis
