// The text messages editor, with the real password dialog, driven through
// their own controls.

#include "EditorTestApp.h"
#include "FakeEditorHost.h"
#include "MessEditDlg.h"
#include "PasswordDlg.h"
#include "WrapUpDown.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <set>

namespace orvantis::test {
namespace {

class MessEditDlgTest : public ::testing::Test {
protected:
    QLineEdit* Edit(const char* name) { return Dlg.findChild<QLineEdit*>(name); }
    QLineEdit* Message() { return Edit("MessageEdit"); }
    TWrapUpDown* Spinner() { return Dlg.findChild<TWrapUpDown*>("UpDown1"); }
    void Up() { QTest::mouseClick(Spinner()->UpButton(), Qt::LeftButton); }
    void Down() { QTest::mouseClick(Spinner()->DownButton(), Qt::LeftButton); }
    void GoTo(int index)
    {
        while (Dlg.CurrentMessage() != index) Up();
    }
    void Click(const char* name) { QTest::mouseClick(Dlg.findChild<QAbstractButton*>(name), Qt::LeftButton); }
    void Type(const QString& text) { QTest::keyClicks(Message(), text); }
    // Opens the password dialog from the editor's button and answers it.
    void EnterPassword(const QString& password, bool confirm = true)
    {
        QTimer::singleShot(0, &Pwd, [this, password, confirm] {
            QTest::keyClicks(Pwd.findChild<QLineEdit*>("PasswordEdit"), password);
            QTest::mouseClick(Pwd.findChild<QPushButton*>(confirm ? "OKBtn" : "CancelBtn"), Qt::LeftButton);
        });
        Click("SpeedButton1");
    }
    std::set<int> EditableMessages()
    {
        std::set<int> editable;
        for (int n = 0; n < MessageCount; ++n) {
            if (Message()->isEnabled() && !Message()->isReadOnly()) editable.insert(Dlg.CurrentMessage());
            Up();
        }
        return editable;
    }
    static std::set<int> Range(int from, int to)
    {
        std::set<int> numbers;
        for (int n = from; n <= to; ++n) numbers.insert(n);
        return numbers;
    }
    QString Stored(int i) { return QString::fromLatin1(Host.Profile.GetMessageText(i)); }

