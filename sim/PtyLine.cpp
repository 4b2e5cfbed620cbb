#include "PtyLine.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace orvantis::sim {

TPtyLine::~TPtyLine()
{
    Close();
}

bool TPtyLine::Open(const QString& linkPath, QString* error)
{
    auto fail = [&](const QString& what) {
        if (error) *error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        Close();
        return false;
    };
    FMaster = posix_openpt(O_RDWR | O_NOCTTY);
    if (FMaster < 0) return fail(QStringLiteral("cannot open a pseudo-terminal"));
    if (grantpt(FMaster) != 0 || unlockpt(FMaster) != 0) return fail(QStringLiteral("cannot unlock the pseudo-terminal"));
    const char* name = ptsname(FMaster);
    if (!name) return fail(QStringLiteral("pseudo-terminal without a name"));
    FTerminalPath = QString::fromLocal8Bit(name);
    FTerminal = ::open(name, O_RDWR | O_NOCTTY);
    if (FTerminal < 0) return fail(QStringLiteral("cannot open ") + FTerminalPath);

    // Raw both ways: no echo, no line editing, no software flow control.
    termios tio{};
    tcgetattr(FTerminal, &tio);
    cfmakeraw(&tio);
    tcsetattr(FTerminal, TCSANOW, &tio);
    fcntl(FMaster, F_SETFL, fcntl(FMaster, F_GETFL) | O_NONBLOCK);

    const QFileInfo link(linkPath);
    if (link.isSymLink()) {
        QFile::remove(linkPath);
    } else if (link.exists()) {
        errno = EEXIST;
        return fail(linkPath);
    }
    if (::symlink(name, QFile::encodeName(linkPath).constData()) != 0) return fail(QStringLiteral("cannot create ") + linkPath);
    FLinkPath = linkPath;
    return true;
}

QByteArray TPtyLine::ReadAvailable()
{
    QByteArray bytes;
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(FMaster, buffer, sizeof buffer);
        if (n <= 0) break;
        bytes.append(buffer, n);
    }
    return bytes;
}

bool TPtyLine::Write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(FMaster, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{FMaster, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0) return false;  // nobody reads: drop the rest
        } else {
            return false;
        }
    }
    return true;
}

int TPtyLine::Unread() const
{
    int n = 0;
    if (FTerminal < 0 || ::ioctl(FTerminal, FIONREAD, &n) != 0) return 0;
    return n;
}

QString TPtyLine::LineSettings() const
{
    termios tio{};
    if (FTerminal < 0 || tcgetattr(FTerminal, &tio) != 0) return {};
    static const struct {
        speed_t Code;
        int Baud;
    } speeds[] = {{B1200, 1200}, {B2400, 2400}, {B4800, 4800}, {B9600, 9600}, {B19200, 19200}, {B38400, 38400},
                  {B57600, 57600}, {B115200, 115200}, {B230400, 230400}};
    int baud = 0;
    for (const auto& s : speeds)
        if (cfgetospeed(&tio) == s.Code) baud = s.Baud;
    const tcflag_t size = tio.c_cflag & CSIZE;
    const int bits = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
    const char parity = !(tio.c_cflag & PARENB) ? 'N' : (tio.c_cflag & PARODD) ? 'O' : 'E';
    const int stops = (tio.c_cflag & CSTOPB) ? 2 : 1;
    QString flow = QStringLiteral("no flow control");
    if (tio.c_cflag & CRTSCTS)
        flow = QStringLiteral("RTS/CTS flow control");
    else if (tio.c_iflag & (IXON | IXOFF))
        flow = QStringLiteral("XON/XOFF flow control");
    return QStringLiteral("%1 %2%3%4, %5").arg(baud).arg(bits).arg(QLatin1Char(parity)).arg(stops).arg(flow);
}

void TPtyLine::Close()
{
    if (!FLinkPath.isEmpty()) {
        // Only our own link: another simulator may have taken the name since.
        if (QFileInfo(FLinkPath).symLinkTarget() == FTerminalPath) QFile::remove(FLinkPath);
        FLinkPath.clear();
    }
    if (FTerminal >= 0) ::close(FTerminal);
    if (FMaster >= 0) ::close(FMaster);
    FTerminal = FMaster = -1;
}

}  // namespace orvantis::sim
