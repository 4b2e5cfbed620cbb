// The file commands and the save-changes query, answered by a script.

#include "Project.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "TextFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvantis::test {
namespace {

const QString Question = QStringLiteral("The current file has been modified. Save changes?");

class ProjectTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    TFixedIdentity Identity;
    TScriptedPrompter Prompter;
    QStringList Log;
    TProject Project{Identity, Prompter, [this](const QString& line) { Log << line; }};

    QString Path(const QString& name) const { return Dir.filePath(name); }

    // A project file as the program writes it, with the first point renamed.
    QString WriteProjectFile(const QString& name, const char* pointName = "SAVED 01")
    {
        TLineList lines;
        TProfile model(&lines, Identity);
        model.SetDefaults();
        model.SetPointName(0, pointName);
        model.WriteProject(&lines, name.toStdString(), "07/12/2026 20:15:42");
        EXPECT_TRUE(SaveTextLines(Path(name), lines));
        return Path(name);
    }

    bool OpenFile(const QString& path)
    {
        Prompter.AnswerFile(path);
        return Project.Open();
    }

    void ExpectQueryAsked(int index = 0)
    {
        ASSERT_GT(Prompter.Messages.size(), index);
        const TAskedMessage& m = Prompter.Messages[index];
        EXPECT_EQ(m.Caption, QStringLiteral("Orvantis Editor"));
        EXPECT_EQ(m.Text, Question);
        EXPECT_EQ(m.Icon, TMsgIcon::Question);
        EXPECT_EQ(m.Buttons, TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel);
    }

    void ExpectSaveError()
    {
        ASSERT_FALSE(Prompter.Messages.isEmpty());
        const TAskedMessage& m = Prompter.Messages.back();
        EXPECT_EQ(m.Caption, QStringLiteral("Orvantis error"));
        EXPECT_TRUE(m.Text.startsWith(QStringLiteral("Unable to save the file"))) << m.Text.toStdString();
        EXPECT_EQ(m.Icon, TMsgIcon::Error);
    }
};

TEST_F(ProjectTest, NewOnAFreshStartAsksNothingAndCountsAsUnsaved)
{
    EXPECT_TRUE(Project.New());
    EXPECT_TRUE(Prompter.Messages.isEmpty());
    EXPECT_EQ(Project.FileName(), QStringLiteral("Untitled.PRO"));
    EXPECT_TRUE(Project.IsOpen());
    EXPECT_TRUE(Project.IsModified());
    EXPECT_EQ(Log, QStringList{QStringLiteral("new file Untitled.PRO")});
    EXPECT_TRUE(Project.Profile().HasConfig());
    EXPECT_STREQ(Project.Profile().GetPointName(0), "SFN CH66");
}

TEST_F(ProjectTest, TheQueryCancelStopsAndNoGoesOn)
{
    Project.New();
    Project.Profile().SetUnits(2);
    Prompter.AnswerMessage(TMsgButton::Cancel);
    EXPECT_FALSE(Project.New());
    ExpectQueryAsked();
    EXPECT_EQ(Project.Profile().GetUnits(), 2);
    EXPECT_EQ(Log.size(), 1);

    Prompter.AnswerMessage(TMsgButton::No);
    EXPECT_TRUE(Project.New());
    EXPECT_EQ(Project.Profile().GetUnits(), 0);
    EXPECT_EQ(Log.size(), 2);
    EXPECT_TRUE(Prompter.AllAnswersUsed());
}

TEST_F(ProjectTest, YesSavesAnUntitledProjectThroughSaveAsFirst)
{
    Project.New();
    Prompter.AnswerMessage(TMsgButton::Yes);
    Prompter.AnswerFile(Path("first.pro"));
    EXPECT_TRUE(Project.New());
    ASSERT_EQ(Prompter.Files.size(), 1);
    EXPECT_TRUE(Prompter.Files[0].Save);
    EXPECT_EQ(Log, (QStringList{"new file Untitled.PRO", "file saved as " + Path("first.pro"), "new file Untitled.PRO"}));
    TLineList saved;
    ASSERT_TRUE(LoadTextLines(Path("first.pro"), saved));
    EXPECT_EQ(saved.size(), 122u);
}

