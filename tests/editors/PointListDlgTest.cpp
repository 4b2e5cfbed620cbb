// The point list driven through its table, its cell editors, its buttons
// and the clipboard, with scripted file dialogs.

#include "EditorTestApp.h"
#include "FakeEditorHost.h"
#include "PointListDlg.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace orvantis::test {
namespace {

constexpr int Freq = static_cast<int>(TPointColumn::Frequency);
constexpr int Name = static_cast<int>(TPointColumn::Name);
constexpr int Standard = static_cast<int>(TPointColumn::Standard);
constexpr int Fft = static_cast<int>(TPointColumn::Fft);

class PointListDlgTest : public ::testing::Test {
protected:
    void Show(int model, float version = 3.0f)
    {
        Host.Model = model;
        Host.Version = version;
        Dlg.show();
    }
    QTableWidget* Table() { return Dlg.findChild<QTableWidget*>("PointTable"); }
    QString Cell(int row, int column) { return Table()->item(row, column)->text(); }
    QString Check(int row) { return Cell(row, TPointListDlg::ProblemColumn); }
    QWidget* Editor(int row, int column) { return Table()->indexWidget(Table()->model()->index(row, column)); }
    // Types into the cell's own editor and confirms with Enter.
    void Type(int row, int column, const QString& text)
    {
        Table()->editItem(Table()->item(row, column));
        auto* editor = qobject_cast<QLineEdit*>(Editor(row, column));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the view commits the edit queued
    }
    // Picks the next item of the cell's list.
    void Next(int row, int column)
    {
        Table()->editItem(Table()->item(row, column));
        auto* list = qobject_cast<QComboBox*>(Editor(row, column));
        ASSERT_NE(list, nullptr);
        QTest::keyClick(list, Qt::Key_Down);
        QCoreApplication::processEvents();
    }
    void Click(const char* button) { QTest::mouseClick(Dlg.findChild<QPushButton*>(button), Qt::LeftButton); }

    TApplicationInstance App;
    TFakeEditorHost Host;
    TScriptedPrompter Prompter;
    TPointListDlg Dlg{Host, Prompter};
    TProfile& Model = Host.Profile;
};

TEST_F(PointListDlgTest, OkIsRefusedWhileARowFailsThenStoresEveryRow)
{
    Show(0);
    EXPECT_EQ(Table()->rowCount(), 50);
    EXPECT_EQ(Cell(2, Freq), "850000.0");
    EXPECT_FALSE(Table()->item(0, Fft)->flags() & Qt::ItemIsEditable);
    Type(2, Freq, "100");
    EXPECT_EQ(Check(2), "\"100\" is out of range (170000.0 to 858000.0 KHz)");
    Click("OKBtn");
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Caption, "ORVANTIS+ error");
    EXPECT_TRUE(Prompter.Messages[0].Text.startsWith("Correct point 3 first.")) << Prompter.Messages[0].Text.toStdString();
    EXPECT_TRUE(Dlg.isVisible());
    EXPECT_EQ(Model.GetPointFreq(2), 850000u);

    Type(2, Freq, "650000.9");
    EXPECT_EQ(Check(2), "");
    Next(0, Standard);
    Type(1, Name, "NEW-NAME-TOO-LONG");
    EXPECT_EQ(Cell(1, Name), "NEW-NAME");
    EXPECT_EQ(Host.ModifiedCalls, 0);
    EXPECT_EQ(Model.GetPointStandard(0), 0);
    Click("OKBtn");
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_EQ(Host.ModifiedCalls, 1);
    EXPECT_EQ(Model.GetPointFreq(2), 650000u);
    EXPECT_EQ(Model.GetPointStandard(0), 9);
    EXPECT_STREQ(Model.GetPointName(1), "NEW-NAME");
    EXPECT_EQ(Model.GetPointFreq(3), 858000u);
}

TEST_F(PointListDlgTest, CancelAndEscapeChangeNothing)
{
    Show(0);
    Type(0, Name, "GONE");
    Click("CancelBtn");
    EXPECT_FALSE(Dlg.isVisible());
    Show(0);
    EXPECT_EQ(Cell(0, Name), "SFN CH66");
    Type(0, Freq, "500000");
    QTest::keyClick(&Dlg, Qt::Key_Escape);
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_STREQ(Model.GetPointName(0), "SFN CH66");
    EXPECT_EQ(Model.GetPointFreq(0), 834000u);
    EXPECT_EQ(Host.ModifiedCalls, 0);
}

TEST_F(PointListDlgTest, WholeRowsAreCopiedAndPastedAsCsvAndABadPasteTakesNothing)
{
    Show(BaseModelRow, 2.9f);
    EXPECT_EQ(Table()->rowCount(), 16);
    Table()->setRangeSelected(QTableWidgetSelectionRange(0, 1, 1, 2), true);
    Click("CopyBtn");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,834000.0,SFN CH66,DVB-T,8 MHz,8K,1/4,no\r\n"
                                                     "2,842000.0,SFN CH67,DVB-T,8 MHz,8K,1/4,no\r\n");

    // A spreadsheet range: tab-separated, with its header row.
    QGuiApplication::clipboard()->setText("index\tname\tfft\tguard\n3\tPASTED\t2K\t1/16\n");
    Click("PasteBtn");
    EXPECT_EQ(Cell(2, Name), "PASTED");
    EXPECT_EQ(Cell(2, Fft), "2K");
    EXPECT_STREQ(Model.GetPointName(2), "SFN CH68");

    QGuiApplication::clipboard()->setText("4,600000.0,FOURTH,DVB-T,8 MHz,8K,1/4,no\n"
                                          "17,600000.0,SEVENTEEN,DVB-T,8 MHz,8K,1/4,no\n");
    Click("PasteBtn");
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Text, "Nothing was pasted\n\nRow 2, column index: 17 is outside 1 to 16.");
    EXPECT_EQ(Cell(3, Name), "SFN CH69");

    Click("OKBtn");
    EXPECT_STREQ(Model.GetPointName(2), "PASTED  ");
    EXPECT_EQ(Model.GetPointFFT(2), 0);
    EXPECT_EQ(Model.GetPointGuard(2), 2);
}

TEST_F(PointListDlgTest, ExportAndImportGoThroughTheFileDialogsAllOrNothing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("points.csv");
    Show(0);
    Prompter.AnswerFile(file);
    Click("ExportBtn");
    EXPECT_EQ(ReadAll(file).toStdString(), WritePointsCsv(Model));

    WriteAll(file, "index,name\n5,FIFTH\n6,\xE2\x82\xAC\n");
    Prompter.AnswerFile(file);
    Click("ImportBtn");
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Text, "Nothing was imported from " + file +
                                             "\n\nRow 3, column name: \"\xE2\x82\xAC\" is not in the instrument's character set.");
    EXPECT_EQ(Cell(4, Name), "TEST 000");

    WriteAll(file, "index,name\n5,FIFTH\n");
    Prompter.AnswerFile(file);
    Click("ImportBtn");
    EXPECT_EQ(Cell(4, Name), "FIFTH");
    EXPECT_TRUE(Prompter.AllAnswersUsed());
    EXPECT_EQ(Prompter.Files[0].Options.Title, "Export points");
    EXPECT_EQ(Prompter.Files[1].Options.Title, "Import points");
}

}  // namespace
}  // namespace orvantis::test
