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
    for (const char* text : {"", "COM", "COM0", "COM41", "COM03", "COM3x", "COM 3", "/dev/ttyS0"})
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
    for (const char* text : {"", "COM2,", "COM7-COM5", "COM2-COM3-COM4", "COM2-", "COM1-COM41", "COM2,tcp://h",
                             "COM2-tcp://h:1"})
        EXPECT_FALSE(ParsePortList(text)) << text;
}

TEST(PortAddress, NetworkAddressesAreReadAndNamedAlike)
{
    const auto bench = TPortAddress::Parse(" TCP://bench-1.lab:3001 ");
    ASSERT_TRUE(bench);
    EXPECT_EQ(bench->Kind(), TPortAddress::TKind::Tcp);
    EXPECT_EQ(bench->Host(), "bench-1.lab");
    EXPECT_EQ(bench->Port(), 3001);
    EXPECT_EQ(bench->ComNumber(), 0);
    EXPECT_EQ(bench->Name(), "tcp://bench-1.lab:3001");
    for (const char* text : {"tcp://127.0.0.1:1", "rfc2217://bench1:65535", "rfc2217://[::1]:3002", "tcp://[fe80::1]:7"}) {
        const auto port = TPortAddress::Parse(text);
        ASSERT_TRUE(port) << text;
        EXPECT_EQ(port->Name(), text);
        EXPECT_EQ(TPortAddress::Parse(port->Name()), port);
    }
    EXPECT_EQ(TPortAddress::Parse("rfc2217://[::1]:3002")->Host(), "::1");
    EXPECT_NE(TPortAddress::Parse("tcp://h:1"), TPortAddress::Parse("rfc2217://h:1"));
    for (const char* text : {"tcp://bench1", "tcp://bench1:0", "tcp://bench1:65536", "tcp://:3001", "udp://bench1:3001",
                             "tcp://bench 1:3001", "tcp://::1:3001", "tcp://bench1:3001/x", "socket://bench1:3001"})
        EXPECT_FALSE(TPortAddress::Parse(text)) << text;

    const auto ports = ParsePortList("COM2,tcp://bench1:3001, rfc2217://bench1:3002,tcp://bench1:3001,COM1");
    ASSERT_TRUE(ports);
    QStringList names;
    for (const TPortAddress& port : *ports) names << port.Name();
    EXPECT_EQ(names, QStringList({"COM1", "COM2", "tcp://bench1:3001", "rfc2217://bench1:3002"}));
}
