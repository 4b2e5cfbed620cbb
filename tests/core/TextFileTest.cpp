// 8-bit text lines from and to files; saving replaces a file whole or not at all.

#include "TempDir.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace orvantis::test {
namespace {

using namespace std::string_literals;

class TextFileTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Path(const QString& name) const { return Dir.filePath(name); }
};

TEST_F(TextFileTest, LoadsWhatIsOnDisk)
{
    WriteAll(Path("mixed.pro"), QByteArray("one\r\ntwo\nthree\rfour\0\xFF", 21));
    TLineList lines{"stale"};
    ASSERT_TRUE(LoadTextLines(Path("mixed.pro"), lines));
    EXPECT_EQ(lines, (TLineList{"one", "two", "three", "four\0\xFF"s}));

    WriteAll(Path("empty.pro"), {});
    ASSERT_TRUE(LoadTextLines(Path("empty.pro"), lines));
    EXPECT_TRUE(lines.empty());
}

TEST_F(TextFileTest, RefusesMissingNonRegularAndOversizedFilesAndKeepsTheList)
{
    WriteAll(Path("big.pro"), QByteArray(101, 'x'));
    ASSERT_EQ(::mkfifo(Path("pipe.pro").toLocal8Bit().constData(), 0600), 0);
    QDir(Dir.path()).mkdir(QStringLiteral("folder.pro"));
    const struct {
        QString Path;
        qint64 Max;
    } cases[] = {{Path("missing.pro"), MaxProjectFileSize},
                 {Path("folder.pro"), MaxProjectFileSize},
                 {Path("pipe.pro"), MaxProjectFileSize},  // would block if it were opened
                 {QStringLiteral("/dev/zero"), MaxProjectFileSize},
                 {Path("big.pro"), 100}};
    for (const auto& c : cases) {
        TLineList lines{"kept"};
        const TFileResult result = LoadTextLines(c.Path, lines, c.Max);
        EXPECT_FALSE(result) << c.Path.toStdString();
        EXPECT_TRUE(result.Error.contains(c.Path)) << result.Error.toStdString();
        EXPECT_EQ(lines, TLineList{"kept"});
    }
    TLineList lines;
    EXPECT_TRUE(LoadTextLines(Path("big.pro"), lines, 101));
}

TEST_F(TextFileTest, SavesEveryLineWithCrLfAndKeepsEveryByte)
{
    const TLineList lines{"# head", "", "\0\xFF\x80"s, "last"};
    ASSERT_TRUE(SaveTextLines(Path("out.pro"), lines));
    EXPECT_EQ(ReadAll(Path("out.pro")), QByteArray("# head\r\n\r\n\0\xFF\x80\r\nlast\r\n", 21));
    TLineList back;
    ASSERT_TRUE(LoadTextLines(Path("out.pro"), back));
    EXPECT_EQ(back, lines);

    ASSERT_TRUE(SaveTextLines(Path("out.pro"), {"short"}));
    EXPECT_EQ(ReadAll(Path("out.pro")), QByteArray("short\r\n"));
    ASSERT_TRUE(SaveTextLines(Path("out.pro"), {}));
    EXPECT_EQ(ReadAll(Path("out.pro")), QByteArray());
}

TEST_F(TextFileTest, ASaveThatCannotBeginReportsWhyAndTouchesNothing)
{
    WriteAll(Path("plain.txt"), "not a folder");
    QDir(Dir.path()).mkdir(QStringLiteral("folder.pro"));
    WriteAll(Path("folder.pro/inside.txt"), "inside");
    for (const QString& target : {Path("no such folder/out.pro"), Path("plain.txt/out.pro"), Path("folder.pro"),
                                  QStringLiteral("/proc/orvantis-test.pro")}) {
        const TFileResult result = SaveTextLines(target, {"line"});
        EXPECT_FALSE(result) << target.toStdString();
        EXPECT_FALSE(result.Error.isEmpty());
    }
    EXPECT_EQ(ReadAll(Path("plain.txt")), QByteArray("not a folder"));
    EXPECT_EQ(ReadAll(Path("folder.pro/inside.txt")), QByteArray("inside"));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{QStringLiteral("folder.pro"), QStringLiteral("plain.txt")}));
}

// A file size limit stops the write half-way even for root; the old file
// must come through whole and no temporary file may be left behind. A file of
// a project's size fits Qt's write buffer, so its cut shows only at the flush.
TEST_F(TextFileTest, ASaveThatFailsHalfWayKeepsTheOldFileWhole)
{
    const QByteArray old("send *E2P1F00000300000A00D20001000002020208\r\n");
    WriteAll(Path("project.pro"), old);
    for (const std::size_t lineCount : {120u, 2000u}) {
        const TLineList lines(lineCount, std::string(60, 'A'));
        struct rlimit saved {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 2048;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const TFileResult result = SaveTextLines(Path("project.pro"), lines);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        EXPECT_FALSE(result) << lineCount;
        EXPECT_FALSE(result.Error.isEmpty());
        EXPECT_EQ(ReadAll(Path("project.pro")), old);
        EXPECT_EQ(QDir(Dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                  QStringList{QStringLiteral("project.pro")});
    }
}

}  // namespace
}  // namespace orvantis::test
