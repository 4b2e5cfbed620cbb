#include "PtyPeer.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace orvantis::test {

namespace {
constexpr const char* PortDirVariable = "ORVANTIS_PORT_DIR";
}

TPortFolder::TPortFolder()
{
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    FPath = dir.path();
    FHadOld = qEnvironmentVariableIsSet(PortDirVariable);
    FOldValue = qgetenv(PortDirVariable);
    qputenv(PortDirVariable, FPath.toLocal8Bit());
}

TPortFolder::~TPortFolder()
{
    if (FHadOld)
        qputenv(PortDirVariable, FOldValue);
    else
        qunsetenv(PortDirVariable);
    QDir(FPath).removeRecursively();
}

TPtyPeer::TPtyPeer(const TPortFolder& folder, int number)
{
    FMaster = posix_openpt(O_RDWR | O_NOCTTY);
    if (FMaster < 0 || grantpt(FMaster) != 0 || unlockpt(FMaster) != 0) {
        ADD_FAILURE() << "no pseudo-terminal";
        return;
    }
    fcntl(FMaster, F_SETFL, fcntl(FMaster, F_GETFL) | O_NONBLOCK);
    termios raw{};
    tcgetattr(FMaster, &raw);
    cfmakeraw(&raw);
    tcsetattr(FMaster, TCSANOW, &raw);
    const QString link = QDir(folder.Path()).filePath(QStringLiteral("COM%1").arg(number));
    if (::symlink(ptsname(FMaster), link.toLocal8Bit().constData()) != 0) ADD_FAILURE() << "cannot link " << link.toStdString();
}

TPtyPeer::~TPtyPeer()
{
    Close();
}

void TPtyPeer::Write(const QByteArray& bytes)
{
    ASSERT_EQ(::write(FMaster, bytes.constData(), std::size_t(bytes.size())), bytes.size());
}

const QByteArray& TPtyPeer::Received()
{
    char buffer[256];
    ssize_t n = 0;
    while (FMaster >= 0 && (n = ::read(FMaster, buffer, sizeof buffer)) > 0) FReceived.append(buffer, n);
    return FReceived;
}

void TPtyPeer::Close()
{
    if (FMaster >= 0) ::close(FMaster);
    FMaster = -1;
}

}  // namespace orvantis::test
