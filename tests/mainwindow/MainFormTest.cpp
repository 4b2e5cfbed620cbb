// The main window driven through its actions with scripted dialog answers.

#include "MainForm.h"
#include "QtPrompter.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "TextFile.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <csignal>
#include <functional>

#include <gtest/gtest.h>

using namespace orvantis;
using orvantis::test::TScriptedPrompter;

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        FOldDir = QDir::currentPath();
        QDir::setCurrent(FDir.path());  // the log file goes to the current folder
        qputenv("XDG_DATA_HOME", Path(QStringLiteral("data")).toLocal8Bit());  // recovery copies, backups
        FForm = std::make_unique<TMainForm>(FPrompter);
    }
    void TearDown() override
    {
        FForm.reset();
        QDir::setCurrent(FOldDir);
    }

    QStringList LogLines() const { return FForm->LogPane()->toPlainText().split(QLatin1Char('\n')); }
    QString Path(const QString& name) const { return FDir.filePath(name); }

    struct Enabling {
        bool Save, SaveAs, Point, Config, Message, Send;
    };
    Enabling Current() const
    {
        return {FForm->Action(TCommand::FileSave)->isEnabled(), FForm->Action(TCommand::FileSaveAs)->isEnabled(), FForm->Action(TCommand::EditPoint)->isEnabled(),
                FForm->Action(TCommand::EditConfig)->isEnabled(), FForm->Action(TCommand::EditMessage)->isEnabled(), FForm->Action(TCommand::SendData)->isEnabled()};
    }
    void ExpectProjectCommands(bool on) const
    {
        const Enabling e = Current();
        EXPECT_EQ(e.Save, on);
        EXPECT_EQ(e.SaveAs, on);
        EXPECT_EQ(e.Point, on);
        EXPECT_EQ(e.Config, on);
        EXPECT_EQ(e.Message, on);
        EXPECT_EQ(e.Send, on);
    }

    QTemporaryDir FDir;
    QString FOldDir;
    TScriptedPrompter FPrompter;
    std::unique_ptr<TMainForm> FForm;
};

TEST_F(MainFormTest, StartsWithoutAProject)
{
    ExpectProjectCommands(false);
    EXPECT_FALSE(FForm->Action(TCommand::EditPointList)->isEnabled());
    EXPECT_FALSE(FForm->Action(TCommand::EditChannelPlans)->isEnabled());
    for (QAction* always : {FForm->Action(TCommand::FileNew), FForm->Action(TCommand::FileOpen), FForm->Action(TCommand::FileExit), FForm->Action(TCommand::ReceiveData), FForm->Action(TCommand::ToolsEditor),
                            FForm->Action(TCommand::ToolsTerm), FForm->Action(TCommand::ToolsMonitor), FForm->Action(TCommand::ToolsDetect), FForm->Action(TCommand::HelpAbout)})
        EXPECT_TRUE(always->isEnabled()) << always->text().toStdString();
    EXPECT_EQ(FForm->StatusPanelText(0), QString());
    EXPECT_EQ(FForm->StatusPanelText(1), QStringLiteral("Equipment?"));
    EXPECT_EQ(FForm->StatusPanelText(2), QStringLiteral("Port?"));
    EXPECT_EQ(FForm->windowTitle(), QStringLiteral("Orvantis+"));

    const QStringList log = LogLines();
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[0], QStringLiteral("ORVANTIS+ - v5.00 - r003"));
    EXPECT_FALSE(log[1].isEmpty());
    EXPECT_TRUE(log[2].startsWith(QStringLiteral("Started at ")));

    // Before any instrument has answered.
    EXPECT_EQ(FForm->Link().GetEquipmentModel(), 0);
    EXPECT_FLOAT_EQ(FForm->Link().GetEquipmentVersion(), 3.0f);
    EXPECT_EQ(FForm->EditedProject().GetProfile().PointCount(), 50);
}

