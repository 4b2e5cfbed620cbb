// Find Next in the editor: forward from the caret, no wrap, match case and
// whole word, through the editor's own find dialog.

#include "ScratchPadFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace orvantis::test {
namespace {

class ScratchFindTest : public ScratchPadFixture {
protected:
    void SetUp() override
    {
        Memo()->setPlainText(QStringLiteral("Alpha beta\nalphabet ALPHA\nend"));
        Trigger("EditFind");
    }
    QWidget* Dialog() { return FPad.findChild<QWidget*>(QStringLiteral("FindDlg")); }
    void Options(const QString& text, bool matchCase, bool wholeWord)
    {
        Dialog()->findChild<QLineEdit*>(QStringLiteral("FindEdit"))->setText(text);
        Dialog()->findChild<QCheckBox*>(QStringLiteral("MatchCaseCheck"))->setChecked(matchCase);
        Dialog()->findChild<QCheckBox*>(QStringLiteral("WholeWordCheck"))->setChecked(wholeWord);
    }
    // Presses Find Next; the selection afterwards as "start+length", or the message shown.
    QString FindNext()
    {
        const int before = MessageCount();
        QTest::mouseClick(Dialog()->findChild<QPushButton*>(QStringLiteral("FindNextBtn")), Qt::LeftButton);
        if (MessageCount() > before) return LastMessage();
        const QTextCursor c = Memo()->textCursor();
        return QStringLiteral("%1+%2").arg(c.selectionStart()).arg(c.selectionEnd() - c.selectionStart());
    }
    void CaretAt(int position)
    {
        QTextCursor c = Memo()->textCursor();
        c.setPosition(position);
        Memo()->setTextCursor(c);
    }
};

TEST_F(ScratchFindTest, TheDialogIsModelessAndOffersNoDirection)
{
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(Dialog()->isVisible());
    EXPECT_FALSE(Dialog()->isModal());
    EXPECT_FALSE(Dialog()->findChild<QPushButton*>(QStringLiteral("FindNextBtn"))->isEnabled()) << "nothing to find yet";
    FPad.close();
    EXPECT_FALSE(Dialog()->isVisible()) << "closing the editor closes the dialog";
}

TEST_F(ScratchFindTest, AWordThatOccursOnceIsFoundOnceThenNotFound)
{
    Options(QStringLiteral("end"), false, false);
    EXPECT_EQ(FindNext(), QStringLiteral("26+3"));
    EXPECT_EQ(FPad.focusWidget(), Memo()) << "the text area takes the focus";
    EXPECT_TRUE(Dialog()->isVisible());
    EXPECT_EQ(FindNext(), QStringLiteral("Text not found"));
    const TAskedMessage& shown = FPrompter.Messages.last();
    EXPECT_EQ(shown.Caption, QStringLiteral("Tools Editor"));
    EXPECT_EQ(shown.Icon, TMsgIcon::Error);
    // The caret stays at the end of the former selection, with nothing selected.
    EXPECT_EQ(Memo()->textCursor().position(), 29);
    EXPECT_FALSE(Memo()->textCursor().hasSelection());
}

TEST_F(ScratchFindTest, WithoutMatchCaseLowerCaseFindsCapitalsInsideWordsToo)
{
    Options(QStringLiteral("alpha"), false, false);
    EXPECT_EQ(FindNext(), QStringLiteral("0+5"));
    EXPECT_EQ(FindNext(), QStringLiteral("11+5"));
    EXPECT_EQ(FindNext(), QStringLiteral("20+5"));
    EXPECT_EQ(FindNext(), QStringLiteral("Text not found")) << "no wrap to the beginning";
}

TEST_F(ScratchFindTest, MatchCaseAndWholeWordNarrowTheSearch)
{
    Options(QStringLiteral("alpha"), true, false);
    EXPECT_EQ(FindNext(), QStringLiteral("11+5"));
    EXPECT_EQ(FindNext(), QStringLiteral("Text not found"));

    CaretAt(0);
    Options(QStringLiteral("alpha"), false, true);
    EXPECT_EQ(FindNext(), QStringLiteral("0+5"));
    EXPECT_EQ(FindNext(), QStringLiteral("20+5")) << "not inside \"alphabet\"";

    CaretAt(0);
    Options(QStringLiteral("alpha"), true, true);
    EXPECT_EQ(FindNext(), QStringLiteral("Text not found"));
}

TEST_F(ScratchFindTest, SearchStartsAtTheCaretOrAfterTheSelection)
{
    Options(QStringLiteral("a"), true, false);
    CaretAt(8);  // inside "beta", before its "a"
    EXPECT_EQ(FindNext(), QStringLiteral("9+1"));

    // A selection made by the user: the search goes on after its end.
    QTextCursor c = Memo()->textCursor();
    c.setPosition(20);
    c.setPosition(11, QTextCursor::KeepAnchor);  // "alphabet " selected backwards
    Memo()->setTextCursor(c);
    EXPECT_EQ(FindNext(), QStringLiteral("Text not found"));
    EXPECT_EQ(Memo()->textCursor().position(), 20);
}

}  // namespace
}  // namespace orvantis::test
