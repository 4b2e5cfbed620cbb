// The channel plan dialogs: Fill from Plan... of the point list, and
// Channel Plans... for the scan bands, driven through their controls.

#include "ChannelPlansDlg.h"
#include "EditorTestApp.h"
#include "FakeEditorHost.h"
#include "ModelTable.h"
#include "PlanFillDlg.h"
#include "PointListDlg.h"
#include "ScriptedPrompter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvantis::test {
namespace {

constexpr int Freq = static_cast<int>(TPointColumn::Frequency);
constexpr int Name = static_cast<int>(TPointColumn::Name);

TPlanCatalogue BuiltInOnly()
{
    TPlanCatalogue catalogue;
    catalogue.Plans = BuiltInPlans();
    return catalogue;
}

void Click(QWidget* dialog, const char* button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

void Choose(QWidget* dialog, const char* list, const QString& data)
{
    auto* combo = dialog->findChild<QComboBox*>(list);
    combo->setCurrentIndex(combo->findData(data));
}

void SetText(QWidget* dialog, const char* edit, const QString& text)
{
    auto* line = dialog->findChild<QLineEdit*>(edit);
    line->selectAll();
    QTest::keyClicks(line, text);
}

QString Cell(QWidget* dialog, int row, int column)
{
    return dialog->findChild<QTableWidget*>("PreviewTable")->item(row, column)->text();
}

bool SameBandAsFactory(const TProfile& model, int i)
{
    const TScanBand& factory = model.Model().Defaults->Bands[static_cast<std::size_t>(i)];
    return model.GetBandStart(i) == factory.StartFreq && model.GetBandEnd(i) == factory.EndFreq &&
           model.GetBandBw(i) == factory.Bw && model.GetBandEnable(i) == factory.Enable &&
           model.GetBandInitialChar(i) == factory.InitialChar && model.GetBandInitialIndex(i) == factory.InitialIndex;
}

class PlanDialogsTest : public ::testing::Test {
protected:
    TApplicationInstance App;
    TFakeEditorHost Host;
    TScriptedPrompter Prompter;
    TProfile& Model = Host.Profile;
};

// Runs work on the fill dialog once the point list has opened it.
void OnFillDialog(const std::function<void(TPlanFillDlg*)>& work)
{
    QTimer::singleShot(0, [work] {
        auto* fill = qobject_cast<TPlanFillDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(fill, nullptr);
        work(fill);
    });
}

TEST_F(PlanDialogsTest, FillFromPlanShowsTheChangeAndPutsItIntoTheRowsOnlyOnOk)
{
    TPointListDlg list(Host, Prompter);
    list.show();
    auto* table = list.findChild<QTableWidget*>("PointTable");
    table->setCurrentCell(2, Freq);

    // Cancel takes nothing, whatever was chosen.
    OnFillDialog([](TPlanFillDlg* fill) {
        Choose(fill, "PlanList", "eu-vhf");
        Click(fill, "CancelBtn");
    });
    Click(&list, "FillBtn");
    EXPECT_EQ(table->item(2, Name)->text(), "SFN CH68");

    OnFillDialog([](TPlanFillDlg* fill) {
        Choose(fill, "PlanList", "eu-uhf");
        EXPECT_EQ(fill->findChild<QLineEdit*>("EdChannels")->text(), "21-69");
        SetText(fill, "EdNames", "UHF{n}LONG");
        EXPECT_FALSE(fill->findChild<QPushButton*>("OKBtn")->isEnabled());
        EXPECT_TRUE(fill->findChild<QLabel*>("ProblemLabel")->text().contains("\"UHF21LONG\""));
        SetText(fill, "EdNames", "UHF {n}");
        SetText(fill, "EdChannels", "21-22,50");
        EXPECT_TRUE(fill->findChild<QPushButton*>("OKBtn")->isEnabled());
        EXPECT_EQ(fill->findChild<QTableWidget*>("PreviewTable")->rowCount(), 3);
        EXPECT_EQ(Cell(fill, 0, 0), "3");
        EXPECT_EQ(Cell(fill, 0, 1), "21");
        EXPECT_EQ(Cell(fill, 0, 2), "850000.0 KHz, SFN CH68, DVB-T, 8 MHz");
        EXPECT_EQ(Cell(fill, 2, 3), "706000.0 KHz, UHF 50, DVB-T, 8 MHz");
        Click(fill, "OKBtn");
    });
    Click(&list, "FillBtn");
    EXPECT_EQ(table->item(2, Freq)->text(), "474000.0");
    EXPECT_EQ(table->item(3, Name)->text(), "UHF 22");
    EXPECT_EQ(table->item(4, Name)->text(), "UHF 50");
    EXPECT_EQ(table->item(5, Name)->text(), "TEST 000");
    EXPECT_STREQ(Model.GetPointName(2), "SFN CH68");
    EXPECT_EQ(Host.ModifiedCalls, 0);

    Click(&list, "OKBtn");
    EXPECT_EQ(Model.GetPointFreq(2), 474000u);
    EXPECT_STREQ(Model.GetPointName(4), "UHF 50  ");
    EXPECT_EQ(Host.ModifiedCalls, 1);
}

TEST_F(PlanDialogsTest, ChannelPlansShowsTheBandNowAndAfterAndStoresItOnlyOnOk)
{
    Host.Model = IsdbTModelRow;
    Model.SetDefaults();
    TChannelPlansDlg dlg(Host, nullptr, BuiltInOnly);
    dlg.show();
    Choose(&dlg, "PlanList", "eu-uhf");
    EXPECT_FALSE(dlg.findChild<QPushButton*>("OKBtn")->isEnabled());
    EXPECT_EQ(dlg.findChild<QLabel*>("ProblemLabel")->text(),
              "The band cannot be set: band 1 steps 6 MHz on the OV+ ISDB-T edition.");

    Choose(&dlg, "BandList", "3");
    Choose(&dlg, "LastChannel", "30");
    EXPECT_TRUE(dlg.findChild<QPushButton*>("OKBtn")->isEnabled());
    EXPECT_EQ(Cell(&dlg, 0, 1), "233500.0 KHz");
    EXPECT_EQ(Cell(&dlg, 0, 2), "474000.0 KHz");
    EXPECT_EQ(Cell(&dlg, 1, 2), "546000.0 KHz");
    EXPECT_EQ(Cell(&dlg, 3, 1), "A1");
    EXPECT_EQ(Cell(&dlg, 3, 2), "C21");
    Click(&dlg, "CancelBtn");
    EXPECT_TRUE(SameBandAsFactory(Model, 2));
    EXPECT_EQ(Host.ModifiedCalls, 0);

    dlg.show();
    Choose(&dlg, "BandList", "3");
    Choose(&dlg, "PlanList", "br-vhf");
    Click(&dlg, "OKBtn");
    EXPECT_EQ(Model.GetBandStart(2), 177142857u);
    EXPECT_EQ(Model.GetBandEnd(2), 213142857u);
    EXPECT_EQ(Model.GetBandBw(2), 6);
    EXPECT_EQ(Model.GetBandEnable(2), 1);
    EXPECT_EQ(Model.GetBandInitialChar(2), ' ');
    EXPECT_EQ(Model.GetBandInitialIndex(2), 7);
    EXPECT_EQ(Host.ModifiedCalls, 1);
}

}  // namespace
}  // namespace orvantis::test
