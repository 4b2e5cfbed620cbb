#include "CliPrompter.h"

#include <cstdio>

namespace orvantis {

TMsgButton TCliPrompter::Message(const QString& caption, const QString& text, TMsgIcon, TMsgButtons buttons)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(QString(text).replace(QStringLiteral("\n\n"), QStringLiteral(": "))));
    // Nobody is there to answer: never save or discard on the user's behalf.
    if (buttons.testFlag(TMsgButton::Cancel)) return TMsgButton::Cancel;
    return TMsgButton::Ok;
}

std::optional<QString> TCliPrompter::OpenFileName(const TFileDialogOptions&)
{
    return std::nullopt;  // nobody is there to choose
}

std::optional<QString> TCliPrompter::SaveFileName(const TFileDialogOptions&)
{
    if (FSaveName.isEmpty()) return std::nullopt;
    return FSaveName;
}

}  // namespace orvantis