TEST_F(MainFormTest, CommandsHaveTheirCaptionsHintsAndImages)
{
    EXPECT_EQ(FForm->Action(TCommand::FileSaveAs)->text(), QStringLiteral("Save &As"));
    EXPECT_EQ(FForm->Action(TCommand::ReceiveData)->toolTip(), QStringLiteral("Receive data from the equipment"));
    EXPECT_EQ(FForm->Action(TCommand::ToolsDetect)->toolTip(), QStringLiteral("Detect COM port"));
    EXPECT_TRUE(FForm->Action(TCommand::FileSaveAs)->icon().isNull());
    for (QAction* a : {FForm->Action(TCommand::FileNew), FForm->Action(TCommand::FileExit), FForm->Action(TCommand::ToolsDetect), FForm->Action(TCommand::HelpAbout)})
        EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
}

// Each start reads the setting that the last run left.
TEST_F(MainFormTest, BackUpBeforeSendIsKeptAcrossARestart)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Path(QStringLiteral("config")));
    const auto shared = qScopeGuard([] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    });
    for (const bool expected : {true, false, true}) {
        FForm = std::make_unique<TMainForm>(FPrompter);
        QAction* backUp = FForm->Action(TCommand::ToolsBackUp);
        EXPECT_EQ(backUp->isChecked(), expected) << "on at the first start, then as last left";
        backUp->trigger();
        FForm.reset();
    }
}

