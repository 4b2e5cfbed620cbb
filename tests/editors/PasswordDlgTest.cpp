// The service password dialog driven through its own controls.

#include "EditorTestApp.h"
#include "PasswordDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace orvantis::test {
namespace {

class PasswordDlgTest : public ::testing::Test {
protected:
    QLineEdit* Field() { return Dlg.findChild<QLineEdit*>("PasswordEdit"); }
    void Click(const char* button) { QTest::mouseClick(Dlg.findChild<QPushButton*>(button), Qt::LeftButton); }
    int LastLevel() const { return Levels.isEmpty() ? -1 : Levels.last().at(0).toInt(); }

    TApplicationInstance App;
    TPasswordDlg Dlg;
    QSignalSpy Levels{&Dlg, &TPasswordDlg::AccessLevelChecked};
};

TEST_F(PasswordDlgTest, OnlyTheExactServicePasswordsGiveALevel)
{
    const struct {
        QString Typed;
        int Level;
    } cases[] = {{"mavlin", 1}, {"dorsek", 2}, {"Mavlin", 0}, {"MAVLIN", 0}, {"mavlin ", 0},
                 {" dorsek", 0}, {"dorse", 0},  {"", 0},       {"dorsekmavlin", 0}};
    for (const auto& c : cases) {
        Dlg.show();
        QTest::keyClicks(Field(), c.Typed);
        Click("OKBtn");
        EXPECT_FALSE(Dlg.isVisible());
        EXPECT_EQ(LastLevel(), c.Level) << c.Typed.toStdString();
    }
    EXPECT_EQ(Levels.size(), std::size(cases));
}

TEST_F(PasswordDlgTest, FieldIsMaskedAndEmptyAndFocusedAtEveryShowing)
{
    EXPECT_EQ(Dlg.windowTitle(), "Password");
    Dlg.show();
    Dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg));
    QTest::keyClicks(Field(), "dorsek");
    EXPECT_EQ(Field()->displayText(), "******");
    Click("CancelBtn");

    Dlg.show();
    Dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg));
    EXPECT_TRUE(Field()->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), Field());
}

TEST_F(PasswordDlgTest, CtrlEnterChecksWhileTheDialogStaysOpen)
{
    Dlg.show();
    QTest::keyClicks(Field(), "mavlin");
    QTest::keyClick(Field(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(Dlg.isVisible());
    EXPECT_EQ(LastLevel(), 1);
    Field()->clear();
    QTest::keyClicks(Field(), "nope");
    QTest::keyClick(Field(), Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_TRUE(Dlg.isVisible());
    EXPECT_EQ(LastLevel(), 0);
    Click("CancelBtn");
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_EQ(Levels.size(), 2);
}

TEST_F(PasswordDlgTest, CtrlJTypesALineFeedTooAndChecksTheSameWay)
{
    Dlg.show();
    QTest::keyClicks(Field(), "dorsek");
    QTest::keyClick(Field(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_TRUE(Dlg.isVisible());
    EXPECT_EQ(Field()->text(), "dorsek");
    EXPECT_EQ(LastLevel(), 2);
}

TEST_F(PasswordDlgTest, CancelEscapeAndCloseCheckNothing)
{
    Dlg.show();
    QTest::keyClicks(Field(), "mavlin");
    Click("CancelBtn");
    Dlg.show();
    QTest::keyClicks(Field(), "mavlin");
    QTest::keyClick(Field(), Qt::Key_Escape);
    Dlg.show();
    QTest::keyClicks(Field(), "mavlin");
    Dlg.close();
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_TRUE(Levels.isEmpty());
}

TEST_F(PasswordDlgTest, EnterChecksAndCloses)
{
    Dlg.show();
    QTest::keyClicks(Field(), "dorsek");
    QTest::keyClick(Field(), Qt::Key_Return);
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_EQ(LastLevel(), 2);
}

}  // namespace
}  // namespace orvantis::test
