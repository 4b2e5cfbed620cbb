// The configuration editor driven through its own controls, headless.

#include "CfgEditorDlg.h"
#include "FakeEditorHost.h"
#include "ScriptedPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace orvantis;
using orvantis::test::TFakeEditorHost;
using orvantis::test::TScriptedPrompter;
using TScratchPrompter = TScriptedPrompter;

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "CfgEditorDlgTest";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down after main() returns is not safe.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

bool SameConfig(const TConfigData& a, const TConfigData& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameBand(const TScanBand& a, const TScanBand& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class CfgEditorDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App();
        QLocale::setDefault(QLocale::c());
        Main.Profile.SetDefaults();
        Dlg = std::make_unique<TCfgEditorDlg>(Main, Prompter);
    }

    void TearDown() override
    {
        Dlg.reset();
        QLocale::setDefault(QLocale::c());
    }

    void Show()
    {
        Dlg->show();
        Dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Dlg.get()));
    }

    // Closes by the title bar: neither OK nor Cancel.
    void Hide() { Dlg->close(); }

    template <class T> T* Ctl(const QString& name)
    {
        T* widget = Dlg->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* Edit(const QString& name) { return Ctl<QLineEdit>(name); }
    QSpinBox* Spin(const QString& name) { return Ctl<QSpinBox>(name); }
    QComboBox* List(const QString& name) { return Ctl<QComboBox>(name); }

    QString Checked(const QString& group)
    {
        for (QRadioButton* b : Ctl<QGroupBox>(group)->findChildren<QRadioButton*>())
            if (b->isChecked()) return b->text();
        return {};
    }

    // Types into a field; the field left before gets its check.
    void Type(const QString& name, const QString& text)
    {
        QLineEdit* field = Edit(name);
        field->setFocus();
        field->setText(text);
    }
    // Moves the focus to a control that has no check of its own.
    void Leave() { Spin("EdPointIndex")->setFocus(); }
    // Enter in the focused field: OK without leaving it.
    void PressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    void PressEsc() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }

    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const auto& m : Prompter.Messages) texts << m.Text;
        return texts;
    }

    TFakeEditorHost Main;
    TScratchPrompter Prompter;
    std::unique_ptr<TCfgEditorDlg> Dlg;
};

// ---- Detection point range ----

TEST_F(CfgEditorDlgTest, PointSpinnersTakeTheirRangeFromTheIdentityAtEveryShow)
{
    Main.Model = BaseModelRow;
    Main.Version = 2.9f;
    Show();
    QSpinBox* first = Spin("EdPointIndex");
    QSpinBox* last = Spin("EdLastIndex");
    EXPECT_EQ(first->maximum(), 16);
    EXPECT_EQ(last->maximum(), 16);
    first->setValue(16);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Up);
    EXPECT_EQ(first->text(), "1");
    QTest::keyClick(first, Qt::Key_Down);
    EXPECT_EQ(first->text(), "16");
    Hide();

    Main.Version = 3.0f;
    Show();
    EXPECT_EQ(last->maximum(), 50);
    last->setValue(50);
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Up);
    EXPECT_EQ(last->value(), 1);
    Hide();

    Main.Model = DvbT2ModelRow;
    Main.Version = 2.0f;
    Show();
    EXPECT_EQ(first->maximum(), 50);
}

TEST_F(CfgEditorDlgTest, PointRangeShowsOneBasedWithinNAndStoresZeroBased)
{
    Main.Profile.SetPointIndex(0);
    Main.Profile.SetLastIndex(60);
    Show();
    EXPECT_EQ(Spin("EdPointIndex")->text(), "1");
    EXPECT_EQ(Spin("EdLastIndex")->text(), "50");
    Ctl<QPushButton>("OKBtn")->click();
    EXPECT_EQ(Main.Profile.GetPointIndex(), 0);
    EXPECT_EQ(Main.Profile.GetLastIndex(), 49);

    Show();
    Spin("EdPointIndex")->setValue(5);
    Spin("EdLastIndex")->setValue(3);
    Ctl<QPushButton>("OKBtn")->click();
    EXPECT_EQ(Main.Profile.GetPointIndex(), 2);  // first above last takes last
    EXPECT_EQ(Main.Profile.GetLastIndex(), 2);
}