TEST_F(MainFormTest, PointingAtACommandKeepsTheThreeStatusPanelsInView)
{
    FForm->Action(TCommand::FileNew)->trigger();
    FForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
    auto expectPanelsShown = [this](const char* where) {
        for (const QString& text : {QStringLiteral("Untitled.PRO"), QStringLiteral("Equipment?"), QStringLiteral("Port?")}) {
            int shown = 0;
            for (const QLabel* label : FForm->statusBar()->findChildren<QLabel*>())
                shown += label->text() == text && label->isVisible();
            EXPECT_EQ(shown, 1) << where << " " << text.toStdString();
        }
    };

    QTest::mouseMove(FForm->findChild<QToolBar*>(QStringLiteral("ToolBar"))->widgetForAction(FForm->Action(TCommand::ToolsDetect)));
    EXPECT_EQ(FForm->statusBar()->currentMessage(), QStringLiteral("Detect COM port"));
    expectPanelsShown("tool button");

    QMenu* file = FForm->menuBar()->actions().at(0)->menu();
    file->popup(FForm->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QTest::mouseMove(file, file->actionGeometry(FForm->Action(TCommand::FileOpen)).center());
    EXPECT_EQ(FForm->statusBar()->currentMessage(), QStringLiteral("Open file"));
    expectPanelsShown("menu entry");
    file->close();
}

TEST_F(MainFormTest, NewAsksOnlyWhenAnUnsavedProjectIsInHand)
{
    FForm->Action(TCommand::FileNew)->trigger();
    EXPECT_TRUE(FPrompter.Messages.isEmpty());  // nothing in hand yet
    ExpectProjectCommands(true);
    EXPECT_EQ(FForm->StatusPanelText(0), QStringLiteral("Untitled.PRO"));
    EXPECT_TRUE(FForm->Project().IsModified());
    EXPECT_EQ(LogLines().last(), QStringLiteral("new file Untitled.PRO"));

    // A new project counts as modified: the second New asks; Cancel stops it.
    FForm->EditedProject().GetProfile().SetUnits(2);
    FPrompter.AnswerMessage(TMsgButton::Cancel);
    FForm->Action(TCommand::FileNew)->trigger();
    ASSERT_EQ(FPrompter.Messages.size(), 1);
    EXPECT_EQ(FPrompter.Messages[0].Caption, QStringLiteral("Orvantis Editor"));
    EXPECT_EQ(FPrompter.Messages[0].Text, QStringLiteral("The current file has been modified. Save changes?"));
    EXPECT_EQ(FPrompter.Messages[0].Icon, TMsgIcon::Question);
    EXPECT_EQ(FPrompter.Messages[0].Buttons, TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel);
    EXPECT_EQ(FForm->EditedProject().GetProfile().GetUnits(), 2);

    // No: the project is replaced without saving.
    FPrompter.AnswerMessage(TMsgButton::No);
    FForm->Action(TCommand::FileNew)->trigger();
    EXPECT_EQ(FForm->EditedProject().GetProfile().GetUnits(), 0);
    EXPECT_EQ(LogLines().filter(QStringLiteral("new file")).size(), 2);
}

TEST_F(MainFormTest, SaveOfAnUntitledProjectTurnsIntoSaveAs)
{
    FForm->Action(TCommand::FileNew)->trigger();
    FPrompter.AnswerFile(std::nullopt);
    FForm->Action(TCommand::FileSave)->trigger();
    ASSERT_EQ(FPrompter.Files.size(), 1);
    const auto& options = FPrompter.Files[0].Options;
    EXPECT_TRUE(FPrompter.Files[0].Save);
    EXPECT_EQ(options.Title, QStringLiteral("Save As..."));
    EXPECT_EQ(options.Filter, QStringLiteral("PRO file|*.pro"));
    EXPECT_EQ(options.DefaultSuffix, QStringLiteral("pro"));
    EXPECT_EQ(options.FileName, QStringLiteral("Untitled.PRO"));
    EXPECT_TRUE(options.ConfirmOverwrite);
    EXPECT_TRUE(FForm->Project().IsModified());  // cancelled: still unsaved

    const QString target = Path(QStringLiteral("site.pro"));
    FPrompter.AnswerFile(target);
    FForm->Action(TCommand::FileSave)->trigger();
    EXPECT_FALSE(FForm->Project().IsModified());
    EXPECT_EQ(FForm->StatusPanelText(0), target);
    EXPECT_EQ(LogLines().last(), QStringLiteral("file saved as ") + target);
    EXPECT_TRUE(QFile::exists(target));

    // Now a real name: Save writes without asking.
    FForm->EditedProject().SetModified();
    FForm->Action(TCommand::FileSave)->trigger();
    EXPECT_EQ(FPrompter.Files.size(), 2);
    EXPECT_EQ(LogLines().last(), QStringLiteral("file saved ") + target);
    EXPECT_FALSE(FForm->Project().IsModified());
}

TEST_F(MainFormTest, CancelledSaveInTheQueryStopsTheCommandThatAsked)
{
    FForm->Action(TCommand::FileNew)->trigger();
    const int newLines = LogLines().filter(QStringLiteral("new file")).size();

    // Yes, then the Save As dialog is cancelled: New does not go on.
    FPrompter.AnswerMessage(TMsgButton::Yes);
    FPrompter.AnswerFile(std::nullopt);
    FForm->Action(TCommand::FileNew)->trigger();
    EXPECT_EQ(LogLines().filter(QStringLiteral("new file")).size(), newLines);

    // Same for Open: no open dialog is shown.
    FPrompter.AnswerMessage(TMsgButton::Yes);
    FPrompter.AnswerFile(std::nullopt);
    FForm->Action(TCommand::FileOpen)->trigger();
    EXPECT_EQ(FPrompter.Files.size(), 2);
    EXPECT_TRUE(FPrompter.Files[1].Save);

    // And for closing: the window stays and nothing is logged.
    FPrompter.AnswerMessage(TMsgButton::Yes);
    FPrompter.AnswerFile(std::nullopt);
    EXPECT_FALSE(FForm->close());
    EXPECT_FALSE(LogLines().last().startsWith(QStringLiteral("Elapsed")));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("ORVANTIS+.LOG"))));

    // Yes with a successful Save As lets the command go on.
    FPrompter.AnswerMessage(TMsgButton::Yes);
    FPrompter.AnswerFile(Path(QStringLiteral("kept.pro")));
    FForm->Action(TCommand::FileNew)->trigger();
    EXPECT_EQ(LogLines().filter(QStringLiteral("new file")).size(), newLines + 1);
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("kept.pro"))));
    EXPECT_TRUE(FPrompter.AllAnswersUsed());
}

