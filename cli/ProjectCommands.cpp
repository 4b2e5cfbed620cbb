#include "ProjectCommands.h"

#include "CliPrompter.h"
#include "PartLoad.h"
#include "ProfileWords.h"
#include "Project.h"
#include "TextCodec.h"

namespace orvantis {

int RunNew(const TCliCall& call)
{
    if (call.Args.size() != 1) return Usage(QStringLiteral("usage: new OUT.pro"));
    TFixedIdentity identity(call.Model, call.Version);
    TCliPrompter prompter;
    TProject project(identity, prompter, PrintLog);
    prompter.SetSaveName(call.Args[0]);
    return project.New() && project.SaveAs() ? ExitOk : ExitFailed;
}

int RunResave(const TCliCall& call)
{
    if (call.Args.size() != 2) return Usage(QStringLiteral("usage: resave IN.pro OUT.pro"));
    TFixedIdentity identity(call.Model, call.Version);
    TCliPrompter prompter;
    TProject project(identity, prompter, PrintLog);
    prompter.SetSaveName(call.Args[1]);
    if (!project.Open(call.Args[0]) || RefusePartLoad(project, call, "written")) return ExitFailed;
    return project.SaveAs() ? ExitOk : ExitFailed;
}

int RunShow(const TCliCall& call)
{
    if (call.Args.size() != 1) return Usage(QStringLiteral("usage: show IN.pro"));
    TFixedIdentity identity(call.Model, call.Version);
    TCliPrompter prompter;
    TProject project(identity, prompter, [](const QString&) {});
    if (!project.Open(call.Args[0]) || RefusePartLoad(project, call, "shown")) return ExitFailed;
    for (const std::string& line : ProjectInWords(project.Profile())) PrintLog(DecodeText(line));
    return ExitOk;
}

int RunDiff(const TCliCall& call)
{
    if (call.Args.size() != 2) return Usage(QStringLiteral("usage: diff A.pro B.pro"));
    TFixedIdentity identity(call.Model, call.Version);
    TCliPrompter prompter;
    TProject first(identity, prompter, [](const QString&) {});
    TProject second(identity, prompter, [](const QString&) {});
    if (!first.Open(call.Args[0]) || RefusePartLoad(first, call, "compared") ||
        !second.Open(call.Args[1]) || RefusePartLoad(second, call, "compared"))
        return ExitFailed;
    const std::vector<std::string> differences = DifferencesInWords(
        first.Profile(), call.Args[0].toStdString(), second.Profile(), call.Args[1].toStdString());
    for (const std::string& line : differences) PrintLog(DecodeText(line));
    return differences.empty() ? ExitOk : ExitFailed;
}

}  // namespace orvantis