// ---- Thresholds ----

TEST_F(CfgEditorDlgTest, MinDetLevIsClampedOnLeavingButStoredAsTypedByEnter)
{
    Show();
    Type("EdMinDetLev", "95");
    Leave();
    EXPECT_EQ(Edit("EdMinDetLev")->text(), "90");
    Type("EdMinDetLev", "5");
    Leave();
    EXPECT_EQ(Edit("EdMinDetLev")->text(), "10");

    Type("EdMinDetLev", "95");
    PressEnter();
    EXPECT_FALSE(Dlg->isVisible());
    EXPECT_EQ(Main.Profile.GetMinDetLev(), 95);
    EXPECT_TRUE(Prompter.Messages.isEmpty());
}

TEST_F(CfgEditorDlgTest, SNRHiQShowsTenthsAndIsClampedOnLeaving)
{
    Main.Profile.SetSNRHiQ(215);
    Show();
    EXPECT_EQ(Edit("EdSNRHiQ")->text(), "21.5");

    Type("EdSNRHiQ", "17");
    Leave();
    EXPECT_EQ(Edit("EdSNRHiQ")->text(), "18.0");
    Ctl<QPushButton>("OKBtn")->click();
    EXPECT_EQ(Main.Profile.GetSNRHiQ(), 180);

    Show();
    Type("EdSNRHiQ", "40");
    Leave();
    EXPECT_EQ(Edit("EdSNRHiQ")->text(), "32.0");
    Ctl<QPushButton>("OKBtn")->click();
    EXPECT_EQ(Main.Profile.GetSNRHiQ(), 320);

    Show();
    Type("EdSNRHiQ", "25.3");
    PressEnter();
    EXPECT_EQ(Main.Profile.GetSNRHiQ(), 253);
    EXPECT_TRUE(Prompter.Messages.isEmpty());
}

TEST_F(CfgEditorDlgTest, LeavingAFieldWithTextThatIsNoNumberReportsItAndKeepsTheText)
{
    Show();
    Type("EdMinDetLev", "1x");
    Type("EdSNRHiQ", "abc");
    Leave();
    EXPECT_EQ(MessageTexts(), QStringList({"'1x' is not a valid integer value",
                                           "'abc' is not a valid floating point value"}));
    EXPECT_EQ(Edit("EdMinDetLev")->text(), "1x");
    EXPECT_EQ(Edit("EdSNRHiQ")->text(), "abc");
}

// ---- Lists, track bar, power supply ----

TEST_F(CfgEditorDlgTest, ListsAndTrackBarFollowTheShowAndStoreMappings)
{
    Main.Profile.SetContrastLCD(7);
    Main.Profile.SetShowBER(0);
    Main.Profile.SetBacklightLCD(3);
    Main.Profile.SetEPStask(2);
    Show();
    EXPECT_EQ(Ctl<QSlider>("ContrastLCD")->value(), 3);
    EXPECT_EQ(List("ShowBER")->currentIndex(), 0);
    EXPECT_EQ(List("BacklightLCD")->currentText(), "");
    EXPECT_EQ(Checked("EPStask"), "EPS CONTROL OFF");

    List("Units")->setCurrentIndex(2);
    List("Sound")->setCurrentIndex(0);
    Ctl<QPushButton>("OKBtn")->click();
    const TConfigData& c = Main.Profile.ConfigRecord();
    EXPECT_EQ(c.ContrastLCD, 3);
    EXPECT_EQ(c.ShowBER, 1);
    EXPECT_EQ(c.BacklightLCD, 255);  // no item selected
    EXPECT_EQ(c.EPStask, 2);
    EXPECT_EQ(c.EPSaux, 2);
    EXPECT_EQ(c.Units, 2);
    EXPECT_EQ(c.Sound, 0);

    Show();
    Ctl<QGroupBox>("EPStask")->findChildren<QRadioButton*>().at(0)->setChecked(true);
    List("Units")->setEditText("volts");  // typed text selects no item
    Ctl<QPushButton>("OKBtn")->click();
    EXPECT_EQ(Main.Profile.ConfigRecord().EPStask, 0);
    EXPECT_EQ(Main.Profile.ConfigRecord().EPSaux, 2);
    EXPECT_EQ(Main.Profile.GetUnits(), 1);
}