TEST_F(MainFormTest, OpenLogsTheFirstThreeLinesOfTheFile)
{
    struct Case {
        QByteArray Bytes;
        QStringList Logged;
    };
    const Case cases[] = {
        {"# only line", {"# only line"}},
        {"# one\r\n# two\r\n", {"# one", "# two"}},
        {"a\nb\rc\r\nd\ne\n", {"a", "b", "c"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString file = Path(QStringLiteral("f%1.pro").arg(n++));
        orvantis::test::WriteAll(file, c.Bytes);
        if (FForm->Project().IsOpen() && FForm->Project().IsModified()) FPrompter.AnswerMessage(TMsgButton::No);
        FPrompter.AnswerFile(file);
        FForm->Action(TCommand::FileOpen)->trigger();
        QStringList log = LogLines();
        const qsizetype at = log.lastIndexOf(QStringLiteral("open file ") + file);
        ASSERT_GE(at, 0) << file.toStdString();
        EXPECT_EQ(log.mid(at + 1), c.Logged) << file.toStdString();
        EXPECT_FALSE(FForm->Project().IsModified());
        EXPECT_EQ(FForm->StatusPanelText(0), file);
        // Nothing in these files is a record: no area is present to edit.
        const Enabling e = Current();
        EXPECT_TRUE(e.Save && e.SaveAs && e.Send);
        EXPECT_FALSE(e.Point || e.Config || e.Message);
    }
    EXPECT_EQ(FPrompter.Files[0].Options.Title, QStringLiteral("Open PRO file"));
    EXPECT_EQ(FPrompter.Files[0].Options.Filter, QStringLiteral("PRO files|*.pro"));
}

TEST_F(MainFormTest, OpenEnablesTheEditorsOfTheAreasTheFileHolds)
{
    const QString file = Path(QStringLiteral("config-only.pro"));
    orvantis::test::WriteAll(file, "send *E2P1F00000300000A00D20001020002020207\r\n");
    FPrompter.AnswerFile(file);
    FForm->Action(TCommand::FileOpen)->trigger();
    EXPECT_TRUE(FForm->Action(TCommand::EditConfig)->isEnabled());
    EXPECT_FALSE(FForm->Action(TCommand::EditPoint)->isEnabled());
    EXPECT_FALSE(FForm->Action(TCommand::EditMessage)->isEnabled());
    EXPECT_EQ(FForm->EditedProject().GetProfile().GetUnits(), 2);
}

TEST_F(MainFormTest, OpenOfAFileThatCannotBeReadChangesNothing)
{
    FForm->Action(TCommand::FileNew)->trigger();
    FForm->EditedProject().GetProfile().SetUnits(2);
    FPrompter.AnswerMessage(TMsgButton::No);  // discard? the query comes first
    FPrompter.AnswerFile(Path(QStringLiteral("missing.pro")));
    FForm->Action(TCommand::FileOpen)->trigger();
    ASSERT_EQ(FPrompter.Messages.size(), 2);
    EXPECT_EQ(FPrompter.Messages[1].Caption, QStringLiteral("Orvantis error"));
    EXPECT_EQ(FPrompter.Messages[1].Icon, TMsgIcon::Error);
    EXPECT_EQ(FForm->Project().FileName(), QStringLiteral("Untitled.PRO"));
    EXPECT_EQ(FForm->EditedProject().GetProfile().GetUnits(), 2);
    EXPECT_TRUE(FForm->Project().IsModified());

    // A binary file picked by mistake is refused the same way.
    const QString binary = Path(QStringLiteral("firmware.bin"));
    orvantis::test::WriteAll(binary, QByteArray("send *E2P1F00\0\x01\x02", 16));
    FPrompter.AnswerMessage(TMsgButton::No);
    FPrompter.AnswerFile(binary);
    FForm->Action(TCommand::FileOpen)->trigger();
    ASSERT_EQ(FPrompter.Messages.size(), 4);
    EXPECT_TRUE(FPrompter.Messages[3].Text.contains(QStringLiteral("not a text file")));
    EXPECT_EQ(FForm->Project().FileName(), QStringLiteral("Untitled.PRO"));
    EXPECT_EQ(FForm->EditedProject().GetProfile().GetUnits(), 2);
}

TEST_F(MainFormTest, FailedSaveKeepsTheProjectModifiedAndItsName)
{
    FForm->Action(TCommand::FileNew)->trigger();
    const QString good = Path(QStringLiteral("good.pro"));
    FPrompter.AnswerFile(good);
    FForm->Action(TCommand::FileSaveAs)->trigger();
    const QByteArray before = orvantis::test::ReadAll(good);

    FForm->EditedProject().SetModified();
    FPrompter.AnswerFile(Path(QStringLiteral("no-such-folder/x.pro")));
    FForm->Action(TCommand::FileSaveAs)->trigger();
    ASSERT_EQ(FPrompter.Messages.size(), 1);
    EXPECT_EQ(FPrompter.Messages[0].Caption, QStringLiteral("Orvantis error"));
    EXPECT_TRUE(FPrompter.Messages[0].Text.startsWith(QStringLiteral("Unable to save the file")));
    EXPECT_EQ(FPrompter.Messages[0].Icon, TMsgIcon::Error);
    EXPECT_TRUE(FForm->Project().IsModified());
    EXPECT_EQ(FForm->Project().FileName(), good);
    EXPECT_EQ(orvantis::test::ReadAll(good), before);
}

TEST_F(MainFormTest, ClosingWritesTheLogFileAndReplacesTheLastOne)
{
    const QString logFile = Path(QStringLiteral("ORVANTIS+.LOG"));
    orvantis::test::WriteAll(logFile, "an older run\r\n");
    FForm->Action(TCommand::FileNew)->trigger();
    FPrompter.AnswerMessage(TMsgButton::No);
    EXPECT_TRUE(FForm->close());

    const QByteArray bytes = orvantis::test::ReadAll(logFile);
    EXPECT_FALSE(bytes.contains("an older run"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("ORVANTIS+ - v5.00 - r003"));
    EXPECT_EQ(lines[3], QStringLiteral("new file Untitled.PRO"));
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(QStringLiteral("Ended at ")));
    // Whole seconds, "%5.2f": "Elapsed time:  0.00 seconds" for a quick run.
    static const QRegularExpression elapsed(QStringLiteral("^Elapsed time: ( [0-9]|[0-9]{2,})\\.00 seconds$"));
    EXPECT_TRUE(elapsed.match(lines.last()).hasMatch()) << lines.last().toStdString();
    EXPECT_EQ(lines.last().size(), QStringLiteral("Elapsed time:  7.00 seconds").size());
}

TEST_F(MainFormTest, AnUnwritableLogFileIsReportedOnceAndTheProgramStillCloses)
{
    QDir(FDir.path()).mkdir(QStringLiteral("ORVANTIS+.LOG"));  // a folder in its place
    EXPECT_TRUE(FForm->close());
    ASSERT_EQ(FPrompter.Messages.size(), 1);
    EXPECT_TRUE(FPrompter.Messages[0].Text.contains(QStringLiteral("ORVANTIS+.LOG")));
    EXPECT_EQ(FPrompter.Messages[0].Icon, TMsgIcon::Error);
}

// A dialog that closes itself as soon as it is shown, and counts its showings.
class TClosingDialog : public QDialog {
public:
    int Shown = 0;
    int exec() override
    {
        ++Shown;
        QTimer::singleShot(0, this, &QDialog::reject);
        return QDialog::exec();
    }
};

TEST_F(MainFormTest, EditorsAndToolsAreStartedBetweenTheirLogLines)
{
    TClosingDialog points, config, messages, editor, pointList, plans;
    FForm->SetDetPointsEditor(&points);
    FForm->SetPointListEditor(&pointList);
    FForm->SetChannelPlansEditor(&plans);
    FForm->SetCfgEditor(&config);
    FForm->SetMessEditor(&messages);
    FForm->SetScratchPad(&editor);
    FForm->Action(TCommand::FileNew)->trigger();

    struct Case {
        QAction* Action;
        TClosingDialog* Dialog;
        QString Name;
    };
    const Case cases[] = {{FForm->Action(TCommand::EditPoint), &points, QStringLiteral("Edit: MPoints editor")},
                          {FForm->Action(TCommand::EditConfig), &config, QStringLiteral("Edit: configuration editor")},
                          {FForm->Action(TCommand::EditMessage), &messages, QStringLiteral("Edit: text messages editor")},
                          {FForm->Action(TCommand::EditPointList), &pointList, QStringLiteral("Edit: point list")},
                          {FForm->Action(TCommand::EditChannelPlans), &plans, QStringLiteral("Edit: channel plans")},
                          {FForm->Action(TCommand::ToolsEditor), &editor, QStringLiteral("Tools: text editor")}};
    for (const Case& c : cases) {
        c.Action->trigger();
        EXPECT_EQ(c.Dialog->Shown, 1) << c.Name.toStdString();
        const QStringList log = LogLines();
        ASSERT_GE(log.size(), 2);
        EXPECT_TRUE(log[log.size() - 2].startsWith(c.Name + QStringLiteral(" started at "))) << log[log.size() - 2].toStdString();
        EXPECT_TRUE(log.last().startsWith(c.Name + QStringLiteral(" exit at "))) << log.last().toStdString();
    }
    EXPECT_TRUE(FForm->Action(TCommand::ToolsEditor)->isEnabled());
    // A new project is unsaved: closing asks first.
    FPrompter.AnswerMessage(TMsgButton::No);
    EXPECT_TRUE(FForm->close());
}


// An editor whose user renames the first point and presses OK.
class TRenamingDialog : public QDialog {
public:
    explicit TRenamingDialog(IEditedProject& project) : FProject(project) {}
    int exec() override
    {
        FProject.GetProfile().SetPointName(0, "KEPT");
        FProject.SetModified();
        QTimer::singleShot(0, this, &QDialog::accept);
        return QDialog::exec();
    }

private:
    IEditedProject& FProject;
};

TEST_F(MainFormTest, UnsavedChangesOfAKilledWindowComeBackAtTheNextStart)
{
    {
        TRenamingDialog editor(FForm->EditedProject());
        FForm->SetCfgEditor(&editor);
        FForm->Action(TCommand::FileNew)->trigger();
        FForm->Action(TCommand::EditConfig)->trigger();
        FForm->SetCfgEditor(nullptr);
    }
    FForm.reset();  // no close: as after a kill or a power cut

    FForm = std::make_unique<TMainForm>(FPrompter);
    FPrompter.AnswerMessage(TMsgButton::Restore);
    FForm->OfferRecovery();
    ASSERT_EQ(FPrompter.Messages.size(), 1);
    EXPECT_EQ(FPrompter.Messages[0].Buttons, TMsgButton::Restore | TMsgButton::Discard | TMsgButton::Later);
    EXPECT_EQ(FForm->Project().FileName(), QStringLiteral("Untitled.PRO"));
    EXPECT_TRUE(FForm->Project().IsModified());
    EXPECT_STREQ(FForm->Project().Profile().GetPointName(0), "KEPT    ");
    EXPECT_TRUE(FForm->Action(TCommand::FileSave)->isEnabled());

    // A normal close ends the copy: nothing is offered at the next start.
    FPrompter.AnswerMessage(TMsgButton::No);
    EXPECT_TRUE(FForm->close());
    FForm = std::make_unique<TMainForm>(FPrompter);
    FForm->OfferRecovery();
    EXPECT_EQ(FPrompter.Messages.size(), 2);
}

// Work left by a window that ended without closing, and the recovery folder.
class RecoveryTest : public MainFormTest {
protected:
    // In a new project, or in the file given.
    void LeaveUnsavedWork(const QString& file = {})
    {
        TRenamingDialog editor(FForm->EditedProject());
        FForm->SetCfgEditor(&editor);
        if (!file.isEmpty()) FPrompter.AnswerFile(file);
        FForm->Action(file.isEmpty() ? TCommand::FileNew : TCommand::FileOpen)->trigger();
        FForm->Action(TCommand::EditConfig)->trigger();
        FForm->SetCfgEditor(nullptr);
        FForm.reset();
    }
    QStringList Files(const QString& pattern) const
    {
        return QDir(Path(QStringLiteral("data/orvantis/recovery"))).entryList({pattern}, QDir::Files);
    }
    // What the user does to the next message box shown.
    static void WhenAsked(std::function<void(QMessageBox&)> act)
    {
        QTimer::singleShot(0, [act] {
            ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }, 30000));
            QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            act(*box);
            if (!QTest::qWaitFor([&] { return !box || !box->isVisible(); }, 10000)) {
                ADD_FAILURE() << "the box stayed";
                box->done(0);
            }
        });
    }
};

