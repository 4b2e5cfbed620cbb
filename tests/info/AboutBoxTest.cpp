// The about box's texts: the constants without version information, the
// values of a block where there is one, kept across showings.

#include "AboutBox.h"
#include "ProgramInfo.h"
#include "TempDir.h"
#include "VersionBlockWriter.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvantis {
namespace {

class TWidgetEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FApp = new QApplication(FArgc, FArgv); }
    void TearDown() override { delete FApp; }

private:
    int FArgc = 1;
    char FName[16] = "VersionInfoTest";
    char* FArgv[2] = {FName, nullptr};
    QApplication* FApp = nullptr;
};

[[maybe_unused]] const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TWidgetEnvironment);

class AboutBoxTest : public ::testing::Test {
protected:
    QString Text(const char* label) const
    {
        const auto* found = FBox.findChild<QLabel*>(QString::fromLatin1(label));
        return found ? found->text() : QStringLiteral("<no label>");
    }
    // The whole notice: the label shows it cut short when it is too wide.
    QString Notice() const
    {
        const auto* label = FBox.findChild<QLabel*>(QStringLiteral("Copyright"));
        if (!label) return QStringLiteral("<no label>");
        if (label->toolTip().isEmpty()) return label->text();
        EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
        return label->toolTip();
    }
    QString FileWith(const TVersionBlockContent& content, const QString& name)
    {
        const std::vector<std::uint8_t> block = BuildVersionBlock(content);
        const QString path = FDir.filePath(name);
        test::WriteAll(path, QByteArray(64, 'x') + QByteArray(reinterpret_cast<const char*>(block.data()),
                                                                static_cast<qsizetype>(block.size())));
        return path;
    }
    void ShowAndClose()
    {
        FBox.show();
        FBox.accept();
    }
    QTemporaryDir FDir;
    TAboutBox FBox;
};

TEST_F(AboutBoxTest, FormAndFixedTexts)
{
    EXPECT_EQ(FBox.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(FBox.size(), QSize(298, 218));
    EXPECT_EQ(Text("Comments"),
              QStringLiteral("Remote control and configuration for Orvantis+. ORVANTIS+ - Terrestrial Analyser DVB-T/T2."));
    auto* ok = FBox.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(111, 187, 75, 24));
    EXPECT_TRUE(ok->isDefault());
    FBox.show();
    ok->click();
    EXPECT_FALSE(FBox.isVisible());
    EXPECT_EQ(FBox.result(), QDialog::Accepted);
}

TEST_F(AboutBoxTest, WithoutVersionInformationShowsTheConstants)
{
    FBox.SetVersionFile(FDir.filePath(QStringLiteral("absent")));
    ShowAndClose();
    EXPECT_EQ(Text("ProductName"), QString::fromLatin1(ProgramName));
    EXPECT_EQ(Text("Version"), QStringLiteral("Version 5.00 - r003"));
    EXPECT_EQ(Notice(), QString::fromLatin1(ProgramNotice));
}

TEST_F(AboutBoxTest, ProductVersionAloneChangesOnlyTheVersionLineAndDropsItsPrefix)
{
    TVersionBlockContent content;
    content.Strings = {{"ProductVersion", "6.00 - r010"}};
    FBox.SetVersionFile(FileWith(content, QStringLiteral("versiononly")));
    ShowAndClose();
    EXPECT_EQ(Text("ProductName"), QString::fromLatin1(ProgramName));
    EXPECT_EQ(Text("Version"), QStringLiteral("6.00 - r010"));
    EXPECT_EQ(Notice(), QString::fromLatin1(ProgramNotice));

    // A later showing without information keeps what the labels show.
    FBox.SetVersionFile(FDir.filePath(QStringLiteral("absent")));
    ShowAndClose();
    EXPECT_EQ(Text("Version"), QStringLiteral("6.00 - r010"));
}

TEST_F(AboutBoxTest, ReadsTheInformationAgainAtEveryShowing)
{
    TVersionBlockContent content;
    content.Strings = {{"ProductName", "FIRST"}};
    const QString path = FileWith(content, QStringLiteral("changing"));
    FBox.SetVersionFile(path);
    ShowAndClose();
    EXPECT_EQ(Text("ProductName"), QStringLiteral("FIRST"));
    content.Strings = {{"ProductName", "SECOND"}, {"LegalCopyright", "Other notice"}};
    FileWith(content, QStringLiteral("changing"));
    ShowAndClose();
    EXPECT_EQ(Text("ProductName"), QStringLiteral("SECOND"));
    EXPECT_EQ(Notice(), QStringLiteral("Other notice"));
}

TEST_F(AboutBoxTest, TheProgramsOwnExecutableSuppliesItsValues)
{
    ShowAndClose();  // no file set: the running executable
    EXPECT_EQ(Text("ProductName"), QString::fromLatin1(ProgramName));
    EXPECT_EQ(Text("Version"), QString::fromLatin1(ProgramVersion));
    EXPECT_EQ(Notice(), QString::fromLatin1(ProgramNotice));

    if (const QByteArray dir = qgetenv("ORVANTIS_SCREENSHOT_DIR"); !dir.isEmpty()) {
        FBox.show();
        QApplication::processEvents();
        FBox.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/about.png"));
        FBox.accept();
    }
}

}  // namespace
}  // namespace orvantis
