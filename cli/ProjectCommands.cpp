#include "ProjectCommands.h"

#include "CliPrompter.h"
#include "Project.h"

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
    prompter.SetOpenName(call.Args[0]);
    prompter.SetSaveName(call.Args[1]);
    return project.Open() && project.SaveAs() ? ExitOk : ExitFailed;
}

}  // namespace orvantis