TEST_F(RecoveryTest, EnterRestoresTheWorkAndEscapeOrTheCloseBoxKeepItForLater)
{
    LeaveUnsavedWork();
    TQtPrompter boxes;
    const std::function<void(QMessageBox&)> later[] = {
        [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); },
        [](QMessageBox& box) { box.close(); },
    };
    for (const auto& act : later) {
        FForm = std::make_unique<TMainForm>(boxes);
        WhenAsked(act);
        FForm->OfferRecovery();
        EXPECT_FALSE(FForm->Project().IsOpen());
        EXPECT_EQ(Files(QStringLiteral("*.pro")).size(), 1);
    }
    FForm = std::make_unique<TMainForm>(boxes);
    WhenAsked([](QMessageBox& box) {
        EXPECT_EQ(box.defaultButton()->text(), QStringLiteral("Restore"));
        QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, Qt::Key_Return);
    });
    FForm->OfferRecovery();
    EXPECT_STREQ(FForm->Project().Profile().GetPointName(0), "KEPT    ");
}

// A copy that cannot be a project is neither restored nor lost: the user is
// told why and where it now is, and it is not offered again.
TEST_F(RecoveryTest, ACopyThatCannotBeAProjectIsSetAsideWithItsReason)
{
    const QString folder = Path(QStringLiteral("data/orvantis/recovery/"));
    FForm.reset();
    // The program keeps only text its model wrote: an empty copy, or one the
    // model does not take whole, would restore defaults in place of the work.
    const std::pair<QByteArray, std::string> copies[] = {
        {QByteArray("send *E2P0800\0\0\0\r\n", 18), "not a text file"},
        {QByteArray(MaxProjectFileSize + 1, '#'), "too large"},
        {QByteArray(), "is empty"},
        {QByteArray("# kept\r\nsend    # note\r\n"), "Line 2 of the file " + folder.toStdString() + "left.pro cannot be loaded: send    # note"},
    };
    // Each copy refused under the same name is put beside the earlier ones, never over them.
    const QString asides[] = {"left.pro.refused", "left-2.pro.refused", "left-3.pro.refused", "left-4.pro.refused"};
    for (int i = 0; i < 4; ++i) {
        const auto& [bytes, reason] = copies[i];
        orvantis::test::WriteAll(folder + QStringLiteral("left.pro"), bytes);
        orvantis::test::WriteAll(folder + QStringLiteral("left.name"), "site.pro\r\n");
        FForm = std::make_unique<TMainForm>(FPrompter);
        FPrompter.Messages.clear();
        FForm->OfferRecovery();
        ASSERT_EQ(FPrompter.Messages.size(), 1);
        EXPECT_EQ(FPrompter.Messages[0].Icon, TMsgIcon::Warning);
        EXPECT_TRUE(FPrompter.Messages[0].Text.contains(QString::fromStdString(reason))) << FPrompter.Messages[0].Text.toStdString();
        EXPECT_TRUE(FPrompter.Messages[0].Text.contains(folder + asides[i])) << FPrompter.Messages[0].Text.toStdString();
        EXPECT_FALSE(FForm->Project().IsOpen());
        FForm->OfferRecovery();
        EXPECT_EQ(FPrompter.Messages.size(), 1) << "offered again";
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(orvantis::test::ReadAll(folder + asides[i]), copies[i].first) << asides[i].toStdString();
        EXPECT_TRUE(QFile::exists(folder + QString(asides[i]).replace(QStringLiteral(".pro."), QStringLiteral(".name."))));
    }
}

