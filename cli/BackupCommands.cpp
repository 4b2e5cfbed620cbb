#include "BackupCommands.h"

#include "BackupList.h"
#include "InstrumentCommands.h"
#include "ProjectCommands.h"

#include <QFileInfo>

#include <cstdio>

namespace orvantis {

int RunBackups(const TCliCall& call)
{
    const QString what = call.Args.value(0, QStringLiteral("list"));
    if (what == QLatin1String("diff")) {
        if (call.Args.size() != 3) return Usage(QStringLiteral("usage: backups diff A.pro B.pro"));
        return RunDiff({call.Args.mid(1), call.Parser, call.Model, call.Version, call.Port});
    }
    if (what != QLatin1String("list") || call.Args.size() > 1)
        return Usage(QStringLiteral("usage: backups [list] [--backup-dir DIR] | backups diff A.pro B.pro"));
    const QString folder = call.Parser.isSet(QStringLiteral("backup-dir")) ? call.Parser.value(QStringLiteral("backup-dir"))
                                                                          : TProgramSettings().BackupFolder();
    const QList<TBackupEntry> backups = ListBackups(folder);
    if (backups.isEmpty()) {
        PrintLog(QStringLiteral("no backups in ") + folder);
        return ExitOk;
    }
    for (const QString& line : BackupTable(backups)) PrintLog(line);
    return ExitOk;
}

int RunRestore(const TCliCall& call)
{
    if (call.Args.size() != 1)
        return Usage(QStringLiteral("usage: restore [--force] [--no-backup] [--backup-dir DIR] [--changed] [--verify] BACKUP.pro"));
    const QString fileName = QFileInfo(call.Args[0]).fileName();
    const std::optional<TBackupName> name = ParseBackupName(fileName);
    if (!name) {
        std::fprintf(stderr, "orvantis-cli: %s is not named as a backup; nothing sent (send sends any project)\n",
                     qPrintable(call.Args[0]));
        return ExitFailed;
    }
    if (call.Parser.isSet(QStringLiteral("force"))) return SendFile(call, {});
    return SendFile(call, [&](const QString& instrument) {
        if (IsBackupOf(fileName, instrument)) return true;
        std::fprintf(stderr, "orvantis-cli: %s is a backup of %s; the instrument found is %s; nothing sent"
                             " (--force restores it all the same)\n",
                     qPrintable(call.Args[0]), qPrintable(name->Instrument), qPrintable(instrument));
        return false;
    });
}

}  // namespace orvantis
