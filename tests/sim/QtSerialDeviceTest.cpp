// The Qt SerialPort device on a real pseudo-terminal.

#include "PortMap.h"
#include "PtyLine.h"
#include "QtSerialDevice.h"
#include "SerialPort.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>

#include <poll.h>

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

    // A pseudo-terminal hands bytes over asynchronously: wait for them, with a
    // limit that only a hang reaches.
    static constexpr int HangLimitMs = 20000;
    QByteArray ReadFromProgram(qsizetype size)
    {
        QByteArray bytes;
        const QDeadlineTimer deadline(HangLimitMs);
        while (bytes.size() < size) {
            pollfd p{Line.Fd(), POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(deadline.remainingTime())) <= 0) break;
            bytes += Line.ReadAvailable();
        }
        return bytes;
    }
    bool WaitUnread(int size)
    {
        const QDeadlineTimer deadline(HangLimitMs);
        while (Line.Unread() < size) {
            if (deadline.hasExpired()) return false;
            QThread::msleep(1);
        }
        return true;
    }

    QTemporaryDir FDir;
    sim::TPtyLine Line;
    TQtSerialDevice Device;
};

}  // namespace

TEST_F(QtDevice, OpensTheComNameThroughThePortFolder)
{
    EXPECT_EQ(DevicePathOf(TPortAddress::Com(2)), FDir.filePath("COM2"));
    EXPECT_FALSE(Device.Open(TPortAddress::Com(1)));
    ASSERT_TRUE(Device.Open(TPortAddress::Com(2)));
    EXPECT_TRUE(Device.SetLine());
    Device.SetDtr(true);  // no modem lines on a pseudo-terminal: must not break the port
    Device.SetRts(true);
    EXPECT_TRUE(Device.Write("*?NAM\r\n", 7));
    EXPECT_EQ(ReadFromProgram(7), QByteArray("*?NAM\r\n"));
}

TEST_F(QtDevice, BytesAlreadyBufferedAreReadWithoutWaiting)
{
    ASSERT_TRUE(Device.Open(TPortAddress::Com(2)));
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
    ASSERT_TRUE(Device.Open(TPortAddress::Com(2)));
    ASSERT_TRUE(Device.SetLine());
    ASSERT_TRUE(Line.Write("stale"));
    ASSERT_TRUE(WaitUnread(5));
    EXPECT_TRUE(Device.Purge());
    std::uint8_t byte = 0;
    EXPECT_EQ(Device.ReadByte(byte, 20), TReadResult::Empty);
}

TEST_F(QtDevice, AClosedOtherEndIsAFailedRead)
{
    ASSERT_TRUE(Device.Open(TPortAddress::Com(2)));
    ASSERT_TRUE(Device.SetLine());
    Line.Close();
    std::uint8_t byte = 0;
    EXPECT_EQ(Device.ReadByte(byte, TSerialPort::ReadTimeoutMs), TReadResult::Failed);
}
