#include "PartLoad.h"

#include "Project.h"

#include <cstdio>

namespace orvantis {

bool RefusePartLoad(TProject& project, const TCliCall& call, const char* done)
{
    if (!project.IsPartlyLoaded()) return false;
    if (call.Parser.isSet(QStringLiteral("force"))) {
        project.AcceptPartLoad();
        return false;
    }
    std::fprintf(stderr, "orvantis-cli: %s; nothing %s (--force takes the file all the same)\n",
                 qPrintable(project.PartLoadText()), done);
    return true;
}

}  // namespace orvantis