    TApplicationInstance App;
    TFakeEditorHost Host;
    TPasswordDlg Pwd;
    TMessEditDlg Dlg{Host, Pwd};
};

TEST_F(MessEditDlgTest, EachAccessLevelUnlocksItsMessages)
{
    Dlg.show();
    EXPECT_EQ(Dlg.windowTitle(), "Text messages editor");
    EXPECT_EQ(Edit("Edit1")->text(), "0");
    EXPECT_EQ(Edit("MessageNoEdit")->text(), "ORVANTIS+");
    EXPECT_FALSE(Edit("MessageNoEdit")->isEnabled());
    EXPECT_EQ(Message()->text(), "ORVANTIS+");
    EXPECT_EQ(EditableMessages(), std::set<int>({1, 2}));

    EnterPassword("mavlin");
    EXPECT_EQ(Dlg.AccessLevel(), 1);
    std::set<int> ordinary = Range(7, 56);
    ordinary.insert({1, 2, 5});
    EXPECT_EQ(EditableMessages(), ordinary);

    EnterPassword("dorsek");
    EXPECT_EQ(Dlg.AccessLevel(), 2);
    EXPECT_EQ(EditableMessages(), Range(0, 56));
}

TEST_F(MessEditDlgTest, WrongPasswordOrANewShowingDropsTheLevel)
{
    Dlg.show();
    EnterPassword("dorsek");
    EXPECT_TRUE(Message()->isEnabled());
    EnterPassword("Dorsek");
    EXPECT_EQ(Dlg.AccessLevel(), 0);
    EXPECT_FALSE(Message()->isEnabled());

    EnterPassword("mavlin");
    EnterPassword("dorsek", false);
    EXPECT_EQ(Dlg.AccessLevel(), 1);
    Click("OKBtn");
    Dlg.show();
    EXPECT_EQ(Dlg.AccessLevel(), 0);
    GoTo(5);
    EXPECT_FALSE(Message()->isEnabled());
}

TEST_F(MessEditDlgTest, CtrlEnterInThePasswordDialogThenCancelKeepsTheLevel)
{
    Dlg.show();
    GoTo(5);
    QTimer::singleShot(0, &Pwd, [this] {
        auto* field = Pwd.findChild<QLineEdit*>("PasswordEdit");
        QTest::keyClicks(field, "mavlin");
        QTest::keyClick(field, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_TRUE(Pwd.isVisible());
        EXPECT_TRUE(Message()->isEnabled());
        QTest::mouseClick(Pwd.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
    });
    Click("SpeedButton1");
    EXPECT_FALSE(Pwd.isVisible());
    EXPECT_EQ(Dlg.AccessLevel(), 1);
    EXPECT_TRUE(Message()->isEnabled());
}

TEST_F(MessEditDlgTest, RulerAndTypingFollowTheMessagesLength)
{
    Dlg.show();
    EnterPassword("mavlin");
    GoTo(10);
    EXPECT_EQ(Edit("StaticText1")->text(), "0123456789ABCDEFGHIJK");
    Up();
    Up();
    EXPECT_EQ(Edit("StaticText1")->text(), "0123");
    Message()->selectAll();
    Type("ABCDEFG");
    EXPECT_EQ(Message()->text(), "ABCD");
    QGuiApplication::clipboard()->setText("WXYZWXYZ");
    Message()->selectAll();
    Message()->paste();
    EXPECT_EQ(Message()->text(), "WXYZ");
    Down();
    Down();
    EXPECT_EQ(Message()->text(), "SIGNAL NOT DETECTED");
    EXPECT_EQ(Stored(12), "WXYZ");
    EXPECT_EQ(TMessEditDlg::RulerText(30), "0123456789ABCDEFGHIJKL");
}

TEST_F(MessEditDlgTest, RestoreBringsBackTheStoredText)
{
    Dlg.show();
    Up();
    Type("!!");
    EXPECT_EQ(Message()->text(), "CO: YOUR COMPANY!!");
    Click("RestoreButton");
    EXPECT_EQ(Message()->text(), "CO: YOUR COMPANY");
    EXPECT_EQ(Stored(1), "CO: YOUR COMPANY");
}

TEST_F(MessEditDlgTest, TypedTextIsStoredByMovingAndKeptOnTheWayBack)
{
    Dlg.show();
    Down();
    EXPECT_EQ(Dlg.CurrentMessage(), 56);
    Up();
    Up();
    Message()->selectAll();
    Type("ACME LTD");
    Up();
    EXPECT_EQ(Stored(1), "ACME LTD");
    Down();
    EXPECT_EQ(Message()->text(), "ACME LTD");
    EXPECT_EQ(Edit("MessageNoEdit")->text(), "ACME LTD");
    Click("OKBtn");
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_EQ(Host.ModifiedCalls, 1);
}

TEST_F(MessEditDlgTest, OkStoresTheMessageOnScreen)
{
    Dlg.show();
    GoTo(2);
    Message()->selectAll();
    Type("USER: ANA");
    Click("OKBtn");
    EXPECT_EQ(Stored(2), "USER: ANA");
    EXPECT_EQ(Host.ModifiedCalls, 1);
}

TEST_F(MessEditDlgTest, CancelEscapeAndCloseRestoreEveryText)
{
    const auto changeTwo = [this] {
        Dlg.show();
        Up();
        Type("1");
        Up();
        Type("2");
        Up();
    };
    changeTwo();
    EXPECT_EQ(Stored(1), "CO: YOUR COMPANY1");
    Click("CancelBtn");
    EXPECT_EQ(Stored(1), "CO: YOUR COMPANY");
    EXPECT_EQ(Stored(2), "USER: YOUR NAME");

    changeTwo();
    QTest::keyClick(&Dlg, Qt::Key_Escape);
    EXPECT_EQ(Stored(2), "USER: YOUR NAME");

    changeTwo();
    Dlg.close();
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_EQ(Stored(1), "CO: YOUR COMPANY");
    EXPECT_EQ(Host.ModifiedCalls, 0);
}

TEST_F(MessEditDlgTest, APasswordDropsTheTextBeingTypedButACancelledOneDoesNot)
{
    Dlg.show();
    Up();
    Type("XX");
    EnterPassword("dorsek", false);
    EXPECT_EQ(Message()->text(), "CO: YOUR COMPANYXX");
    EnterPassword("dorsek");
    EXPECT_EQ(Message()->text(), "CO: YOUR COMPANY");
    EXPECT_EQ(Stored(1), "CO: YOUR COMPANY");
}

TEST_F(MessEditDlgTest, ALockedMessageIsStoredUnchanged)
{
    Host.Profile.SetMessageText(0, "\xC3\xA9TAT");
    Dlg.show();
    Up();
    Click("OKBtn");
    EXPECT_EQ(std::string(Host.Profile.GetMessageText(0)), "\xC3\xA9TAT");
}

}  // namespace
}  // namespace orvantis::test