// ---- Scan band frequencies ----

struct TFreqCase {
    const char* Field;
    const char* Typed;
    const char* Becomes;
    const char* Message;
};

TEST_F(CfgEditorDlgTest, LeavingABandFrequencyRepairsItWithOneMessage)
{
    const TFreqCase cases[] = {
        {"ScanStartFreq2", "900000", "170000.0", "Max Freq 858MHz"},
        {"ScanEndFreq2", "900000", "170000.0", "Max Freq 858MHz"},
        {"ScanStartFreq2", "-5", "170000.0", "Max Freq 858MHz"},
        {"ScanStartFreq2", "4495137.3", "170000.0", "Max Freq 858MHz"},  // no wrap into range
        {"ScanStartFreq3", "100000", "170000.0", "Min Freq 170MHz"},
        {"ScanEndFreq1", "200000.0", "858000.0", "End Freq must be higher than Start Freq!"},
        {"ScanStartFreq4", "500000", "170000.0", "Start Freq must be lower than End Freq"},
    };
    Show();
    const TScanBand before[] = {Main.Profile.BandRecord(0), Main.Profile.BandRecord(1), Main.Profile.BandRecord(2),
                                Main.Profile.BandRecord(3)};
    ASSERT_EQ(Edit("ScanStartFreq1")->text(), "474000.0");
    for (const TFreqCase& c : cases) {
        Prompter.Messages.clear();
        Type(c.Field, c.Typed);
        Leave();
        EXPECT_EQ(Edit(c.Field)->text(), c.Becomes) << c.Field << " " << c.Typed;
        ASSERT_EQ(Prompter.Messages.size(), 1) << c.Field << " " << c.Typed;
        EXPECT_EQ(Prompter.Messages[0].Text, c.Message);
        EXPECT_EQ(Prompter.Messages[0].Caption, "Orvantis error");
        EXPECT_EQ(Prompter.Messages[0].Icon, TMsgIcon::Error);
    }
    for (int band = 0; band < BandCount; ++band)
        EXPECT_TRUE(SameBand(Main.Profile.BandRecord(band), before[band])) << "checks touch no model field";
}

TEST_F(CfgEditorDlgTest, EqualStartAndEndPass)
{
    Show();
    Type("ScanEndFreq3", "300000.0");
    Type("ScanStartFreq3", "300000.0");
    Leave();
    EXPECT_TRUE(Prompter.Messages.isEmpty());
    Ctl<QPushButton>("OKBtn")->click();
    EXPECT_EQ(Main.Profile.GetBandStart(2), 300000000u);
    EXPECT_EQ(Main.Profile.GetBandEnd(2), 300000000u);
}

TEST_F(CfgEditorDlgTest, OnACommaLocaleADotIsTakenAsTheDecimalSeparator)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Show();
    EXPECT_EQ(Edit("ScanStartFreq1")->text(), "474000,0");
    EXPECT_EQ(Edit("EdSNRHiQ")->text(), "21,0");

    Type("ScanStartFreq2", "177500.5");
    Leave();
    EXPECT_EQ(Edit("ScanStartFreq2")->text(), "177500,5");
    EXPECT_TRUE(Prompter.Messages.isEmpty());

    Type("ScanEndFreq2", "226500.5");
    PressEnter();
    EXPECT_EQ(Edit("ScanEndFreq2")->text(), "226500,5");
    EXPECT_EQ(Main.Profile.GetBandStart(1), 177500500u);
    EXPECT_EQ(Main.Profile.GetBandEnd(1), 226500500u);
}

// ---- Step, naming, enable ----

