#pragma once
// Every message box and file dialog of the program goes through IPrompter:
// the program shows Qt's standard dialogs, the command line answers from its
// arguments, and tests answer from a script and record what was asked.

#include <QFlags>
#include <QString>

#include <optional>

namespace orvantis {

enum class TMsgIcon { None, Information, Warning, Error, Question };

// Later: the question stays open for another time (what closing a box that
// has it means).
enum class TMsgButton { None = 0, Ok = 1, Yes = 2, No = 4, Cancel = 8, Restore = 16, Discard = 32, Later = 64 };
Q_DECLARE_FLAGS(TMsgButtons, TMsgButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgButtons)

struct TFileDialogOptions {
    QString Title;
    QString Filter;           // "PRO files|*.pro", pairs separated by '|'
    int FilterIndex = 0;      // the pair selected at first
    QString DefaultSuffix;    // "pro", added when the name has none
    QString FileName;         // proposed name
    QString Folder;           // starting folder
    bool ConfirmOverwrite = false;
    bool PathMustExist = false;
};

class IPrompter {
public:
    virtual ~IPrompter() = default;
    // Shows a modal message box and returns the button pressed (the default
    // button, or Cancel or Later where there is one, when the box is closed).
    // Restore, where there is one, is the default button.
    virtual TMsgButton Message(const QString& caption, const QString& text, TMsgIcon icon,
                               TMsgButtons buttons = TMsgButton::Ok) = 0;
    // A Yes/No warning whose safe answer is No: the default button, and what
    // closing the box or nobody answering means. True for Yes.
    virtual bool Confirm(const QString& caption, const QString& text)
    {
        return Message(caption, text, TMsgIcon::Warning, TMsgButton::Yes | TMsgButton::No) == TMsgButton::Yes;
    }
    // Returns the chosen path, or nothing when the user cancels.
    virtual std::optional<QString> OpenFileName(const TFileDialogOptions& options) = 0;
    virtual std::optional<QString> SaveFileName(const TFileDialogOptions& options) = 0;
};

// "PRO files|*.pro|All|*.*" as Qt's "PRO files (*.pro);;All (*.*)".
QString QtFilterString(const QString& filter);
// The Qt filter string of pair index in filter.
QString QtFilterAt(const QString& filter, int index);

}  // namespace orvantis
