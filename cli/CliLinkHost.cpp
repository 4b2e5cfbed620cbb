#include "CliLinkHost.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace orvantis {

void TCliLinkHost::ProcessPendingInput()
{
    QCoreApplication::processEvents();
}

void TCliLinkHost::Beep()
{
    if (::isatty(STDERR_FILENO)) std::fputc('\a', stderr);
}

}  // namespace orvantis
