#pragma once
// The far end of a serial line for tests: a pseudo-terminal whose device is
// linked as COMn in a private port folder (ORVANTIS_PORT_DIR), so that the
// terminal opens it by its COM name.

#include <QByteArray>
#include <QString>

namespace orvantis::test {

class TPortFolder {
public:
    TPortFolder();
    ~TPortFolder();
    QString Path() const { return FPath; }

private:
    QString FPath;
    QByteArray FOldValue;
    bool FHadOld = false;
};

class TPtyPeer {
public:
    // Links the pseudo-terminal as folder/COM<number>.
    TPtyPeer(const TPortFolder& folder, int number);
    ~TPtyPeer();
    TPtyPeer(const TPtyPeer&) = delete;
    TPtyPeer& operator=(const TPtyPeer&) = delete;

    bool IsOpen() const { return FMaster >= 0; }
    void Write(const QByteArray& bytes);
    // Everything the terminal has sent so far.
    const QByteArray& Received();
    // Hangs up: the terminal's side sees the line go away.
    void Close();

private:
    int FMaster = -1;
    QByteArray FReceived;
};

}  // namespace orvantis::test
