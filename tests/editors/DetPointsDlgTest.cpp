// The detection points editor driven through its own controls.

#include "DetPointsDlg.h"
#include "EditorTestApp.h"
#include "FakeEditorHost.h"
#include "ScriptedPrompter.h"
#include "WrapUpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstring>

namespace orvantis::test {
namespace {

class DetPointsDlgTest : public ::testing::Test {
protected:
    ~DetPointsDlgTest() override { QLocale::setDefault(QLocale::c()); }

    void Show(int model, float version = 3.0f)
    {
        Host.Model = model;
        Host.Version = version;
        Dlg.show();
    }
    QLineEdit* Edit(const char* name) { return Dlg.findChild<QLineEdit*>(name); }
    QComboBox* List(const char* name) { return Dlg.findChild<QComboBox*>(name); }
    TWrapUpDown* Spinner() { return Dlg.findChild<TWrapUpDown*>("UpDown1"); }
    void Up() { QTest::mouseClick(Spinner()->UpButton(), Qt::LeftButton); }
    void Down() { QTest::mouseClick(Spinner()->DownButton(), Qt::LeftButton); }
    void Type(const char* field, const QString& text)
    {
        Edit(field)->selectAll();
        QTest::keyClicks(Edit(field), text);
    }
    void Ok() { QTest::mouseClick(Dlg.findChild<QPushButton*>("OKBtn"), Qt::LeftButton); }
    void Cancel() { QTest::mouseClick(Dlg.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton); }
    QString Freq() { return Edit("EdFreqKHz")->text(); }
    QString Index() { return Edit("EdMPIndex")->text(); }
    QStringList Items(const char* name)
    {
        QStringList items;
        for (int i = 0; i < List(name)->count(); ++i) items << List(name)->itemText(i);
        return items;
    }
    TProfile& Model() { return Host.Profile; }

    TApplicationInstance App;
    TFakeEditorHost Host;
    TScriptedPrompter Prompter;
    TDetPointsDlg Dlg{Host, Prompter};
};

TEST_F(DetPointsDlgTest, ShowsPointOneAndWrapsOverTheInstrumentsPointCount)
{
    Show(BaseModelRow, 2.9f);
    EXPECT_EQ(Dlg.windowTitle(), "Detection points editor");
    EXPECT_EQ(Index(), "1");
    EXPECT_EQ(Freq(), "834000.0");
    EXPECT_EQ(Edit("EdName")->text(), "SFN CH66");
    Down();
    EXPECT_EQ(Index(), "16");
    EXPECT_EQ(Freq(), "818000.0");
    Up();
    EXPECT_EQ(Index(), "1");
    Dlg.reject();

    Show(DvbT2ModelRow, 2.9f);
    Down();
    EXPECT_EQ(Index(), "50");
    Up();
    Up();
    EXPECT_EQ(Index(), "2");
    EXPECT_EQ(Edit("EdName")->text(), "SFN CH67");
}

TEST_F(DetPointsDlgTest, LowerLimitIs474MHzOnlyForTheBaseModel)
{
    Show(BaseModelRow, 2.9f);
    Type("EdFreqKHz", "400000");
    Up();
    EXPECT_EQ(Freq(), "474000.0");
    EXPECT_EQ(Index(), "1");
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Caption, "ORVANTIS+ error");
    EXPECT_EQ(Prompter.Messages[0].Text, "Min Freq 170MHz");
    EXPECT_EQ(Prompter.Messages[0].Icon, TMsgIcon::Error);
    EXPECT_EQ(Model().GetPointFreq(0), 834000u);
    Dlg.reject();

