#pragma once
// An IPrompter for tests: answers from queues filled by the test and records
// every question asked, so a test can check captions, texts, icons, buttons
// and dialog options. An unexpected question fails the test.

#include "Prompter.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>

namespace orvantis::test {

struct TAskedMessage {
    QString Caption;
    QString Text;
    TMsgIcon Icon;
    TMsgButtons Buttons;
};

struct TAskedFile {
    bool Save;
    TFileDialogOptions Options;
};

class TScriptedPrompter : public IPrompter {
public:
    // Queue the answers, in the order the questions will come.
    void AnswerMessage(TMsgButton button) { FMessageAnswers.push_back(button); }
    void AnswerFile(std::optional<QString> path) { FFileAnswers.push_back(std::move(path)); }
    // Messages with only an OK button are answered OK without a queued answer.
    void SetAutoOk(bool on) { FAutoOk = on; }

    TMsgButton Message(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions& options) override;
    std::optional<QString> SaveFileName(const TFileDialogOptions& options) override;

    QList<TAskedMessage> Messages;
    QList<TAskedFile> Files;
    bool AllAnswersUsed() const { return FMessageAnswers.empty() && FFileAnswers.empty(); }

private:
    std::optional<QString> NextFile(bool save, const TFileDialogOptions& options);
    std::deque<TMsgButton> FMessageAnswers;
    std::deque<std::optional<QString>> FFileAnswers;
    bool FAutoOk = true;
};

}  // namespace orvantis::test