TEST_F(ProjectTest, CancellingTheSaveAsOfTheQueryStopsTheCommandThatAsked)
{
    Project.New();
    Prompter.AnswerMessage(TMsgButton::Yes);
    Prompter.AnswerFile(std::nullopt);
    EXPECT_FALSE(Project.Open());
    EXPECT_EQ(Prompter.Files.size(), 1);  // only the Save As, never the open dialog
    EXPECT_TRUE(Project.IsModified());
    EXPECT_EQ(Project.FileName(), QStringLiteral("Untitled.PRO"));
    EXPECT_EQ(Log.size(), 1);
    EXPECT_TRUE(Prompter.AllAnswersUsed());
}

TEST_F(ProjectTest, AFailedSaveInTheQueryStopsTheCommandToo)
{
    Project.New();
    Prompter.AnswerMessage(TMsgButton::Yes);
    Prompter.AnswerFile(Path("missing folder/x.pro"));
    EXPECT_FALSE(Project.New());
    ExpectSaveError();
    EXPECT_TRUE(Project.IsModified());
    EXPECT_EQ(Project.FileName(), QStringLiteral("Untitled.PRO"));
}

TEST_F(ProjectTest, OpenLoadsTheModelAndLogsTheFirstThreeLines)
{
    const QString path = WriteProjectFile(QStringLiteral("site.pro"));
    EXPECT_TRUE(OpenFile(path));
    const TFileDialogOptions& options = Prompter.Files.at(0).Options;
    EXPECT_FALSE(Prompter.Files.at(0).Save);
    EXPECT_EQ(options.Title, QStringLiteral("Open PRO file"));
    EXPECT_EQ(options.Filter, QStringLiteral("PRO files|*.pro"));
    EXPECT_EQ(options.DefaultSuffix, QStringLiteral("pro"));

    EXPECT_EQ(Project.FileName(), path);
    EXPECT_TRUE(Project.IsOpen());
    EXPECT_FALSE(Project.IsModified());
    EXPECT_STREQ(Project.Profile().GetPointName(0), "SAVED 01");
    EXPECT_EQ(Log, (QStringList{"open file " + path, QString(58, '#'),
                                "# site.pro created at 07/12/2026 20:15:42", "# by ORVANTIS+ (v5.00 - r003)"}));
}

TEST_F(ProjectTest, ShortFilesLogOnlyTheLinesTheyHave)
{
    WriteAll(Path("one.pro"), "send *E2P1F00010300000A00D20001000002020208");
    WriteAll(Path("two.pro"), "# first\nsecond\n");
    WriteAll(Path("empty.pro"), "");
    EXPECT_TRUE(OpenFile(Path("one.pro")));
    EXPECT_EQ(Log, (QStringList{"open file " + Path("one.pro"), "send *E2P1F00010300000A00D20001000002020208"}));
    EXPECT_EQ(Project.Profile().GetPointIndex(), 1);
    Log.clear();
    EXPECT_TRUE(OpenFile(Path("two.pro")));
    EXPECT_EQ(Log, (QStringList{"open file " + Path("two.pro"), "# first", "second"}));
    Log.clear();
    EXPECT_TRUE(OpenFile(Path("empty.pro")));
    EXPECT_EQ(Log, QStringList{"open file " + Path("empty.pro")});
}

TEST_F(ProjectTest, AFileThatStopsLoadingIsSaidAndMarkedUntilTheNextNew)
{
    const QString path = Path("stray.pro");
    ASSERT_TRUE(SaveTextLines(path, {"# site", "send *E2P00D34C414E00", "send    # note", "send *E2P1F00010300"}));
    ASSERT_TRUE(OpenFile(path));
    const QString said = path + QStringLiteral(": line 3 not loaded: send    # note; the settings after it are at their defaults");
    EXPECT_EQ(Log.last(), said);
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Text, said);
    EXPECT_EQ(Prompter.Messages[0].Icon, TMsgIcon::Warning);
    EXPECT_TRUE(Project.IsPartlyLoaded());
    EXPECT_STREQ(Project.Profile().GetMessageText(12), "LAN") << "what came before the line stands";

    Project.New();
    EXPECT_FALSE(Project.IsPartlyLoaded());
}

