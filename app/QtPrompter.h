#pragma once
// IPrompter with Qt's standard message boxes and file dialogs.

#include "Prompter.h"

class QWidget;

namespace orvantis {

class TQtPrompter : public IPrompter {
public:
    explicit TQtPrompter(QWidget* parent = nullptr) : FParent(parent) {}
    void SetParent(QWidget* parent) { FParent = parent; }

    TMsgButton Message(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons) override;
    bool Confirm(const QString& caption, const QString& text) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions& options) override;
    std::optional<QString> SaveFileName(const TFileDialogOptions& options) override;

private:
    std::optional<QString> RunFileDialog(const TFileDialogOptions& options, bool save);
    QWidget* FParent;
};

}  // namespace orvantis