TEST_F(CfgEditorDlgTest, BandFieldsFollowTheShowAndStoreMappings)
{
    Main.Profile.SetBandEnable(0, 0);
    Main.Profile.SetBandBw(1, 0);
    Main.Profile.SetBandInitialChar(1, '1');
    Main.Profile.SetBandInitialChar(2, ' ');
    Main.Profile.SetBandInitialChar(3, 'S');
    Main.Profile.SetBandInitialIndex(3, 200);
    Show();
    EXPECT_FALSE(Ctl<QCheckBox>("ScanEnable1")->isChecked());
    EXPECT_FALSE(Ctl<QCheckBox>("ScanEnable1")->isEnabled());
    EXPECT_EQ(Checked("ScanBw2"), "BW: 8MHz");
    EXPECT_EQ(List("InitialChar2")->currentIndex(), 0);
    EXPECT_EQ(List("InitialChar3")->currentIndex(), 0);
    EXPECT_EQ(List("InitialChar4")->currentText(), "S");

    Ctl<QCheckBox>("ScanEnable3")->setChecked(true);
    QSpinBox* index4 = Spin("InitialIndex4");
    index4->setValue(255);
    index4->setFocus();
    QTest::keyClick(index4, Qt::Key_Up);
    EXPECT_EQ(index4->text(), "0");
    Ctl<QPushButton>("OKBtn")->click();

    EXPECT_EQ(Main.Profile.GetBandEnable(0), 1);
    EXPECT_EQ(Main.Profile.GetBandEnable(2), 1);
    EXPECT_EQ(Main.Profile.GetBandEnable(3), 0);
    EXPECT_EQ(Main.Profile.GetBandBw(1), 8);
    EXPECT_EQ(Main.Profile.GetBandInitialChar(1), ' ');
    EXPECT_EQ(Main.Profile.GetBandInitialChar(2), ' ');
    EXPECT_EQ(Main.Profile.GetBandInitialChar(3), 'S');
    EXPECT_EQ(Main.Profile.GetBandInitialIndex(3), 0);
}

TEST_F(CfgEditorDlgTest, TypedInitialCharThatNamesNoItemBecomesTheBlank)
{
    Show();
    QComboBox* list = List("InitialChar1");
    list->setFocus();
    list->setEditText("7");
    Leave();
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->currentText(), " ");

    list->setFocus();
    list->setEditText("%");
    PressEnter();  // OK selects the blank too
    EXPECT_EQ(Main.Profile.GetBandInitialChar(0), ' ');
}

TEST_F(CfgEditorDlgTest, TypedTextIsNotCompletedIntoAnItem)
{
    Main.Profile.SetBandInitialChar(0, 'C');
    Main.Profile.SetBacklightLCD(2);
    Show();
    for (const auto& [list, typed] :
         {std::pair{"InitialChar1", "q"}, std::pair{"BacklightLCD", "on"}, std::pair{"ShowBER", "C"}}) {
        List(list)->setFocus();
        List(list)->lineEdit()->selectAll();
        QTest::keyClicks(List(list)->lineEdit(), typed);
    }
    Ctl<QPushButton>("OKBtn")->click();
    EXPECT_EQ(Main.Profile.GetBandInitialChar(0), ' ');
    EXPECT_EQ(Main.Profile.GetBacklightLCD(), 255);
    EXPECT_EQ(Main.Profile.GetShowBER(), 0);  // not completed to "CBER (with Bar)"
}

// ---- ISDB-T ----

