#include "InstrumentCommands.h"

#include "CliPrompter.h"
#include "CliSessionHost.h"
#include "PortMap.h"
#include "Session.h"

#include <QFileInfo>

#include <cstdio>

namespace orvantis {

int RunPorts(const TCliCall& call)
{
    if (!call.Args.isEmpty()) return Usage(QStringLiteral("usage: ports"));
    for (int index = 0; index < ComPortCount; ++index) {
        const QString name = ComPortName(index);
        const QString path = DevicePathOf(name);
        if (!path.isEmpty() && QFileInfo::exists(path)) std::printf("%-6s%s\n", qPrintable(name), qPrintable(path));
    }
    return ExitOk;
}

int RunDetect(const TCliCall& call)
{
    if (!call.Args.isEmpty()) return Usage(QStringLiteral("usage: detect"));
    TCliSessionHost host(PrintLog);
    TCliPrompter prompter;
    TSession session(host, prompter);
    return session.Detect() ? ExitOk : ExitFailed;
}

int RunReceive(const TCliCall& call)
{
    if (call.Args.size() != 1) return Usage(QStringLiteral("usage: receive OUT.pro"));
    TCliSessionHost host(PrintLog);
    TCliPrompter prompter;
    TSession session(host, prompter);
    if (session.Receive() != TTransferResult::Complete) return ExitFailed;
    prompter.SetSaveName(call.Args[0]);
    return session.Project().SaveAs() ? ExitOk : ExitFailed;
}

int RunSend(const TCliCall& call)
{
    if (call.Args.size() != 1) return Usage(QStringLiteral("usage: send IN.pro"));
    TCliSessionHost host(PrintLog);
    TCliPrompter prompter;
    TSession session(host, prompter);
    prompter.SetOpenName(call.Args[0]);
    if (!session.Project().Open()) return ExitFailed;
    return session.Send() == TTransferResult::Complete ? ExitOk : ExitFailed;
}

}  // namespace orvantis
