// Printing from the editor into a PDF file, read back with Ghostscript's text
// extraction: which page and row every line lands on, the header on the first
// page only, "Page n" centred at the foot of each page.

#include "ScratchPadFixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>

namespace orvantis::test {
namespace {

struct TPrintedText {
    int Page = 0;  // 1-based
    double Left = 0;
    double Right = 0;
    double Baseline = 0;
    QString Text;  // without blanks
};

// The text runs of a PDF file, page by page, or nothing without Ghostscript.
std::optional<QList<TPrintedText>> ReadPdfText(const QString& path)
{
    const QString gs = QStandardPaths::findExecutable(QStringLiteral("gs"));
    if (gs.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(gs, {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                       QStringLiteral("-sDEVICE=txtwrite"), QStringLiteral("-dTextFormat=1"),
                       QStringLiteral("-sOutputFile=-"), path});
    if (!process.waitForFinished(30000)) return std::nullopt;
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());

    QList<TPrintedText> runs;
    int page = 0;
    static const QRegularExpression span(QStringLiteral(R"re(<span bbox="(\S+) (\S+) (\S+) (\S+)")re"));
    static const QRegularExpression character(QStringLiteral(R"re(<char [^>]*c="([^"]*)")re"));
    for (const QString& line : xml.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("<page"))) ++page;
        if (const auto m = span.match(line); m.hasMatch())
            runs.append({page, m.captured(1).toDouble(), m.captured(3).toDouble(), m.captured(2).toDouble(), {}});
        if (const auto m = character.match(line); m.hasMatch() && !runs.isEmpty()) {
            QString c = m.captured(1);
            c.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                .replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
            if (!c.startsWith(QStringLiteral("&#x")) && !c.trimmed().isEmpty()) runs.last().Text += c;
        }
    }
    // Runs on one baseline make one printed line.
    QList<TPrintedText> merged;
    for (const TPrintedText& run : runs) {
        if (!merged.isEmpty() && merged.last().Page == run.Page && std::abs(merged.last().Baseline - run.Baseline) < 1) {
            merged.last().Text += run.Text;
            merged.last().Right = run.Right;
        } else {
            merged.append(run);
        }
    }
    return merged;
}

QString Compact(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

// The fixture's page: 300 x 132 points at 72 dots per inch, 8-point text:
// pitch L = 11, last row N = 132 / 11 - 4 = 8.
constexpr int Pitch = 11;
constexpr int PageWidth = 300;
constexpr int PageHeight = 132;

class ScratchPrintTest : public ScratchPadFixture {
protected:
    QList<TPrintedText> Print()
    {
        Trigger("FilePrint");
        std::optional<QList<TPrintedText>> text = ReadPdfText(FPrint.Path);
        if (!text) ADD_FAILURE() << "Ghostscript (gs) is needed to read the printout";
        return text.value_or(QList<TPrintedText>());
    }
    // Types n lines "line 1" to "line n" and opens nothing.
    void Lines(int n)
    {
        QStringList lines;
        for (int i = 1; i <= n; ++i) lines << QStringLiteral("line %1").arg(i);
        Memo()->setPlainText(lines.join(QLatin1Char('\n')));
    }
    static const TPrintedText* Find(const QList<TPrintedText>& printed, const QString& text)
    {
        for (const TPrintedText& t : printed)
            if (t.Text == Compact(text)) return &t;
        return nullptr;
    }
};

TEST_F(ScratchPrintTest, LinesFillRowsFiveToNThenFourToNWithHeaderAndFooters)
{
    if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty()) GTEST_SKIP() << "no Ghostscript to read the PDF";
    const QString opened = FileWith(QStringLiteral("lines.txt"), "line 1\r\n");
    Open(opened);
    Lines(5);  // N - 4 + 1 = 5: one more line than the first page holds
    const QList<TPrintedText> printed = Print();

    const TPrintedText* header = Find(printed, QStringLiteral("Tools Editor: ") + opened);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->Page, 1);
    EXPECT_NEAR(header->Left, 2 * Pitch, 1);
    // The header's top is at y = L; the same ascent puts every row's top at row * L.
    const double ascent = header->Baseline - Pitch;

    const int expectedPage[] = {1, 1, 1, 1, 2};
    const int expectedRow[] = {5, 6, 7, 8, 4};
    for (int i = 0; i < 5; ++i) {
        const TPrintedText* line = Find(printed, QStringLiteral("line %1").arg(i + 1));
        ASSERT_NE(line, nullptr) << i + 1;
        EXPECT_EQ(line->Page, expectedPage[i]) << "line " << i + 1;
        EXPECT_NEAR(line->Baseline - ascent, expectedRow[i] * Pitch, 1) << "line " << i + 1;
        EXPECT_NEAR(line->Left, 2 * Pitch, 1) << "line " << i + 1;
    }
    for (int page = 1; page <= 2; ++page) {
        const TPrintedText* footer = Find(printed, QStringLiteral("Page %1").arg(page));
        ASSERT_NE(footer, nullptr) << page;
        EXPECT_EQ(footer->Page, page);
        EXPECT_NEAR(footer->Baseline - ascent, PageHeight - 2 * Pitch, 1);
        EXPECT_NEAR((footer->Left + footer->Right) / 2, (2 * Pitch + PageWidth) / 2.0, 4) << "centred";
    }
    int pages = 0;
    for (const TPrintedText& t : printed) pages = std::max(pages, t.Page);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(printed.size(), 1 + 5 + 2) << "the header is on the first page only";
}

TEST_F(ScratchPrintTest, ExactlyNMinusFourLinesPrintOnOnePage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty()) GTEST_SKIP() << "no Ghostscript to read the PDF";
    Lines(4);
    const QList<TPrintedText> printed = Print();
    ASSERT_FALSE(printed.isEmpty());
    for (const TPrintedText& t : printed) EXPECT_EQ(t.Page, 1) << t.Text.toStdString();
    EXPECT_NE(Find(printed, QStringLiteral("Page 1")), nullptr);
    EXPECT_NE(Find(printed, QStringLiteral("line 4")), nullptr);
}

TEST_F(ScratchPrintTest, HeaderAndJobNameTheLastOpenedFileNotTheSavedOne)
{
    if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty()) GTEST_SKIP() << "no Ghostscript to read the PDF";
    const QString opened = FileWith(QStringLiteral("opened.pro"), "x\r\n");
    Open(opened);
    FPrompter.AnswerFile(FDir.filePath(QStringLiteral("saved.pro")));
    Trigger("FileSaveAs");
    const QList<TPrintedText> printed = Print();
    ASSERT_NE(FPrint.Printer, nullptr);
    EXPECT_EQ(FPrint.Printer->docName(), QStringLiteral("Tools Editor - ") + opened);
    EXPECT_NE(Find(printed, QStringLiteral("Tools Editor: ") + opened), nullptr);
}

