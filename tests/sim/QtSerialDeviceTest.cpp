// The Qt SerialPort device on a real pseudo-terminal.

#include "PortMap.h"
#include "PtyLine.h"
#include "QtSerialDevice.h"
#include "SerialPort.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QThread>

using namespace orvantis;

namespace {

class QtDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        qputenv("ORVANTIS_PORT_DIR", FDir.path().toLocal8Bit());
        QString error;
        ASSERT_TRUE(Line.Open(FDir.filePath("COM2"), &error)) << error.toStdString();
    }
    void TearDown() override { qunsetenv("ORVANTIS_PORT_DIR"); }

    QTemporaryDir FDir;
    sim::TPtyLine Line;
    TQtSerialDevice Device;
};

}  // namespace

TEST_F(QtDevice, OpensTheComNameThroughThePortFolder)
{
    EXPECT_EQ(DevicePathOf("COM2"), FDir.filePath("COM2"));
    EXPECT_FALSE(Device.Open("COM1"));
    ASSERT_TRUE(Device.Open("COM2"));
    EXPECT_TRUE(Device.SetLine());
    Device.SetDtr(true);  // no modem lines on a pseudo-terminal: must not break the port
    Device.SetRts(true);
    EXPECT_TRUE(Device.Write("*?NAM\r\n", 7));
    QThread::msleep(20);
    EXPECT_EQ(Line.ReadAvailable(), QByteArray("*?NAM\r\n"));
}

TEST_F(QtDevice, BytesAlreadyBufferedAreReadWithoutWaiting)
{
    ASSERT_TRUE(Device.Open("COM2"));
    ASSERT_TRUE(Device.SetLine());
    ASSERT_TRUE(Line.Write(QByteArray("\x11\x13\x06", 3)));
    std::uint8_t byte = 0;
    // The first read fetches all three into Qt's buffer; the others must
    // take them from there rather than wait for more.
    for (std::uint8_t expected : {XON, XOFF, ACK}) {
        ASSERT_EQ(Device.ReadByte(byte, TSerialPort::ReadTimeoutMs), TReadResult::Byte);
        EXPECT_EQ(byte, expected);
    }
    EXPECT_EQ(Device.ReadByte(byte, TSerialPort::ReadTimeoutMs), TReadResult::Empty);
}

TEST_F(QtDevice, PurgeDropsWhatWaits)
{
    ASSERT_TRUE(Device.Open("COM2"));
    ASSERT_TRUE(Device.SetLine());
    ASSERT_TRUE(Line.Write("stale"));
    QThread::msleep(20);
    EXPECT_TRUE(Device.Purge());
    std::uint8_t byte = 0;
    EXPECT_EQ(Device.ReadByte(byte, 20), TReadResult::Empty);
}

TEST_F(QtDevice, AClosedOtherEndIsAFailedRead)
{
    ASSERT_TRUE(Device.Open("COM2"));
    ASSERT_TRUE(Device.SetLine());
    Line.Close();
    std::uint8_t byte = 0;
    EXPECT_EQ(Device.ReadByte(byte, TSerialPort::ReadTimeoutMs), TReadResult::Failed);
}
