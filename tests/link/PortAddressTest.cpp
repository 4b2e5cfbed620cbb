#include "PortAddress.h"

#include <gtest/gtest.h>

using namespace orvantis;

TEST(PortAddress, ComNamesAreReadAndNamedAlike)
{
    for (int number = 1; number <= ComPortCount; ++number) {
        const TPortAddress port = TPortAddress::Com(number);
        EXPECT_EQ(port.Kind(), TPortAddress::TKind::Com);
        EXPECT_EQ(port.ComNumber(), number);
        EXPECT_EQ(TPortAddress::Parse(port.Name()), port) << port.Name().toStdString();
    }
    EXPECT_EQ(TPortAddress::Com(3).Name(), "COM3");
    EXPECT_EQ(TPortAddress::Parse("com40"), TPortAddress::Com(40));
    EXPECT_EQ(TPortAddress::Parse(" COM7 "), TPortAddress::Com(7));
    for (const char* text : {"", "COM", "COM0", "COM41", "COM03", "COM3x", "COM 3", "/dev/ttyS0", "tcp://bench1:3001",
                             "rfc2217://bench1:3001"})
        EXPECT_FALSE(TPortAddress::Parse(text)) << text;
}

TEST(PortAddress, ListsNameComPortsInAscendingOrderOnce)
{
    const auto ports = ParsePortList(" COM9, com2,COM5-COM7,COM2 ");
    ASSERT_TRUE(ports);
    QStringList names;
    for (const TPortAddress& port : *ports) names << port.Name();
    EXPECT_EQ(names, QStringList({"COM2", "COM5", "COM6", "COM7", "COM9"}));
    EXPECT_EQ(ComPorts().size(), ComPortCount);
    EXPECT_EQ(ComPorts().last(), TPortAddress::Com(ComPortCount));
    for (const char* text : {"", "COM2,", "COM7-COM5", "COM2-COM3-COM4", "COM2-", "COM1-COM41", "COM2,tcp://h:1"})
        EXPECT_FALSE(ParsePortList(text)) << text;
}
