// One QApplication for the editor's widget tests.

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class TWidgetEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FApp = new QApplication(FArgc, FArgv); }
    void TearDown() override { delete FApp; }

private:
    int FArgc = 1;
    char FName[16] = "ScratchPadTest";
    char* FArgv[2] = {FName, nullptr};
    QApplication* FApp = nullptr;
};

[[maybe_unused]] const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TWidgetEnvironment);

}  // namespace