// The copy of a project whose file did not load whole comes back as partly
// loaded as the file was: Save still asks before defaults go over the file.
TEST_F(RecoveryTest, APartlyLoadedProjectComesBackPartlyLoaded)
{
    const QString partial = Path(QStringLiteral("partial.pro"));
    TFixedIdentity identity;
    TLineList lines;
    TProfile profile(&lines, identity);
    profile.SetDefaults();
    profile.WriteProject(&lines, "partial.pro", "");
    lines.insert(lines.begin() + 39, "send    # note");
    ASSERT_TRUE(SaveTextLines(partial, lines).Ok);
    const QByteArray original = orvantis::test::ReadAll(partial);
    LeaveUnsavedWork(partial);

    FForm = std::make_unique<TMainForm>(FPrompter);
    FPrompter.AnswerMessage(TMsgButton::Restore);
    FForm->OfferRecovery();
    EXPECT_STREQ(FForm->Project().Profile().GetPointName(0), "KEPT    ");
    ASSERT_TRUE(FForm->Project().IsPartlyLoaded());
    EXPECT_EQ(FForm->Project().PartLoadText(),
              partial + QStringLiteral(": line 40 not loaded: send    # note; the settings after it are at their defaults"));
    FPrompter.Messages.clear();
    FPrompter.AnswerMessage(TMsgButton::No);
    FForm->Action(TCommand::FileSave)->trigger();
    ASSERT_EQ(FPrompter.Messages.size(), 1);
    EXPECT_EQ(FPrompter.Messages[0].Buttons, TMsgButton::Yes | TMsgButton::No);
    EXPECT_EQ(orvantis::test::ReadAll(partial), original);
}