TEST_F(ProjectTest, SavingAPartlyLoadedProjectAsksFirstAndNoWritesNothing)
{
    const QString path = Path("stray.pro");
    const QByteArray original = "send *E2P00D34C414E00\r\nsend    # note\r\nsend *E2P1F00010300\r\n";
    WriteAll(path, original);
    ASSERT_TRUE(OpenFile(path));
    Prompter.Messages.clear();
    const QString said = Project.PartLoadText();
    const auto expectAsked = [this, &said] {
        ASSERT_EQ(Prompter.Messages.size(), 1);
        const TAskedMessage& m = Prompter.Messages[0];
        EXPECT_EQ(m.Caption, QStringLiteral("Warning"));
        EXPECT_TRUE(m.Text.startsWith(said + QStringLiteral(".\n\n"))) << m.Text.toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("line 2 not loaded: send    # note")));
        EXPECT_EQ(m.Buttons, TMsgButton::Yes | TMsgButton::No);
        Prompter.Messages.clear();
    };

    // Save and Save As: No writes nothing and shows no file dialog.
    Prompter.AnswerMessage(TMsgButton::No);
    EXPECT_FALSE(Project.Save());
    expectAsked();
    Prompter.AnswerMessage(TMsgButton::No);
    EXPECT_FALSE(Project.SaveAs());
    expectAsked();
    EXPECT_EQ(Prompter.Files.size(), 1) << "only the open dialog";

    // The save-changes query's Yes, then No: the New does not go on.
    Project.SetModified();
    Prompter.AnswerMessage(TMsgButton::Yes);
    Prompter.AnswerMessage(TMsgButton::No);
    EXPECT_FALSE(Project.New());
    Prompter.Messages.removeFirst();
    expectAsked();
    EXPECT_EQ(Project.FileName(), path);
    EXPECT_TRUE(Project.IsModified());
    EXPECT_EQ(ReadAll(path), original);
    EXPECT_TRUE(Prompter.AllAnswersUsed());

    // Yes writes the whole model; the file then loads whole.
    Prompter.AnswerMessage(TMsgButton::Yes);
    EXPECT_TRUE(Project.Save());
    expectAsked();
    EXPECT_FALSE(Project.IsPartlyLoaded());
    ASSERT_TRUE(OpenFile(path));
    EXPECT_TRUE(Prompter.Messages.isEmpty());
    EXPECT_STREQ(Project.Profile().GetMessageText(12), "LAN");
}

TEST_F(ProjectTest, AFileThatCannotBeReadChangesNothing)
{
    const QString path = WriteProjectFile(QStringLiteral("good.pro"));
    ASSERT_TRUE(OpenFile(path));
    Project.SetModified();
    const TLineList lines = Project.Lines();
    QDir(Dir.path()).mkdir(QStringLiteral("folder.pro"));
    WriteAll(Path("huge.pro"), QByteArray(MaxProjectFileSize + 1, '#'));

    for (const QString& bad : {Path("missing.pro"), Path("folder.pro"), Path("huge.pro")}) {
        Log.clear();
        Prompter.AnswerMessage(TMsgButton::No);  // the query, since the project is modified
        Prompter.AnswerFile(bad);
        EXPECT_FALSE(Project.Open()) << bad.toStdString();
        ASSERT_EQ(Prompter.Messages.size(), 2);
        EXPECT_EQ(Prompter.Messages[1].Caption, QStringLiteral("Orvantis error"));
        EXPECT_EQ(Prompter.Messages[1].Icon, TMsgIcon::Error);
        Prompter.Messages.clear();
        EXPECT_EQ(Project.FileName(), path);
        EXPECT_TRUE(Project.IsModified());
        EXPECT_EQ(Project.Lines(), lines);
        EXPECT_STREQ(Project.Profile().GetPointName(0), "SAVED 01");
        EXPECT_TRUE(Log.isEmpty());
    }
}

