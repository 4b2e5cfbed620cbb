#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace orvantis::test {

TMsgButton TScriptedPrompter::Message(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons)
{
    Messages.append({caption, text, icon, buttons});
    if (!FMessageAnswers.empty()) {
        const TMsgButton answer = FMessageAnswers.front();
        FMessageAnswers.pop_front();
        return answer;
    }
    if (FAutoOk && buttons == TMsgButtons(TMsgButton::Ok)) return TMsgButton::Ok;
    ADD_FAILURE() << "unexpected message box: " << caption.toStdString() << ": " << text.toStdString();
    return buttons.testFlag(TMsgButton::Cancel) ? TMsgButton::Cancel : TMsgButton::Ok;
}

std::optional<QString> TScriptedPrompter::NextFile(bool save, const TFileDialogOptions& options)
{
    Files.append({save, options});
    if (FFileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << options.Title.toStdString();
        return std::nullopt;
    }
    const bool chosen = FFileAnswers.front().has_value();
    const QString path = FFileAnswers.front().value_or(QString());
    FFileAnswers.pop_front();
    if (!chosen) return std::nullopt;
    return path;
}

std::optional<QString> TScriptedPrompter::OpenFileName(const TFileDialogOptions& options)
{
    return NextFile(false, options);
}

std::optional<QString> TScriptedPrompter::SaveFileName(const TFileDialogOptions& options)
{
    return NextFile(true, options);
}

}  // namespace orvantis::test
