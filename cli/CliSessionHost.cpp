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

// Progress only where a person watches; a pipe or log file gets the log lines alone.
void TCliLinkHost::ShowProgress(int done, int total)
{
    if (!::isatty(STDERR_FILENO)) return;
    if (total <= 0)
        std::fputs("\r\033[K", stderr);
    else
        std::fprintf(stderr, "\r\033[K%d of %d", done, total);
    std::fflush(stderr);
}

}  // namespace orvantis