TEST_F(ProjectTest, SaveAsWritesTheProjectUnderTheChosenName)
{
    Project.New();
    Project.Profile().SetPointName(0, "FIELD 7");
    Prompter.AnswerFile(Path("field.pro"));
    EXPECT_TRUE(Project.Save());
    ASSERT_EQ(Prompter.Files.size(), 1);
    const TFileDialogOptions& options = Prompter.Files[0].Options;
    EXPECT_EQ(options.Title, QStringLiteral("Save As..."));
    EXPECT_EQ(options.Filter, QStringLiteral("PRO file|*.pro"));
    EXPECT_EQ(options.DefaultSuffix, QStringLiteral("pro"));
    EXPECT_EQ(options.FileName, QStringLiteral("Untitled.PRO"));
    EXPECT_TRUE(options.ConfirmOverwrite);
    EXPECT_TRUE(options.PathMustExist);

    EXPECT_EQ(Project.FileName(), Path("field.pro"));
    EXPECT_FALSE(Project.IsModified());
    EXPECT_EQ(Log.back(), "file saved as " + Path("field.pro"));
    const QByteArray bytes = ReadAll(Path("field.pro"));
    EXPECT_EQ(bytes.count("\r\n"), 122);
    EXPECT_TRUE(bytes.endsWith(("# End of file " + Path("field.pro") + "\r\n").toUtf8()));
    EXPECT_TRUE(bytes.contains(("# " + Path("field.pro") + " created at ").toUtf8()));
    EXPECT_TRUE(bytes.contains("    #FIELD 7 \r\n"));
}

TEST_F(ProjectTest, SaveOfANamedProjectRewritesItWithoutADialog)
{
    const QString path = WriteProjectFile(QStringLiteral("named.pro"));
    ASSERT_TRUE(OpenFile(path));
    Project.Profile().SetPointName(1, "CHANGED");
    Project.SetModified();
    EXPECT_TRUE(Project.Save());
    EXPECT_EQ(Prompter.Files.size(), 1);  // the open dialog only
    EXPECT_FALSE(Project.IsModified());
    EXPECT_EQ(Log.back(), "file saved " + path);
    EXPECT_TRUE(ReadAll(path).contains("    #CHANGED \r\n"));
}

TEST_F(ProjectTest, AFailedSaveKeepsTheProjectModifiedAndItsName)
{
    const QString path = WriteProjectFile(QStringLiteral("kept.pro"));
    ASSERT_TRUE(OpenFile(path));
    const QByteArray before = ReadAll(path);
    Log.clear();

    Prompter.AnswerFile(Path("no folder/new.pro"));
    EXPECT_FALSE(Project.SaveAs());
    ExpectSaveError();
    EXPECT_TRUE(Project.IsModified());
    EXPECT_EQ(Project.FileName(), path);
    EXPECT_TRUE(Log.isEmpty());
    EXPECT_EQ(ReadAll(path), before);

    // The file of a named project has become a folder's name.
    QFile::remove(path);
    ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("kept.pro")));
    Prompter.Messages.clear();
    EXPECT_FALSE(Project.Save());
    ExpectSaveError();
    EXPECT_TRUE(Project.IsModified());
    EXPECT_EQ(Project.FileName(), path);
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(ProjectTest, CancellingSaveAsChangesNothing)
{
    Project.New();
    Prompter.AnswerFile(std::nullopt);
    EXPECT_FALSE(Project.Save());
    EXPECT_TRUE(Project.IsModified());
    EXPECT_EQ(Project.FileName(), QStringLiteral("Untitled.PRO"));
    EXPECT_TRUE(QDir(Dir.path()).isEmpty());
}

