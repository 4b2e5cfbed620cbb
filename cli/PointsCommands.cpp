#include "PointsCommands.h"

#include "CliPrompter.h"
#include "PartLoad.h"
#include "PlansCommands.h"
#include "PointsFile.h"
#include "Project.h"

namespace orvantis {

namespace {

const QString ErrorCaption = QStringLiteral("Orvantis error");

int Export(const TCliCall& call, TProject& project, TCliPrompter& prompter)
{
    const QString& out = call.Args[2];
    if (const TFileResult saved = SavePointsFile(out, WritePointsCsv(project.Profile())); !saved) {
        prompter.Message(ErrorCaption, saved.Error, TMsgIcon::Error, TMsgButton::Ok);
        return ExitFailed;
    }
    PrintLog(QStringLiteral("%1 points exported to %2").arg(project.Profile().PointCount()).arg(out));
    return ExitOk;
}

int Import(const TCliCall& call, TProject& project, TCliPrompter& prompter)
{
    const QString& points = call.Args[2];
    std::string text;
    if (const TFileResult read = LoadPointsFile(points, text); !read) {
        prompter.Message(ErrorCaption, read.Error, TMsgIcon::Error, TMsgButton::Ok);
        return ExitFailed;
    }
    const TPointsCsvResult result = ParsePointsCsv(text, project.Profile());
    if (!result) {
        prompter.Message(ErrorCaption, PointsProblemText(points, *result.Problem), TMsgIcon::Error, TMsgButton::Ok);
        return ExitFailed;
    }
    ApplyPointChanges(project.Profile(), result.Changes);
    project.SetModified();
    PrintLog(QStringLiteral("%1 points imported from %2").arg(result.Changes.size()).arg(points));
    prompter.SetSaveName(call.Args[3]);
    return project.SaveAs() ? ExitOk : ExitFailed;
}

}  // namespace

int RunPoints(const TCliCall& call)
{
    const QString action = call.Args.value(0);
    if (action == QLatin1String("plan")) return RunPointsPlan(call);
    const bool isExport = action == QLatin1String("export") && call.Args.size() == 3;
    const bool isImport = action == QLatin1String("import") && call.Args.size() == 4;
    if (!isExport && !isImport)
        return Usage(QStringLiteral("usage: points export IN.pro OUT.csv, points import IN.pro POINTS.csv OUT.pro, or points plan IN.pro ID CHANNELS OUT.pro"));
    TFixedIdentity identity(call.Model, call.Version);
    TCliPrompter prompter;
    TProject project(identity, prompter, PrintLog);
    if (!project.Open(call.Args[1]) || RefusePartLoad(project, call, "written")) return ExitFailed;
    return isExport ? Export(call, project, prompter) : Import(call, project, prompter);
}

}  // namespace orvantis