TEST_F(CfgEditorDlgTest, IsdbTFixesTheFirstTwoBandsAndOKStoresWhatTheyShow)
{
    Main.Model = IsdbTModelRow;
    Main.Profile.SetDefaults();
    Main.Profile.SetBandStart(0, 500000000);
    Main.Profile.SetBandBw(1, 8);
    Main.Profile.SetBandInitialChar(1, 'K');
    Main.Profile.SetBandEnable(1, 0);
    Main.Profile.SetBandStart(2, 250000000);
    Show();
    EXPECT_FALSE(Ctl<QGroupBox>("ScanBw1")->isEnabled());
    EXPECT_FALSE(Ctl<QGroupBox>("ScanBw2")->isEnabled());
    EXPECT_EQ(Checked("ScanBw2"), "BW: 6MHz");
    EXPECT_EQ(Edit("ScanStartFreq1")->text(), "473142.8");
    EXPECT_EQ(Edit("ScanEndFreq1")->text(), "803142.8");
    EXPECT_EQ(Edit("ScanStartFreq2")->text(), "177142.9");
    EXPECT_EQ(Edit("ScanEndFreq2")->text(), "213142.9");
    EXPECT_EQ(Spin("InitialIndex1")->value(), 14);
    EXPECT_EQ(Spin("InitialIndex2")->value(), 7);
    EXPECT_FALSE(Ctl<QCheckBox>("ScanEnable2")->isChecked());  // the boxes keep the model
    EXPECT_EQ(Edit("ScanStartFreq3")->text(), "250000.0");
    // Nothing reaches the model before OK.
    EXPECT_EQ(Main.Profile.GetBandStart(0), 500000000u);

    Ctl<QPushButton>("OKBtn")->click();
    const TScanBand& b0 = Main.Profile.BandRecord(0);
    const TScanBand& b1 = Main.Profile.BandRecord(1);
    EXPECT_EQ(b0.StartFreq, 473142800u);
    EXPECT_EQ(b0.EndFreq, 803142800u);
    EXPECT_EQ(b0.Bw, 6);
    EXPECT_EQ(b0.InitialChar, ' ');
    EXPECT_EQ(b0.InitialIndex, 14);
    EXPECT_EQ(b1.StartFreq, 177142900u);
    EXPECT_EQ(b1.EndFreq, 213142900u);
    EXPECT_EQ(b1.Bw, 6);
    EXPECT_EQ(b1.InitialChar, ' ');
    EXPECT_EQ(b1.InitialIndex, 7);
    EXPECT_EQ(b1.Enable, 0);
    EXPECT_EQ(Main.Profile.GetBandStart(2), 250000000u);

    Main.Model = DvbT2ModelRow;
    Show();
    EXPECT_TRUE(Ctl<QGroupBox>("ScanBw1")->isEnabled());
    EXPECT_TRUE(Ctl<QGroupBox>("ScanBw2")->isEnabled());
}

// ---- OK, Cancel, close ----

TEST_F(CfgEditorDlgTest, OKMarksTheProjectModifiedCancelAndCloseDoNot)
{
    Show();
    Ctl<QPushButton>("CancelBtn")->click();
    EXPECT_FALSE(Dlg->isVisible());
    Show();
    Hide();
    EXPECT_EQ(Main.ModifiedCalls, 0);
    Show();
    PressEnter();
    EXPECT_EQ(Main.ModifiedCalls, 1);
}

TEST_F(CfgEditorDlgTest, CancelRestoresTheRecordsAsTheyWereAtThisShow)
{
    Show();
    Type("EdMinDetLev", "50");
    Type("ScanStartFreq4", "400000.0");
    Leave();
    Ctl<QPushButton>("OKBtn")->click();
    const TConfigData configAfterOk = Main.Profile.ConfigRecord();
    const TScanBand bandAfterOk = Main.Profile.BandRecord(3);
    EXPECT_EQ(configAfterOk.MinDetLev, 50);

    Show();
    Type("EdMinDetLev", "70");
    Type("ScanStartFreq4", "410000.0");
    Leave();
    // Something else writes into the model while the dialog is open: only
    // Cancel's snapshot, taken at this show, may put it back.
    Main.Profile.SetSound(0);
    Main.Profile.SetBandInitialIndex(3, 99);
    PressEsc();
    EXPECT_FALSE(Dlg->isVisible());
    EXPECT_TRUE(SameConfig(Main.Profile.ConfigRecord(), configAfterOk));
    EXPECT_TRUE(SameBand(Main.Profile.BandRecord(3), bandAfterOk));
    EXPECT_EQ(Main.ModifiedCalls, 1);
}

