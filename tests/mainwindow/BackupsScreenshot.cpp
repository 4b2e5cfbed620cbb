// Saves a picture of Tools > Instrument Backups as a technician sees it:
// the backups of two instruments over a few days, two of them selected for
// a comparison. Into the folder given as the first argument:
//   xvfb-run -a build/default/tests/mainwindow/backups-screenshot docs
// In the locale's language, as the program shows it:
//   LANG=pt_BR.UTF-8 xvfb-run -a build/default/tests/mainwindow/backups-screenshot /tmp/pictures

#include "BackupsDlg.h"
#include "ModelTable.h"
#include "ScriptedPrompter.h"
#include "Translations.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace orvantis;

namespace {

// A backup of the instrument's memory with points first..last in use.
void MakeBackup(const QString& folder, const QString& instrument, const QString& port, const QDateTime& when, int last)
{
    TFixedIdentity identity(ModelRow(instrument.toStdString()), 1.2f);
    TProfile model(nullptr, identity);
    model.SetDefaults();
    model.SetPointIndex(0);
    model.SetLastIndex(static_cast<std::uint8_t>(last - 1));
    SaveBackup(folder, instrument, port, when, [&](const QString& path) {
        TLineList lines;
        model.WriteProject(&lines, path.toStdString(), when.toString().toStdString());
        return lines;
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallTranslations(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir folder;
    const QDateTime now(QDate(2026, 12, 8), QTime(9, 30));
    MakeBackup(folder.path(), "OV+ DVB-T2", "COM3", now.addSecs(-600), 12);
    MakeBackup(folder.path(), "OV+ DVB-T2", "COM3", now.addSecs(-600), 12);
    MakeBackup(folder.path(), "OV+ DVB-T2", "COM3", now.addDays(-1).addSecs(-7000), 10);
    MakeBackup(folder.path(), "OV+ ISDB-T", "COM4", now.addDays(-2).addSecs(3300), 16);
    MakeBackup(folder.path(), "OV+ DVB-T2", "COM1", now.addDays(-6).addSecs(-19000), 8);
    MakeBackup(folder.path(), "OV+ ISDB-T", "COM4", now.addDays(-30), 16);

    test::TScriptedPrompter prompter;
    const TFixedIdentity identity;
    TProfile project(nullptr, identity);
    project.SetDefaults();
    TBackupsDlg dialog(prompter, folder.path(), &project);
    dialog.show();
    dialog.SelectPaths({dialog.Shown()[0].Path, dialog.Shown()[2].Path});
    QTest::qWait(200);
    const QString path = out.filePath(QStringLiteral("backups.png"));
    const bool saved = dialog.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved ? 0 : 1;
}
