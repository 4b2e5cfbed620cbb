#pragma once
// A pseudo-terminal that stands for the instrument's serial line: the
// program opens the terminal side (through a symlink such as DIR/COM3), the
// simulator reads and writes the other side.

#include <QByteArray>
#include <QString>

namespace orvantis::sim {

class TPtyLine {
public:
    TPtyLine() = default;
    ~TPtyLine();
    TPtyLine(const TPtyLine&) = delete;
    TPtyLine& operator=(const TPtyLine&) = delete;

    // Opens the pseudo-terminal and links linkPath to its terminal side. A
    // stale symlink left at linkPath is replaced; any other file is not.
    bool Open(const QString& linkPath, QString* error);
    QString TerminalPath() const { return FTerminalPath; }
    int Fd() const { return FMaster; }

    // Bytes the program has written, without waiting; empty when none.
    QByteArray ReadAvailable();
    bool Write(const QByteArray& bytes);
    // Bytes sent to the program that it has not read yet.
    int Unread() const;
    // The line settings that whoever opened the terminal side set, as
    // "115200 8N1, no flow control": a port server that passes settings on
    // (RFC 2217) sets them here.
    QString LineSettings() const;
    // Removes the symlink and closes both sides.
    void Close();

private:
    int FMaster = -1;
    int FTerminal = -1;  // held open so the line outlives the program's opens and closes
    QString FTerminalPath;
    QString FLinkPath;
};

}  // namespace orvantis::sim
