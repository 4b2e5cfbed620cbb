#include "OutputSchedule.h"

#include <algorithm>

namespace orvantis::sim {

void TOutputSchedule::Add(char byte, qint64 dueNs)
{
    if (FPace) {
        dueNs = std::max(dueNs, FLineFreeNs);
        FLineFreeNs = dueNs + ByteNs;
    }
    FBytes.push_back({dueNs, byte});
}

void TOutputSchedule::AddAnswer(const QByteArray& bytes, int commandBytes, qint64 nowNs)
{
    // The command reached the instrument only once the line had carried it.
    qint64 due = nowNs + (FPace ? commandBytes * ByteNs : 0);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        // A slow instrument pauses before XOFF, before ACK and before its reply.
        if (i < 3) due += FSlowNs;
        Add(bytes[i], due);
    }
}

void TOutputSchedule::AddIdle(const QByteArray& bytes, qint64 nowNs)
{
    for (char c : bytes) Add(c, nowNs);
}

QByteArray TOutputSchedule::TakeDue(qint64 nowNs)
{
    QByteArray due;
    while (!FBytes.empty() && FBytes.front().DueNs <= nowNs) {
        due.append(FBytes.front().Byte);
        FBytes.pop_front();
    }
    return due;
}

qint64 TOutputSchedule::NsUntilNext(qint64 nowNs) const
{
    if (FBytes.empty()) return -1;
    return std::max<qint64>(0, FBytes.front().DueNs - nowNs);
}

}  // namespace orvantis::sim