TEST_F(ProjectTest, AReceivedProjectIsWrittenWithoutANameAndThenCalledUntitled)
{
    const QString path = WriteProjectFile(QStringLiteral("before.pro"));
    ASSERT_TRUE(OpenFile(path));
    Project.Drop();
    EXPECT_FALSE(Project.IsOpen());
    EXPECT_TRUE(Project.FileName().isEmpty());
    EXPECT_TRUE(Project.QuerySave());  // no project, no question

    Project.Profile().SetDefaults();
    Project.AdoptReceived();
    EXPECT_EQ(Project.FileName(), QStringLiteral("Untitled.PRO"));
    EXPECT_TRUE(Project.IsOpen());
    EXPECT_TRUE(Project.IsModified());
    ASSERT_EQ(Project.Lines().size(), 122u);
    EXPECT_TRUE(Project.Lines()[1].starts_with("#  created at "));
    EXPECT_EQ(Project.Lines().back(), "# End of file ");

    // Send regenerates the text from the model under the current name.
    Project.Profile().SetPointName(0, "RESENT");
    const TLineList& text = Project.Regenerate();
    EXPECT_TRUE(text[1].starts_with("# Untitled.PRO created at "));
    EXPECT_EQ(text[13], "send *E2P0800D0B90C000001080000FFFF00524553454E542020    #RESENT  ");
    EXPECT_TRUE(Prompter.Messages.isEmpty());
}

// Every way into and out of each state, in one life of the project.
TEST_F(ProjectTest, TheStateFollowsTheCommandsThroughTheProjectsLife)
{
    using S = TProjectState;
    const auto expect = [this](S state, bool open, bool modified, bool model, bool unsaved) {
        EXPECT_EQ(Project.State(), state);
        EXPECT_EQ(Project.IsOpen(), open);
        EXPECT_EQ(Project.IsModified(), modified);
        EXPECT_EQ(Project.HasModel(), model);
        EXPECT_EQ(Project.HasUnsavedWork(), unsaved);
        EXPECT_EQ(Project.IsPartlyLoaded(), state == S::PartlyLoaded || state == S::PartlyLoadedModified);
    };
    expect(S::None, false, false, false, false);
    Project.SetModified();  // nothing in hand to change
    expect(S::None, false, false, false, false);

    Project.New();
    expect(S::New, true, true, true, false);
    Prompter.AnswerFile(Path("new.pro"));
    Project.SaveAs();
    expect(S::File, true, false, true, false);
    Project.SetModified();
    expect(S::Modified, true, true, true, true);

    // Receive: the project goes when it begins, the model when no instrument answers.
    Project.Drop();
    expect(S::NoneReceived, false, false, true, false);
    Project.SetModified();
    expect(S::NoneEdited, false, true, true, true);
    EXPECT_TRUE(Project.QuerySave());
    Project.DropModel();
    expect(S::None, false, false, false, false);
    Project.ModelReceived();
    expect(S::NoneReceived, false, false, true, false);
    Project.AdoptReceived();
    expect(S::Modified, true, true, true, true);

    const QString stray = Path("stray.pro");
    ASSERT_TRUE(SaveTextLines(stray, {"send *E2P00D34C414E00", "send"}));
    Prompter.AnswerMessage(TMsgButton::No);
    ASSERT_TRUE(Project.Open(stray));
    expect(S::PartlyLoaded, true, false, true, false);
    Project.SetModified();
    expect(S::PartlyLoadedModified, true, true, true, true);
    Project.AcceptPartLoad();
    expect(S::Modified, true, true, true, true);

    // A failed save leaves New's defaults untouched but marks a file modified.
    ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("folder.pro")));
    Project.Take(Project.Regenerate(), Path("folder.pro"));
    expect(S::File, true, false, true, false);
    Project.Save();
    expect(S::Modified, true, true, true, true);
    Prompter.AnswerMessage(TMsgButton::No);
    Project.New();
    Prompter.AnswerFile(Path("folder.pro"));
    Project.SaveAs();
    expect(S::New, true, true, true, false);
    EXPECT_TRUE(Prompter.AllAnswersUsed());
}

}  // namespace
}  // namespace orvantis::test
