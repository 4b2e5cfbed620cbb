// The text editor's window and file commands, driven through its actions
// with scripted dialog answers.

#include "ScratchPadFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace orvantis::test {
namespace {

const QString Caption = QStringLiteral("Tools Editor");
const QString Question = QStringLiteral("The current file has been modified. Save changes?");

QString Captioned(const QString& path)
{
    return QStringLiteral("Tools Editor  -  ") + QFileInfo(path).absoluteFilePath();
}

using ScratchPadWindowTest = ScratchPadFixture;

TEST_F(ScratchPadWindowTest, SpeedBarButtonsInOrderWithTheirHints)
{
    EXPECT_EQ(FPad.windowTitle(), Caption);
    const QList<QToolButton*> buttons = FPad.findChild<QToolBar*>(QStringLiteral("SpeedBar"))->findChildren<QToolButton*>();
    QStringList seen;
    for (const QToolButton* b : buttons)
        if (b->objectName().startsWith(QStringLiteral("Speed"))) seen << b->objectName() + QLatin1Char('=') + b->toolTip();
    EXPECT_EQ(seen, QStringList({"SpeedExitBtn=Exit editor", "SpeedNewBtn=New file", "SpeedOpenBtn=Open a file",
                                 "SpeedSaveBtn=Save to file", "SpeedSearchBtn=Search", "SpeedPrintBtn=Print"}));
}

TEST_F(ScratchPadWindowTest, MenusWithTheirItemsAndShortcuts)
{
    QStringList seen;
    for (QAction* menu : FPad.findChild<QMenuBar*>(QStringLiteral("MainMenu1"))->actions()) {
        seen << menu->text();
        for (const QAction* item : menu->menu()->actions())
            seen << (item->isSeparator() ? QStringLiteral("-")
                                         : item->text() + QLatin1Char('|') + item->shortcut().toString());
    }
    EXPECT_EQ(seen, QStringList({"&File", "&New|Ctrl+N", "&Open|Ctrl+O", "-", "&Save|Ctrl+S", "Save &as...|", "-",
                                 "&Print|Ctrl+I", "P&rinter setup...|", "-", "E&xit|", "&Edit", "&Undo|Ctrl+Z",
                                 "&Select all|Ctrl+A", "-", "Cu&t|Ctrl+X", "&Copy|Ctrl+C", "&Paste|Ctrl+V", "-",
                                 "&Search...|"}));
}

TEST_F(ScratchPadWindowTest, TextAreaLooksAndTypesAsAPlainFixedPitchEditor)
{
    const QFontInfo font(Memo()->font());
    EXPECT_TRUE(QFontDatabase::isFixedPitch(font.family())) << font.family().toStdString();
    EXPECT_EQ(Memo()->font().pointSize(), 8);
    EXPECT_EQ(Memo()->palette().color(QPalette::Base), QColor(0, 0, 128));
    EXPECT_EQ(Memo()->palette().color(QPalette::Text), QColor(255, 255, 0));
    EXPECT_EQ(Memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    Type(QStringLiteral("a"));
    QTest::keyClick(Memo(), Qt::Key_Tab);
    Type(QStringLiteral("b"));
    EXPECT_EQ(Text(), QStringLiteral("a\tb"));
    EXPECT_TRUE(FPad.IsModified());
}

TEST_F(ScratchPadWindowTest, EditCommandsWorkOnTheTextAndMarkIt)
{
    Type(QStringLiteral("hello"));
    Trigger("EditSelectAll");
    Trigger("EditCut");
    EXPECT_EQ(Text(), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("hello"));
    Trigger("EditPaste");
    Trigger("EditPaste");
    EXPECT_EQ(Text(), QStringLiteral("hellohello"));
    Trigger("EditUndo");
    EXPECT_EQ(Text(), QStringLiteral("hello"));
    Trigger("EditSelectAll");
    Trigger("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("hello"));
    EXPECT_TRUE(FPad.IsModified());
}

using ScratchPadFileTest = ScratchPadFixture;

TEST_F(ScratchPadFileTest, OpenOfAnUnchangedTextAsksNothingAndOffersTheFourFilters)
{
    const QString path = FileWith(QStringLiteral("a.pro"), "# one\r\nsend *E2P0000\r\n");
    Open(path);
    EXPECT_EQ(MessageCount(), 0);
    ASSERT_EQ(FPrompter.Files.size(), 1);
    EXPECT_FALSE(FPrompter.Files[0].Save);
    EXPECT_EQ(FPrompter.Files[0].Options.Filter,
              QStringLiteral("PRO files|*.pro|LOG files|*.log|generic text files|*.txt|All|*.*"));
    EXPECT_EQ(FPrompter.Files[0].Options.FilterIndex, 0);
    EXPECT_EQ(Text(), QStringLiteral("# one\nsend *E2P0000"));
    EXPECT_FALSE(FPad.IsModified());
    EXPECT_EQ(FPad.CurrentFileName(), path);
    EXPECT_EQ(FPad.LastOpenedName(), path);
    EXPECT_EQ(FPad.windowTitle(), Captioned(path));
}

TEST_F(ScratchPadFileTest, CancelledOpenKeepsTheTextButForgetsTheLastOpenedName)
{
    const QString path = FileWith(QStringLiteral("a.txt"), "text\r\n");
    Open(path);
    FPrompter.AnswerFile(std::nullopt);
    Trigger("FileOpen");
    EXPECT_EQ(Text(), QStringLiteral("text"));
    EXPECT_EQ(FPad.LastOpenedName(), QString());
    EXPECT_EQ(FPad.CurrentFileName(), path);
    EXPECT_EQ(FPad.windowTitle(), Captioned(path));
}

TEST_F(ScratchPadFileTest, SaveWithoutANameGoesToSaveAs)
{
    Type(QStringLiteral("first line\nsecond"));
    const QString target = FDir.filePath(QStringLiteral("new.txt"));
    FPrompter.AnswerFile(target);
    Trigger("FileSave");
    ASSERT_EQ(FPrompter.Files.size(), 1);
    const TFileDialogOptions& asked = FPrompter.Files[0].Options;
    EXPECT_TRUE(FPrompter.Files[0].Save);
    EXPECT_EQ(asked.Title, QStringLiteral("Save as..."));
    EXPECT_TRUE(asked.ConfirmOverwrite);
    EXPECT_TRUE(asked.Filter.isEmpty());
    EXPECT_TRUE(asked.DefaultSuffix.isEmpty());
    EXPECT_EQ(ReadAll(target), QByteArray("first line\r\nsecond\r\n"));
    EXPECT_FALSE(FPad.IsModified());
    EXPECT_EQ(FPad.windowTitle(), Captioned(target));

    // Now it has a name: Save writes there without asking.
    Type(QStringLiteral("!"));
    Trigger("FileSave");
    EXPECT_EQ(FPrompter.Files.size(), 1);
    EXPECT_EQ(ReadAll(target), QByteArray("first line\r\nsecond!\r\n"));

    // Save As offers the current name, in its own folder.
    FPrompter.AnswerFile(std::nullopt);
    Trigger("FileSaveAs");
    EXPECT_EQ(FPrompter.Files.last().Options.FileName, target);
    EXPECT_EQ(FPrompter.Files.last().Options.Folder, FDir.path());
}

TEST_F(ScratchPadFileTest, EightBitAndUtf8FilesSaveBackByteForByte)
{
    const QByteArray latin = "caf\xE9 \x01\r\nend\r\n";
    const QByteArray utf8 = "caf\xC3\xA9\r\n\xE2\x82\xAC\r\n";
    for (const QByteArray& bytes : {latin, utf8}) {
        const QString path = FileWith(QStringLiteral("file.txt"), bytes);
        Open(path);
        Type(QStringLiteral("x"));
        Trigger("EditUndo");
        Trigger("FileSave");
        EXPECT_EQ(ReadAll(path), bytes);
    }
    // A Latin-1 text that gains a character beyond Latin-1 keeps it, in UTF-8.
    const QString path = FileWith(QStringLiteral("file.txt"), latin);
    Open(path);
    Memo()->moveCursor(QTextCursor::End);
    Memo()->insertPlainText(QString(QChar(0x20AC)));
    Trigger("FileSave");
    EXPECT_EQ(ReadAll(path), QByteArray("caf\xC3\xA9 \x01\r\nend\xE2\x82\xAC\r\n"));
}

TEST_F(ScratchPadFileTest, TheQuestionGuardsNewOpenAndExit)
{
    Type(QStringLiteral("unsaved"));
    FPrompter.AnswerMessage(TMsgButton::Cancel);
    Trigger("FileNew");
    ASSERT_EQ(MessageCount(), 1);
    const TAskedMessage& asked = FPrompter.Messages[0];
    EXPECT_EQ(asked.Caption, Caption);
    EXPECT_EQ(asked.Text, Question);
    EXPECT_EQ(asked.Icon, TMsgIcon::Question);
    EXPECT_EQ(asked.Buttons, TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel);
    EXPECT_EQ(Text(), QStringLiteral("unsaved"));

    FPrompter.AnswerMessage(TMsgButton::Cancel);
    Trigger("FileOpen");  // no open dialog follows a Cancel
    FPrompter.AnswerMessage(TMsgButton::Cancel);
    Trigger("FileExit");
    EXPECT_TRUE(FPad.isVisible());
    EXPECT_TRUE(FPad.IsModified());

    FPrompter.AnswerMessage(TMsgButton::No);
    Trigger("FileNew");
    EXPECT_EQ(Text(), QString());
    EXPECT_FALSE(FPad.IsModified());
}

TEST_F(ScratchPadFileTest, YesThenCancelledSaveAsStillCarriesOutTheCommand)
{
    for (const char* command : {"FileNew", "FileExit"}) {
        FPad.show();
        Type(QStringLiteral("will be lost"));
        FPrompter.AnswerMessage(TMsgButton::Yes);
        FPrompter.AnswerFile(std::nullopt);
        Trigger(command);
        EXPECT_EQ(Text(), QString()) << command;
        EXPECT_FALSE(FPad.IsModified()) << command;
    }
    EXPECT_FALSE(FPad.isVisible());

    const QString path = FileWith(QStringLiteral("b.log"), "log line\r\n");
    FPad.show();
    Type(QStringLiteral("will be lost"));
    FPrompter.AnswerMessage(TMsgButton::Yes);
    FPrompter.AnswerFile(std::nullopt);
    Open(path);
    EXPECT_EQ(Text(), QStringLiteral("log line"));
}

TEST_F(ScratchPadFileTest, YesSavesUnderTheCurrentNameBeforeGoingOn)
{
    const QString path = FileWith(QStringLiteral("c.txt"), "old\r\n");
    Open(path);
    Type(QStringLiteral("new "));
    FPrompter.AnswerMessage(TMsgButton::Yes);
    Trigger("FileNew");
    EXPECT_EQ(ReadAll(path), QByteArray("new old\r\n"));
    EXPECT_EQ(Text(), QString());
    EXPECT_EQ(FPad.CurrentFileName(), QString());
    EXPECT_EQ(FPad.LastOpenedName(), path) << "New keeps the last opened name";
    EXPECT_EQ(FPad.windowTitle(), Captioned(path)) << "New keeps the caption";
}

TEST_F(ScratchPadFileTest, AFailingWriteReportsItKeepsTheMarkAndStopsTheCommand)
{
    const QString missing = FDir.filePath(QStringLiteral("no such folder/x.txt"));
    Type(QStringLiteral("precious"));
    FPrompter.AnswerFile(missing);
    Trigger("FileSave");
    ASSERT_EQ(MessageCount(), 1);
    EXPECT_EQ(FPrompter.Messages[0].Caption, Caption);
    EXPECT_EQ(FPrompter.Messages[0].Icon, TMsgIcon::Error);
    EXPECT_TRUE(FPrompter.Messages[0].Text.contains(QStringLiteral("x.txt"))) << LastMessage().toStdString();
    EXPECT_TRUE(FPad.IsModified());
    EXPECT_EQ(FPad.CurrentFileName(), QString()) << "a name that could not be written is not kept";
    EXPECT_EQ(FPad.windowTitle(), Caption);

    // Yes to the question and a failing save: the text is not thrown away.
    FPrompter.AnswerMessage(TMsgButton::Yes);
    FPrompter.AnswerFile(missing);
    Trigger("FileExit");
    EXPECT_EQ(Text(), QStringLiteral("precious"));
    EXPECT_TRUE(FPad.IsModified());
    EXPECT_TRUE(FPad.isVisible());
}

TEST_F(ScratchPadFileTest, ATooLongFileIsRefusedAndLeavesAnEmptyText)
{
    const QString small = FileWith(QStringLiteral("small.txt"), "small\r\n");
    Open(small);
    const QString big = FileWith(QStringLiteral("big.log"), QByteArray(ScratchPadMaxFileBytes + 1, 'x'));
    Open(big);
    ASSERT_EQ(MessageCount(), 1);
    EXPECT_EQ(FPrompter.Messages[0].Text, QStringLiteral("Unable to edit: the file is too long"));
    EXPECT_EQ(FPrompter.Messages[0].Caption, Caption);
    EXPECT_EQ(FPrompter.Messages[0].Icon, TMsgIcon::Error);
    EXPECT_EQ(Text(), QString());
    EXPECT_FALSE(FPad.IsModified());
    EXPECT_EQ(FPad.CurrentFileName(), small);
    EXPECT_EQ(FPad.windowTitle(), Captioned(small));

    // A file of exactly the bound is accepted.
    const QByteArray line = QByteArray(62, 'y') + "\r\n";
    const QByteArray edge = line.repeated(ScratchPadMaxFileBytes / line.size()) + QByteArray(ScratchPadMaxFileBytes % line.size(), 'z');
    ASSERT_EQ(edge.size(), ScratchPadMaxFileBytes);
    Open(FileWith(QStringLiteral("edge.log"), edge));
    EXPECT_EQ(MessageCount(), 1);
    EXPECT_EQ(Memo()->document()->blockCount(), edge.count('\n') + (edge.endsWith('\n') ? 0 : 1));
}

TEST_F(ScratchPadFileTest, ExitEmptiesEverythingTheCloseBoxKeepsEverything)
{
    const QString path = FileWith(QStringLiteral("d.pro"), "kept\r\n");
    Open(path);
    Type(QStringLiteral("changed "));
    FPad.close();  // the close box: no question
    EXPECT_FALSE(FPad.isVisible());
    EXPECT_EQ(MessageCount(), 0);
    FPad.show();
    EXPECT_EQ(Text(), QStringLiteral("changed kept"));
    EXPECT_TRUE(FPad.IsModified());
    EXPECT_EQ(FPad.CurrentFileName(), path);
    EXPECT_EQ(FPad.LastOpenedName(), path);

    FPrompter.AnswerMessage(TMsgButton::No);
    QTest::mouseClick(FPad.findChild<QToolButton*>(QStringLiteral("SpeedExitBtn")), Qt::LeftButton);
    EXPECT_FALSE(FPad.isVisible());
    FPad.show();
    EXPECT_EQ(Text(), QString());
    EXPECT_FALSE(FPad.IsModified());
    EXPECT_EQ(FPad.CurrentFileName(), QString());
    EXPECT_EQ(FPad.LastOpenedName(), QString());
}

TEST_F(ScratchPadFileTest, EscapeDoesNotCloseTheEditor)
{
    QTest::keyClick(Memo(), Qt::Key_Escape);
    EXPECT_TRUE(FPad.isVisible());
}

}  // namespace
}  // namespace orvantis::test