    Prompter.Messages.clear();
    Show(DvbT2ModelRow);
    Type("EdFreqKHz", "400000");
    Up();
    EXPECT_TRUE(Prompter.Messages.isEmpty());
    EXPECT_EQ(Model().GetPointFreq(0), 400000u);
    Type("EdFreqKHz", "169999.9");
    Up();
    EXPECT_EQ(Freq(), "170000.0");
    Type("EdFreqKHz", "858001");
    Up();
    EXPECT_EQ(Freq(), "858000.0");
    Type("EdFreqKHz", "-1");
    Up();
    EXPECT_EQ(Freq(), "858000.0");
    ASSERT_EQ(Prompter.Messages.size(), 3);
    EXPECT_EQ(Prompter.Messages[0].Text, "Min Freq 170MHz");
    EXPECT_EQ(Prompter.Messages[1].Text, "Max Freq 858MHz");
    EXPECT_EQ(Prompter.Messages[2].Text, "Max Freq 858MHz");
    EXPECT_EQ(Model().GetPointFreq(1), 842000u);
}

TEST_F(DetPointsDlgTest, RefusedMoveKeepsThePointAndTheNextMoveGoesToTheSpinnersPosition)
{
    Show(0);
    Type("EdFreqKHz", "100000");
    Up();
    EXPECT_EQ(Index(), "1");
    EXPECT_EQ(Spinner()->Position(), 2);
    EXPECT_EQ(Model().GetPointFreq(0), 834000u);
    Type("EdFreqKHz", "600000");
    Type("EdName", "FIRST");
    Up();
    EXPECT_EQ(Index(), "3");
    EXPECT_EQ(Edit("EdName")->text(), "SFN CH68");
    EXPECT_EQ(Model().GetPointFreq(0), 600000u);
    EXPECT_STREQ(Model().GetPointName(0), "FIRST   ");
    EXPECT_EQ(Model().GetPointFreq(1), 842000u);
}

TEST_F(DetPointsDlgTest, TextThatIsNoNumberIsReportedAndNothingIsStoredOrLost)
{
    Show(0);
    Type("EdName", "KEEPME");
    Type("EdFreqKHz", "6500O0");
    Up();
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Text, "'6500O0' is not a valid floating point value");
    EXPECT_EQ(Prompter.Messages[0].Caption, "ORVANTIS+ error");
    EXPECT_EQ(Index(), "1");
    EXPECT_EQ(Freq(), "6500O0");
    EXPECT_EQ(Edit("EdName")->text(), "KEEPME");
    EXPECT_STREQ(Model().GetPointName(0), "SFN CH66");

    Type("EdFreqKHz", "");
    Ok();
    EXPECT_EQ(Prompter.Messages.size(), 2);
    EXPECT_TRUE(Dlg.isVisible());
    EXPECT_EQ(Host.ModifiedCalls, 0);
    EXPECT_EQ(Edit("EdName")->text(), "KEEPME");

    Type("EdFreqKHz", "650000");
    Ok();
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_EQ(Host.ModifiedCalls, 1);
    EXPECT_EQ(Model().GetPointFreq(0), 650000u);
    EXPECT_STREQ(Model().GetPointName(0), "KEEPME  ");
}

TEST_F(DetPointsDlgTest, OkStoresThePointOnScreenAfterTheFrequencyCheck)
{
    Show(0);
    Type("EdFreqKHz", "650000.9");
    Ok();
    EXPECT_EQ(Model().GetPointFreq(0), 650000u);
    EXPECT_EQ(Host.ModifiedCalls, 1);

    Show(0);
    Type("EdFreqKHz", "99000");
    Ok();
    EXPECT_TRUE(Dlg.isVisible());
    EXPECT_EQ(Freq(), "170000.0");
    EXPECT_EQ(Model().GetPointFreq(0), 650000u);
    Ok();
    EXPECT_EQ(Model().GetPointFreq(0), 170000u);
    EXPECT_EQ(Host.ModifiedCalls, 2);
}

TEST_F(DetPointsDlgTest, NamesArePaddedOrCutToEightCharacters)
{
    Show(0);
    Type("EdName", "ABC");
    Up();
    Type("EdName", "0123456789");
    EXPECT_EQ(Edit("EdName")->text(), "01234567");
    Ok();
    EXPECT_EQ(std::memcmp(Model().PointRecord(0).Name, "ABC     \0", 9), 0);
    EXPECT_STREQ(Model().GetPointName(1), "01234567");
}

TEST_F(DetPointsDlgTest, OddStoredValuesShowAsTheDefaultItemAndAreStoredBackMapped)
{
    Model().SetPointFFT(0, 2);
    Model().SetPointBW(0, 0);
    Model().SetPointGuard(0, 7);
    Model().SetPointSpecInv(0, 5);
    Model().SetPointStandard(0, 9);
    Show(BaseModelRow);
    EXPECT_EQ(List("FFT")->currentText(), "8K");
    EXPECT_EQ(List("BW")->currentText(), "8 MHz");
    EXPECT_EQ(List("Guard")->currentText(), "1/4");
    EXPECT_EQ(List("Standard")->currentText(), "DVB-T2");
    EXPECT_TRUE(Dlg.findChild<QCheckBox*>("SpecInvCBox")->isChecked());
    Ok();
    EXPECT_EQ(Model().GetPointFFT(0), 1);
    EXPECT_EQ(Model().GetPointBW(0), 8);
    EXPECT_EQ(Model().GetPointGuard(0), 0);
    EXPECT_EQ(Model().GetPointSpecInv(0), 1);
    EXPECT_EQ(Model().GetPointStandard(0), 9);
}