TEST_F(CfgEditorDlgTest, TitleBarCloseChangesNothing)
{
    Show();
    const TConfigData config = Main.Profile.ConfigRecord();
    Type("EdMinDetLev", "50");
    Type("ScanStartFreq2", "180000.0");
    Leave();
    Hide();
    EXPECT_TRUE(SameConfig(Main.Profile.ConfigRecord(), config));
    EXPECT_EQ(Main.Profile.GetBandStart(1), 177500000u);
    EXPECT_EQ(Main.ModifiedCalls, 0);
}

// ---- A field that does not convert stops OK before anything is stored ----

TEST_F(CfgEditorDlgTest, OKWithAFieldThatIsNoNumberStoresNothingAndStaysOpen)
{
    struct TBadField {
        const char* Field;
        const char* Typed;
        const char* Message;
    };
    const TBadField cases[] = {
        {"EdMinDetLev", "ten", "'ten' is not a valid integer value"},
        {"EdSNRHiQ", "21,5", "'21,5' is not a valid floating point value"},
        {"ScanEndFreq4", "466 MHz", "'466 MHz' is not a valid floating point value"},
    };
    for (const TBadField& c : cases) {
        SCOPED_TRACE(c.Field);
        Show();
        const TConfigData config = Main.Profile.ConfigRecord();
        const TScanBand band0 = Main.Profile.BandRecord(0);
        Spin("EdPointIndex")->setValue(9);
        Type("ScanStartFreq1", "480000.0");
        QLineEdit* field = Edit(c.Field);
        field->setFocus();
        field->setText(c.Typed);
        Prompter.Messages.clear();
        PressEnter();

        EXPECT_EQ(MessageTexts(), QStringList({c.Message}));
        EXPECT_EQ(Prompter.Messages.value(0).Caption, "Orvantis error");
        EXPECT_TRUE(Dlg->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), field);
        EXPECT_EQ(field->text(), c.Typed);
        EXPECT_TRUE(SameConfig(Main.Profile.ConfigRecord(), config));
        EXPECT_TRUE(SameBand(Main.Profile.BandRecord(0), band0));
        EXPECT_EQ(Main.ModifiedCalls, 0);
        Ctl<QPushButton>("CancelBtn")->click();
    }
}

// ---- Layout ----

// Every caption is shown whole. Set ORVANTIS_SHOT_DIR to keep a picture.
TEST_F(CfgEditorDlgTest, EveryCaptionFitsTheFixedSizeForm)
{
    Show();
    for (QWidget* w : Dlg->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow()) continue;
        const QRect inDialog(w->mapTo(Dlg.get(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(Dlg->rect().contains(inDialog)) << w->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
    }
    EXPECT_EQ(Dlg->minimumSize(), Dlg->maximumSize());
    const QString dir = qEnvironmentVariable("ORVANTIS_SHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(Dlg->grab().save(dir + "/config-editor.png"));
    }
}

// Tab walks the settings, then each band top to bottom, then the buttons.
TEST_F(CfgEditorDlgTest, TabOrderFollowsTheForm)
{
    Show();
    Spin("EdPointIndex")->setFocus();
    QStringList visited;
    for (int i = 0; i < 80 && !visited.contains("CancelBtn"); ++i) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        QString name = w->objectName();
        if (name.isEmpty() && w->parentWidget()) name = w->parentWidget()->objectName();  // a radio button
        if (!name.isEmpty() && !visited.contains(name)) visited << name;
        QTest::keyClick(w, Qt::Key_Tab);
    }
    const QStringList expected{"EdPointIndex", "EdLastIndex", "EdMinDetLev", "EdSNRHiQ", "EPStask", "Units",
                               "ShowBER", "Sound", "BacklightLCD", "ContrastLCD", "ScanStartFreq1", "ScanEndFreq1",
                               "ScanBw1", "InitialChar1", "InitialIndex1", "ScanEnable2", "ScanStartFreq2",
                               "InitialIndex4", "OKBtn", "CancelBtn"};
    qsizetype at = -1;
    for (const QString& name : expected) {
        const qsizetype found = visited.indexOf(name);
        EXPECT_GT(found, at) << name.toStdString() << " in " << visited.join(' ').toStdString();
        at = std::max(at, found);
    }
}

}  // namespace