// A program killed with nothing unsaved leaves only its lock behind.
TEST_F(RecoveryTest, TheLocksOfProgramsThatNoLongerRunAreRemoved)
{
    FForm.reset();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), Path(QStringLiteral("data")));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(FDir.path());
    program.start(QStringLiteral(ORVANTIS_APP_PATH), QStringList());
    ASSERT_TRUE(program.waitForStarted(30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Files(QStringLiteral("*.lock")).isEmpty(); }, 30000));
    program.kill();
    ASSERT_TRUE(program.waitForFinished(30000));
    const QStringList stale = Files(QStringLiteral("*.lock"));
    ASSERT_EQ(stale.size(), 1);

    FForm = std::make_unique<TMainForm>(FPrompter);
    const QStringList locks = Files(QStringLiteral("*.lock"));
    EXPECT_EQ(locks.size(), 1);
    EXPECT_FALSE(locks.contains(stale.first()));
}

TEST(MainProgram, ASignalWhileTheRecoveryQuestionIsShownEndsTheProgramAndKeepsTheCopy)
{
    QTemporaryDir work;
    const QString folder = work.filePath(QStringLiteral("data/orvantis/recovery/"));
    ASSERT_TRUE(QDir().mkpath(folder));
    orvantis::test::WriteAll(folder + QStringLiteral("left.pro"), "# kept\r\n");
    orvantis::test::WriteAll(folder + QStringLiteral("left.name"), "site.pro\r\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), work.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("ORVANTIS_PORT_DIR"), work.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work.path());
    program.start(QStringLiteral(ORVANTIS_APP_PATH), QStringList());
    ASSERT_TRUE(program.waitForStarted(30000));
    // The question comes once the window has started; a signal before it
    // must end the program as well.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QDir(folder).entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty(); }, 30000));

    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    const bool ended = program.waitForFinished(30000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    ASSERT_TRUE(ended);
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(QFile::exists(work.filePath(QStringLiteral("ORVANTIS+.LOG"))));
    EXPECT_EQ(orvantis::test::ReadAll(folder + QStringLiteral("left.pro")), QByteArray("# kept\r\n"));
}

TEST(MainProgram, ASignalClosesTheWindowAsItsCloseBoxDoesAndKeepsTheLog)
{
    QTemporaryDir work;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), work.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("ORVANTIS_PORT_DIR"), work.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work.path());
    program.start(QStringLiteral(ORVANTIS_APP_PATH), QStringList());
    ASSERT_TRUE(program.waitForStarted(30000));
    // The window has started once its recovery lock is there; the signal
    // handling is in place by then, or the signal waits for it.
    const QDir recovery(work.filePath(QStringLiteral("data/orvantis/recovery")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recovery.entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty(); }, 30000));

    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    const QStringList log = QString::fromUtf8(orvantis::test::ReadAll(work.filePath(QStringLiteral("ORVANTIS+.LOG"))))
                                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GE(log.size(), 2);
    EXPECT_TRUE(log[log.size() - 2].startsWith(QStringLiteral("Ended at ")));
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("Elapsed time: ")));
}

}  // namespace
