#include "TermCommand.h"

#include "AnsiConsole.h"
#include "PortAddress.h"
#include "Terminal.h"
#include "TimeText.h"

#include <QList>

namespace orvantis {

namespace {

// Message boxes asked while the full screen is up would be painted over:
// they are kept and shown once the screen is back.
class TDeferredPrompter : public IPrompter {
public:
    explicit TDeferredPrompter(IPrompter& target) : FTarget(target) {}
    TMsgButton Message(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons) override
    {
        FMessages.append({caption, text, icon, buttons});
        return buttons.testFlag(TMsgButton::Cancel) ? TMsgButton::Cancel : TMsgButton::Ok;
    }
    std::optional<QString> OpenFileName(const TFileDialogOptions&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const TFileDialogOptions&) override { return std::nullopt; }
    void Flush()
    {
        for (const TMessage& m : FMessages) FTarget.Message(m.Caption, m.Text, m.Icon, m.Buttons);
        FMessages.clear();
    }

private:
    struct TMessage {
        QString Caption;
        QString Text;
        TMsgIcon Icon;
        TMsgButtons Buttons;
    };
    IPrompter& FTarget;
    QList<TMessage> FMessages;
};

}  // namespace

int RunTermCommand(const QStringList& args, IPrompter& prompter, const std::function<void(const QString&)>& printLog)
{
    const std::optional<TPortAddress> address = TPortAddress::Parse(args.value(0));
    const QString port = address ? address->Name() : QString();
    QStringList log;
    TDeferredPrompter deferred(prompter);
    printLog(QStringLiteral("Tools: terminal started at ") + NowText());
    bool ran = false;
    {
        TAnsiConsole console;
        TTerminal terminal(console, deferred, [&log](const QString& line) { log << line; }, !port.isEmpty(), port);
        ran = terminal.Run();
        // Leaving the block saves the settings, which may ask too.
    }
    deferred.Flush();
    for (const QString& line : log) printLog(line);
    printLog(QStringLiteral("Tools: terminal exit at ") + NowText());
    return ran && log.isEmpty() ? 0 : 1;
}

}  // namespace orvantis
