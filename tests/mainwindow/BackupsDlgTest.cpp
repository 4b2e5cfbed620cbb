// Tools > Instrument Backups against orvantis-sim: the window's backups of
// the folder set in the settings, restored after the questions, deleted
// after one, and their folder shown.

#include "BackupsDlg.h"
#include "MainForm.h"
#include "ScriptedPrompter.h"
#include "SimProcess.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace orvantis;
using orvantis::test::TScriptedPrompter;
using orvantis::test::TSimProcess;

namespace {

class BackupsDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FPorts.isValid() && FBackups.isValid());
        qputenv("ORVANTIS_PORT_DIR", FPorts.path().toLocal8Bit());
        Settings().setValue("Program/BackupFolder", FBackups.path());
        ASSERT_TRUE(FSim.Start(FPorts.path(), 1, {"--quiet", "--report", FPorts.filePath("report.txt")}));
        FPrompter.SetAutoOk(true);
    }
    void TearDown() override
    {
        Settings().remove("Program/BackupFolder");
        qunsetenv("ORVANTIS_PORT_DIR");
    }
    static QSettings Settings() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Korven", "ZUR_EVE"); }
    QByteArray Report() const
    {
        QFile file(FPorts.filePath("report.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Opens the backups window and runs drive in it, then closes it.
    void InBackupsWindow(const std::function<void(TBackupsDlg&)>& drive)
    {
        QTimer::singleShot(0, &FForm, [&] {
            auto* dialog = FForm.findChild<TBackupsDlg*>();
            ASSERT_NE(dialog, nullptr);
            drive(*dialog);
            dialog->reject();
        });
        FForm.Action(TCommand::ToolsBackups)->trigger();
    }
    QPushButton* Button(TBackupsDlg& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }

    QTemporaryDir FPorts;
    QTemporaryDir FBackups;
    TSimProcess FSim;
    TScriptedPrompter FPrompter;
    TMainForm FForm{FPrompter};
};

}  // namespace

TEST_F(BackupsDlgTest, RestoreAsksNamingTheInstrumentAndTimeAndAgainForAnotherInstrument)
{
    FForm.Action(TCommand::FileNew)->trigger();
    FForm.Action(TCommand::SendData)->trigger();
    const QStringList made = QDir(FBackups.path()).entryList(QDir::Files);
    ASSERT_EQ(made.size(), 1) << "Send backs up into the folder of the settings";
    const QString other = QString(made[0]).replace("DVB-T2", "ISDB-T");
    ASSERT_TRUE(QFile::copy(FBackups.filePath(made[0]), FBackups.filePath(other)));
    const QByteArray sentOnce = Report();

    InBackupsWindow([&](TBackupsDlg& dialog) {
        ASSERT_EQ(dialog.Shown().size(), 1) << "the instrument found is shown at first";
        dialog.ShowInstrument({});
        ASSERT_EQ(dialog.Shown().size(), 2);
        // The other instrument's backup: Yes, then No when the names differ.
        dialog.SelectPaths({FBackups.filePath(other)});
        FPrompter.AnswerMessage(TMsgButton::Yes);
        FPrompter.AnswerMessage(TMsgButton::No);
        Button(dialog, "RestoreBtn")->click();
        EXPECT_EQ(Report(), sentOnce) << "nothing written";
        ASSERT_EQ(FPrompter.Messages.size(), 2);
        EXPECT_TRUE(FPrompter.Messages[0].Text.startsWith("Send the backup of OV+ ISDB-T taken on ")) << FPrompter.Messages[0].Text.toStdString();
        EXPECT_TRUE(FPrompter.Messages[0].Text.contains("into the OV+ DVB-T2 on COM1?"));
        EXPECT_TRUE(FPrompter.Messages[1].Text.contains("is named OV+ DVB-T2")) << FPrompter.Messages[1].Text.toStdString();

        dialog.SelectPaths({FBackups.filePath(made[0])});
        FPrompter.AnswerMessage(TMsgButton::Yes);
        Button(dialog, "RestoreBtn")->click();
        EXPECT_EQ(FPrompter.Messages.size(), 3) << "its own instrument: one question";
        EXPECT_TRUE(Report().contains("resets: 2"));
        EXPECT_EQ(dialog.Shown().size(), 3) << "the restore left a backup of its own";
    });
    EXPECT_TRUE(FPrompter.AllAnswersUsed());
    EXPECT_TRUE(FForm.LogPane()->toPlainText().contains("restore backup " + FBackups.filePath(made[0])));
}

TEST_F(BackupsDlgTest, DeleteAsksFirstAndShowInFolderOpensTheFolder)
{
    FForm.Action(TCommand::FileNew)->trigger();
    FForm.Action(TCommand::SendData)->trigger();
    FForm.Action(TCommand::SendData)->trigger();
    QFile::copy(FBackups.filePath(QDir(FBackups.path()).entryList(QDir::Files)[0]), FBackups.filePath("mine.pro"));
    QUrl shown;
    InBackupsWindow([&](TBackupsDlg& dialog) {
        dialog.SetUrlOpener([&](const QUrl& url) { return shown = url, true; });
        ASSERT_EQ(dialog.Shown().size(), 2);
        const QString newest = dialog.Shown()[0].Path;
        dialog.SelectPaths({newest});
        FPrompter.AnswerMessage(TMsgButton::No);
        Button(dialog, "DeleteBtn")->click();
        EXPECT_TRUE(QFile::exists(newest));
        FPrompter.AnswerMessage(TMsgButton::Yes);
        Button(dialog, "DeleteBtn")->click();
        EXPECT_FALSE(QFile::exists(newest));
        EXPECT_EQ(dialog.Shown().size(), 1);
        Button(dialog, "ShowFolderBtn")->click();
    });
    EXPECT_EQ(shown, QUrl::fromLocalFile(FBackups.path()));
    EXPECT_TRUE(QFile::exists(FBackups.filePath("mine.pro")));
}
