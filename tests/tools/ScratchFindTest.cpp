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

TEST_F(ScratchFindTest, FoundTextIsScrolledIntoView)
{
    QStringList lines;
    lines << QStringLiteral("# ORVANTIS+ - v5.00 - r003") << QStringLiteral("# Project file: C:\\SITE\\TOWER.PRO")
          << QStringLiteral("#\t[Configuration]");
    for (int i = 0; i < 60; ++i)
        lines << QStringLiteral("send *E2P%1%2").arg(0x0100 + 16 * i, 4, 16, QLatin1Char('0')).arg(QStringLiteral("0A1B2C3D4E5F6071")).toUpper()
                     .replace(QStringLiteral("SEND *E2P"), QStringLiteral("send *E2P"));
    lines << QStringLiteral("# A long comment line that does not fit the window wraps in the view instead of running off to the right, so nothing is hidden.");
    lines << QStringLiteral("# End of project");
    Memo()->setPlainText(lines.join(QLatin1Char('\n')));
    Memo()->moveCursor(QTextCursor::Start);
    Options(QStringLiteral("long comment"), false, false);
    const QString found = FindNext();
    ASSERT_TRUE(found.endsWith(QStringLiteral("+12"))) << found.toStdString();
    const QRect caret = Memo()->cursorRect();
    EXPECT_TRUE(Memo()->viewport()->rect().contains(caret)) << "the match is in view";
    Screenshot(QStringLiteral("text-editor.png"));
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
