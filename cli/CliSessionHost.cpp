#include "CliSessionHost.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace orvantis {

void TCliSessionHost::Waiting()
{
    QCoreApplication::processEvents();
}

void TCliSessionHost::Beep()
{
    if (::isatty(STDERR_FILENO)) std::fputc('\a', stderr);
}

// Progress only where a person watches; a pipe or log file gets the log lines alone.
void TCliSessionHost::Progress(int done, int total)
{
    if (!::isatty(STDERR_FILENO)) return;
    if (total <= 0)
        std::fputs("\r\033[K", stderr);
    else
        std::fprintf(stderr, "\r\033[K%d of %d", done, total);
    std::fflush(stderr);
}

}  // namespace orvantis
