#pragma once
// Answers the file commands' dialogs from the command line: the name to save
// under comes from the arguments (files to open go to Open(path) directly),
// and every message goes to standard error.

#include "Prompter.h"

#include <QString>

namespace orvantis {

class TCliPrompter : public IPrompter {
public:
    void SetSaveName(const QString& name) { FSaveName = name; }

    TMsgButton Message(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions& options) override;
    std::optional<QString> SaveFileName(const TFileDialogOptions& options) override;

private:
    QString FSaveName;
};

}  // namespace orvantis
