#include "PlansCommands.h"

#include "CliPrompter.h"
#include "PlanFiles.h"
#include "PlanFill.h"
#include "Project.h"

#include <cstdio>

namespace orvantis {

namespace {

const QString ErrorCaption = QStringLiteral("Orvantis error");

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

int Fail(const QString& reason)
{
    std::fprintf(stderr, "orvantis-cli: %s\n", qPrintable(reason));
    return ExitFailed;
}

const TChannelPlan* FindPlan(const TPlanCatalogue& catalogue, const QString& id)
{
    const TChannelPlan* plan = catalogue.Find(id);
    if (!plan) Fail(QStringLiteral("no channel plan '%1' ('orvantis-cli plans' lists them)").arg(id));
    return plan;
}

// Opens the project to change; one that does not load whole is not changed,
// as its defaults after the refused line would be saved as its settings.
bool OpenWhole(TProject& project, const QString& path)
{
    if (!project.Open(path)) return false;
    if (!project.IsPartlyLoaded()) return true;
    Fail(project.PartLoadText() + QStringLiteral("; nothing written"));
    return false;
}

int SaveChanged(TProject& project, TCliPrompter& prompter, const QString& out, const QString& logLine)
{
    project.SetModified();
    PrintLog(logLine);
    prompter.SetSaveName(out);
    return project.SaveAs() ? ExitOk : ExitFailed;
}

void ListPlans(const TPlanCatalogue& catalogue)
{
    std::printf("%-10s %-36s %-16s %s\n", "id", "plan", "channels", "width");
    for (const TChannelPlan& plan : catalogue.Plans)
        std::printf("%-10s %-36s %-16s %s\n", plan.Id.c_str(), plan.Title.c_str(), plan.ChannelsText().c_str(),
                    plan.WidthText().c_str());
    for (const TRefusedPlan& refused : catalogue.Refused)
        std::printf("refused %s: %s\n", qPrintable(refused.File), qPrintable(refused.Reason));
}

}  // namespace

int RunPlans(const TCliCall& call)
{
    const bool list = call.Args.isEmpty();
    const bool show = call.Args.size() == 2 && call.Args[0] == QLatin1String("show");
    if (!list && !show) return Usage(QStringLiteral("usage: plans, or plans show ID"));
    const TPlanCatalogue catalogue = LoadChannelPlans();
    if (list) {
        ListPlans(catalogue);
        return ExitOk;
    }
    const TChannelPlan* plan = FindPlan(catalogue, call.Args[1]);
    if (!plan) return ExitFailed;
    std::printf("channel,centre_khz,bandwidth_mhz\n");
    for (const TPlanChannel& channel : plan->Channels)
        std::printf("%s,%s,%d\n", channel.Name.c_str(), CentreKHzText(channel.CentreHz).c_str(), channel.WidthMHz);
    return ExitOk;
}

int RunPointsPlan(const TCliCall& call)
{
    if (call.Args.size() != 5)
        return Usage(QStringLiteral("usage: points plan IN.pro ID CHANNELS OUT.pro [--first N] [--names PATTERN] [--dvb-t2]"));
    TPlanFillRequest request;
    request.Channels = call.Args[3].toStdString();
    request.NamePattern = call.Parser.value(QStringLiteral("names")).toStdString();
    request.DvbT2 = call.Parser.isSet(QStringLiteral("dvb-t2"));
    bool ok = true;
    if (call.Parser.isSet(QStringLiteral("first"))) request.FirstPoint = call.Parser.value(QStringLiteral("first")).toInt(&ok);
    if (!ok) return Usage(QStringLiteral("--first takes a point number, not '%1'").arg(call.Parser.value(QStringLiteral("first"))));

    const TPlanCatalogue catalogue = LoadChannelPlans();
    request.Plan = FindPlan(catalogue, call.Args[2]);
    if (!request.Plan) return ExitFailed;
    TFixedIdentity identity(call.Model, call.Version);
    TCliPrompter prompter;
    TProject project(identity, prompter, PrintLog);
    if (!OpenWhole(project, call.Args[1])) return ExitFailed;
    const TPlanFill fill = FillPointsFromPlan(request, project.Profile());
    if (!fill) return Fail(QStringLiteral("nothing was filled from %1: %2").arg(call.Args[2], Text(fill.Problem)));
    ApplyPointChanges(project.Profile(), fill.Changes);
    return SaveChanged(project, prompter, call.Args[4],
                       QStringLiteral("Points %1 to %2 filled from %3, channels %4")
                           .arg(fill.Changes.front().Point + 1)
                           .arg(fill.Changes.back().Point + 1)
                           .arg(call.Args[2], call.Args[3]));
}

int RunBands(const TCliCall& call)
{
    if (call.Args.size() != 7 || call.Args[0] != QLatin1String("plan"))
        return Usage(QStringLiteral("usage: bands plan IN.pro BAND ID FIRST LAST OUT.pro"));
    bool ok = false;
    const int band = call.Args[2].toInt(&ok);
    if (!ok) return Usage(QStringLiteral("BAND is a number 1 to 4, not '%1'").arg(call.Args[2]));
    const TPlanCatalogue catalogue = LoadChannelPlans();
    const TChannelPlan* plan = FindPlan(catalogue, call.Args[3]);
    if (!plan) return ExitFailed;
    TFixedIdentity identity(call.Model, call.Version);
    TCliPrompter prompter;
    TProject project(identity, prompter, PrintLog);
    if (!OpenWhole(project, call.Args[1])) return ExitFailed;
    const auto made = BandFromPlan(project.Profile(), band, *plan, call.Args[4].toStdString(), call.Args[5].toStdString());
    if (const auto* why = std::get_if<std::string>(&made))
        return Fail(QStringLiteral("band %1 was not set from %2: %3").arg(call.Args[2], call.Args[3], Text(*why)));
    StorePlanBand(project.Profile(), band, std::get<TScanBand>(made));
    return SaveChanged(project, prompter, call.Args[6],
                       QStringLiteral("Scan band %1 set from %2, channels %3 to %4")
                           .arg(band)
                           .arg(call.Args[3], call.Args[4], call.Args[5]));
}

}  // namespace orvantis