TEST_F(DetPointsDlgTest, EditedListsAreStored)
{
    Show(BaseModelRow);
    List("FFT")->setCurrentIndex(0);
    List("BW")->setCurrentIndex(1);
    List("Guard")->setCurrentIndex(3);
    Dlg.findChild<QCheckBox*>("SpecInvCBox")->setChecked(true);
    QTest::keyClick(List("Standard"), Qt::Key_Down);
    Up();
    EXPECT_EQ(Model().GetPointFFT(0), 0);
    EXPECT_EQ(Model().GetPointBW(0), 6);
    EXPECT_EQ(Model().GetPointGuard(0), 3);
    EXPECT_EQ(Model().GetPointSpecInv(0), 1);
    EXPECT_EQ(Model().GetPointStandard(0), 9);
}

TEST_F(DetPointsDlgTest, InstrumentDecidesWhatMayBeEdited)
{
    Show(BaseModelRow);
    for (const char* name : {"FFT", "Guard", "BW", "Standard"}) EXPECT_TRUE(List(name)->isEnabled()) << name;
    EXPECT_TRUE(Dlg.findChild<QCheckBox*>("SpecInvCBox")->isEnabled());
    EXPECT_EQ(Items("Standard"), QStringList({"DVB-T", "DVB-T2"}));
    Dlg.reject();

    Show(DvbT2ModelRow);
    EXPECT_FALSE(List("FFT")->isEnabled());
    EXPECT_FALSE(List("Guard")->isEnabled());
    EXPECT_FALSE(Dlg.findChild<QCheckBox*>("SpecInvCBox")->isEnabled());
    EXPECT_TRUE(List("BW")->isEnabled());
    EXPECT_TRUE(List("Standard")->isEnabled());
}

TEST_F(DetPointsDlgTest, IsdbTEditionRewritesEveryVisitedPoint)
{
    Model().SetPointStandard(1, 0);
    Model().SetPointGuard(1, 0);
    Model().SetPointBW(1, 8);
    Model().SetPointStandard(3, 0);
    Show(IsdbTModelRow);
    Up();
    EXPECT_EQ(List("Guard")->currentText(), "1/8");
    EXPECT_EQ(List("BW")->currentText(), "6 MHz");
    EXPECT_EQ(Items("Standard"), QStringList({"ISDB-T"}));
    EXPECT_FALSE(List("Guard")->isEnabled());
    EXPECT_FALSE(List("BW")->isEnabled());
    EXPECT_FALSE(List("Standard")->isEnabled());
    Up();
    EXPECT_EQ(Model().GetPointStandard(1), 10);
    EXPECT_EQ(Model().GetPointGuard(1), 1);
    EXPECT_EQ(Model().GetPointBW(1), 6);
    EXPECT_EQ(Model().GetPointStandard(3), 0);
}

TEST_F(DetPointsDlgTest, StandardIsKeptUnlessTheUserPicksAnother)
{
    Model().SetPointStandard(0, 10);
    Model().SetPointStandard(1, 0);
    Model().SetPointStandard(2, 5);
    Show(DvbT2ModelRow);
    EXPECT_EQ(Items("Standard"), QStringList({"ISDB-T"}));
    EXPECT_FALSE(List("Standard")->isEnabled());
    Up();
    EXPECT_EQ(Items("Standard"), QStringList({"DVB-T", "DVB-T2"}));
    EXPECT_TRUE(List("Standard")->isEnabled());
    Up();
    EXPECT_EQ(List("Standard")->currentText(), "DVB-T");
    Up();
    Ok();
    EXPECT_EQ(Model().GetPointStandard(0), 10);
    EXPECT_EQ(Model().GetPointStandard(1), 0);
    EXPECT_EQ(Model().GetPointStandard(2), 5);

    Show(DvbT2ModelRow);
    Up();
    Up();
    QTest::keyClick(List("Standard"), Qt::Key_Down);
    QTest::keyClick(List("Standard"), Qt::Key_Up);
    Ok();
    EXPECT_EQ(Model().GetPointStandard(2), 0);
}

