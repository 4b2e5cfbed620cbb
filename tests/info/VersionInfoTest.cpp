// The version-information reader against blocks built here and against the
// test program's own executable, which carries the program's block.

#include "ProgramInfo.h"
#include "TempDir.h"
#include "VersionBlockWriter.h"
#include "VersionInfo.h"
#include "VersionResource.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvantis {
namespace {

QByteArray Bytes(const std::vector<std::uint8_t>& block)
{
    return QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
}

TVersionBlockContent FullContent()
{
    TVersionBlockContent content;
    content.FileVersion = {6, 1, 2, 0};
    content.Strings = {{"ProductName", "ANALYSER X"}, {"ProductVersion", "6.10 - r007"},
                       {"LegalCopyright", "Notice \xA9 2026"}};
    return content;
}

class VersionInfoTest : public ::testing::Test {
protected:
    // Writes the block between other bytes, as it sits in an executable.
    QString FileWith(const QByteArray& block, const QString& name = QStringLiteral("program"))
    {
        const QString path = FDir.filePath(name);
        test::WriteAll(path, QByteArray(1001, '\x7F') + block + QByteArray(333, '\0'));
        return path;
    }
    QTemporaryDir FDir;
};

TEST_F(VersionInfoTest, FindsAllThreeValuesOfABlockInsideOtherBytes)
{
    TVersionInfo info(FileWith(Bytes(BuildVersionBlock(FullContent()))));
    ASSERT_TRUE(info.HasBlock());
    const char* value = nullptr;
    ASSERT_TRUE(info.GetProductName(value));
    EXPECT_STREQ(value, "ANALYSER X");
    const char* name = value;
    ASSERT_TRUE(info.GetProductVersion(value));
    EXPECT_STREQ(value, "6.10 - r007");
    ASSERT_TRUE(info.GetLegalCopyright(value));
    EXPECT_STREQ(value, "Notice \xA9 2026");
    EXPECT_STREQ(name, "ANALYSER X") << "earlier texts stay valid while the reader lives";
}

TEST_F(VersionInfoTest, FileWithoutBlockOrMissingFileAnswersNothing)
{
    for (const QString& path : {FileWith(QByteArray("no version here")), FDir.filePath(QStringLiteral("absent"))}) {
        TVersionInfo info(path);
        const char* value = nullptr;
        EXPECT_FALSE(info.HasBlock());
        EXPECT_FALSE(info.GetProductName(value));
        EXPECT_FALSE(info.GetProductVersion(value));
        EXPECT_FALSE(info.GetLegalCopyright(value));
    }
}

TEST_F(VersionInfoTest, BlockWithoutTranslationCountsAsNoBlock)
{
    TVersionBlockContent content = FullContent();
    content.HasTranslation = false;
    TVersionInfo info(FileWith(Bytes(BuildVersionBlock(content))));
    const char* value = nullptr;
    EXPECT_FALSE(info.HasBlock());
    EXPECT_FALSE(info.GetProductName(value));
    EXPECT_FALSE(info.GetProductVersion(value));
}

TEST_F(VersionInfoTest, LooksUpTheStringTableOfTheFirstTranslation)
{
    TVersionBlockContent content = FullContent();
    content.Language = 0x0407;
    content.CodePage = 0x04B0;
    TVersionInfo info(FileWith(Bytes(BuildVersionBlock(content))));
    const char* value = nullptr;
    ASSERT_TRUE(info.GetProductName(value));
    EXPECT_STREQ(value, "ANALYSER X");

    // A table filed under another language than the translation names is not used.
    std::vector<std::uint8_t> block = BuildVersionBlock(content);
    const std::ptrdiff_t table = QByteArray(Bytes(block)).indexOf(QByteArray("0\0004\0000\0007\000", 8));
    ASSERT_GT(table, 0);
    block[static_cast<std::size_t>(table) + 6] = '9';  // "040904b0"
    TVersionInfo other(FileWith(Bytes(block), QStringLiteral("other")));
    EXPECT_TRUE(other.HasBlock());
    EXPECT_FALSE(other.GetProductName(value));
}

TEST_F(VersionInfoTest, SkipsABrokenHeaderBeforeTheRealBlock)
{
    const QByteArray block = Bytes(BuildVersionBlock(FullContent()));
    QByteArray broken = block.left(120);
    broken[0] = '\xFF';  // length beyond the file
    broken[1] = '\x7F';
    const QString path = FDir.filePath(QStringLiteral("decoy"));
    test::WriteAll(path, broken + QByteArray(7, 'x') + block);
    TVersionInfo info(path);
    const char* value = nullptr;
    ASSERT_TRUE(info.GetProductVersion(value));
    EXPECT_STREQ(value, "6.10 - r007");
}

TEST(VersionQueryTest, NamesAreMatchedWithoutRegardToCaseAndTheRootIsTheFixedPart)
{
    const std::vector<std::uint8_t> block = BuildVersionBlock(FullContent());
    const std::uint8_t* value = nullptr;
    std::uint32_t length = 0;
    bool isText = false;
    ASSERT_TRUE(VerQueryValue(block, "\\stringfileinfo\\040904E4\\productversion", value, length, isText));
    EXPECT_TRUE(isText);
    EXPECT_EQ(length, 12u);  // "6.10 - r007" and its NUL
    ASSERT_TRUE(VerQueryValue(block, "\\", value, length, isText));
    EXPECT_EQ(length, FixedFileInfoSize);
    EXPECT_EQ(value[0] | (value[1] << 8) | (value[2] << 16) | (std::uint32_t{value[3]} << 24), FixedFileInfoSignature);
    EXPECT_EQ(value[10] | (value[11] << 8), 6);  // major version in the high half of the MS word
    EXPECT_FALSE(VerQueryValue(block, "\\StringFileInfo\\040904e4\\Comments", value, length, isText));
}

TEST(VersionQueryTest, TruncatedBlocksAreRefusedNotOverrun)
{
    const std::vector<std::uint8_t> block = BuildVersionBlock(FullContent());
    for (std::size_t size = 0; size < block.size(); size += 7) {
        const std::vector<std::uint8_t> cut(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_EQ(FindVersionBlock(cut), -1) << size;
        const std::uint8_t* value = nullptr;
        std::uint32_t length = 0;
        bool isText = false;
        EXPECT_FALSE(VerQueryValue(cut, "\\StringFileInfo\\040904e4\\LegalCopyright", value, length, isText)) << size;
    }
}

TEST(VersionQueryTest, CorruptedBlocksNeverPointOutsideThemselves)
{
    const std::vector<std::uint8_t> good = BuildVersionBlock(FullContent());
    for (std::size_t at = 0; at < good.size(); ++at) {
        std::vector<std::uint8_t> block = good;
        block[at] ^= 0xFF;
        if (FindVersionBlock(block) != 0) continue;
        for (const char* path : {"\\VarFileInfo\\Translation", "\\StringFileInfo\\040904e4\\LegalCopyright"}) {
            const std::uint8_t* value = nullptr;
            std::uint32_t length = 0;
            bool isText = false;
            if (!VerQueryValue(block, path, value, length, isText)) continue;
            const std::size_t bytes = isText ? std::size_t{length} * 2 : length;
            EXPECT_GE(value, block.data()) << at;
            EXPECT_LE(value + bytes, block.data() + block.size()) << "byte " << at << " " << path;
        }
    }
}

TEST(VersionInfoOwnFileTest, TheTestProgramCarriesTheProgramsBlock)
{
    TVersionInfo info(QStringLiteral("/proc/self/exe"));
    const char* value = nullptr;
    ASSERT_TRUE(info.GetProductName(value));
    EXPECT_STREQ(value, ProgramName);
    ASSERT_TRUE(info.GetProductVersion(value));
    EXPECT_STREQ(value, ProgramVersion);
    ASSERT_TRUE(info.GetLegalCopyright(value));
    EXPECT_STREQ(value, ProgramNotice);
}

}  // namespace
}  // namespace orvantis