TEST_F(ScratchPrintTest, AfterACancelledOpenTheHeaderNamesNoFile)
{
    if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty()) GTEST_SKIP() << "no Ghostscript to read the PDF";
    Open(FileWith(QStringLiteral("first.txt"), "x\r\n"));
    FPrompter.AnswerFile(std::nullopt);
    Trigger("FileOpen");
    const QList<TPrintedText> printed = Print();
    EXPECT_EQ(FPrint.Printer->docName(), QStringLiteral("Tools Editor - "));
    EXPECT_NE(Find(printed, QStringLiteral("Tools Editor:")), nullptr);
}

TEST_F(ScratchPrintTest, CancelledPrintDialogPrintsNothingAndSetupKeepsThePrinter)
{
    Lines(2);
    Trigger("FilePrintSetup");
    EXPECT_EQ(FPrint.SetupCalls, 1);
    QPrinter* setUp = FPrint.Printer;
    FPrint.Accept = false;
    Trigger("FilePrint");
    EXPECT_EQ(FPrint.PrintCalls, 1);
    EXPECT_EQ(FPrint.Printer, setUp) << "the set-up applies to the next print";
    EXPECT_FALSE(QFile::exists(FPrint.Path));

    // Ctrl+I prints; Ctrl+P does not.
    EXPECT_EQ(Action("FilePrint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
}

}  // namespace
}  // namespace orvantis::test