TEST_F(DetPointsDlgTest, CancelRestoresEveryVisitedPoint)
{
    Show(0);
    for (int n = 0; n < 3; ++n) {
        Type("EdFreqKHz", QString::number(500000 + n));
        Type("EdName", QStringLiteral("P%1").arg(n));
        Up();
    }
    EXPECT_EQ(Model().GetPointFreq(2), 500002u);
    Cancel();
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_EQ(Model().GetPointFreq(0), 834000u);
    EXPECT_EQ(Model().GetPointFreq(2), 850000u);
    EXPECT_STREQ(Model().GetPointName(1), "SFN CH67");
    EXPECT_EQ(Host.ModifiedCalls, 0);
}

TEST_F(DetPointsDlgTest, EscapeAndTheCloseButtonCancelToo)
{
    Show(0);
    Type("EdFreqKHz", "500000");
    Up();
    QTest::keyClick(&Dlg, Qt::Key_Escape);
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_EQ(Model().GetPointFreq(0), 834000u);

    Show(0);
    Type("EdFreqKHz", "500000");
    Up();
    Dlg.close();
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_EQ(Model().GetPointFreq(0), 834000u);
    EXPECT_EQ(Host.ModifiedCalls, 0);
}

TEST_F(DetPointsDlgTest, LeavingTheFrequencyFieldChecksItWithTheLocalesDecimalComma)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Show(0);
    EXPECT_EQ(Freq(), "834000,0");
    Dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg));
    Edit("EdFreqKHz")->setFocus();
    Type("EdFreqKHz", "650000.7");
    QTest::keyClick(Edit("EdFreqKHz"), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(Freq(), "650000,7");
    EXPECT_TRUE(Prompter.Messages.isEmpty());

    Edit("EdFreqKHz")->setFocus();
    Type("EdFreqKHz", "100");
    QTest::keyClick(Edit("EdFreqKHz"), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(Freq(), "170000,0");
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Text, "Min Freq 170MHz");
    Type("EdFreqKHz", "650000.7");
    Ok();
    EXPECT_EQ(Model().GetPointFreq(0), 650000u);
}

TEST_F(DetPointsDlgTest, ClickingAnotherControlChecksTheFrequencyOnceTheClickIsDone)
{
    Show(BaseModelRow);
    Dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg));
    Edit("EdFreqKHz")->setFocus();
    Type("EdFreqKHz", "900000");
    auto* specInv = Dlg.findChild<QCheckBox*>("SpecInvCBox");
    QTest::mouseClick(specInv, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(specInv->isChecked());
    EXPECT_EQ(Freq(), "858000.0");
    ASSERT_EQ(Prompter.Messages.size(), 1);

    // A list opened by the click is closed before the box shows.
    Edit("EdFreqKHz")->setFocus();
    Type("EdFreqKHz", "2");
    QTest::mouseClick(List("BW"), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(Prompter.Messages.size(), 1);
    List("BW")->hidePopup();
    QCoreApplication::processEvents();
    EXPECT_EQ(Prompter.Messages.size(), 2);
    EXPECT_EQ(Freq(), "474000.0");

    // OK and Cancel leave the focus where it is: one check, not two.
    Edit("EdFreqKHz")->setFocus();
    Type("EdFreqKHz", "1");
    Ok();
    QCoreApplication::processEvents();
    EXPECT_EQ(Prompter.Messages.size(), 3);
    EXPECT_TRUE(Dlg.isVisible());
    Cancel();
    QCoreApplication::processEvents();
    EXPECT_EQ(Prompter.Messages.size(), 3);
    EXPECT_EQ(Model().GetPointSpecInv(0), 0);
}

TEST_F(DetPointsDlgTest, ArrowKeysInTheIndexFieldMoveToo)
{
    Show(0);
    QTest::keyClick(Edit("EdMPIndex"), Qt::Key_Down);
    EXPECT_EQ(Index(), "50");
    QTest::keyClick(Edit("EdMPIndex"), Qt::Key_PageUp);
    EXPECT_EQ(Index(), "10");
}

}  // namespace
}  // namespace orvantis::test
