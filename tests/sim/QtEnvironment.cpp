// Qt SerialPort's notifiers need a QCoreApplication in the thread.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>

namespace {

class TQtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "sim_tests";
        static char* argv[] = {name, nullptr};
        FApp = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { FApp.reset(); }

private:
    std::unique_ptr<QCoreApplication> FApp;
};

const auto* const Registered = ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

}  // namespace
