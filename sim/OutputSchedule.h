#pragma once
// When the simulated instrument's bytes go out: at once, or as a 115200-baud
// line would carry them (the command line it answers takes its time too),
// and optionally with a delay before each handshake step, just inside the
// program's time-outs.

#include <QByteArray>

#include <deque>

namespace orvantis::sim {

class TOutputSchedule {
public:
    // 10 bits per byte at 115200 baud.
    static constexpr qint64 ByteNs = 1'000'000'000LL * 10 / 115200;

    TOutputSchedule(bool pace, int slowMs) : FPace(pace), FSlowNs(slowMs * 1'000'000LL) {}

    // The answer to a command line of commandBytes bytes (CR LF included):
    // XOFF, ACK or NAK, then any reply line.
    void AddAnswer(const QByteArray& bytes, int commandBytes, qint64 nowNs);
    // Bytes sent while waiting (XON, noise).
    void AddIdle(const QByteArray& bytes, qint64 nowNs);
    // The bytes whose time has come.
    QByteArray TakeDue(qint64 nowNs);
    bool IsEmpty() const { return FBytes.empty(); }
    // Nanoseconds until the next byte is due (0 when one is), -1 when none waits.
    qint64 NsUntilNext(qint64 nowNs) const;

private:
    void Add(char byte, qint64 dueNs);

    struct TTimedByte {
        qint64 DueNs;
        char Byte;
    };
    bool FPace;
    qint64 FSlowNs;
    qint64 FLineFreeNs = 0;  // when the line has finished the bytes scheduled so far
    std::deque<TTimedByte> FBytes;
};

}  // namespace orvantis::sim
