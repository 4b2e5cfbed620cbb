#pragma once
// What the program's own version-information block says, from the program's
// constants and the build's version numbers.

#include "ProgramInfo.h"
#include "VersionBlockWriter.h"

namespace orvantis {

constexpr TVersionBlockContent ProgramVersionContent()
{
    TVersionBlockContent content;
    content.FileVersion = {ORVANTIS_VERSION_MAJOR, ORVANTIS_VERSION_MINOR, ORVANTIS_VERSION_PATCH, 0};
    content.Strings = {
        {"FileDescription", "Remote control and configuration for Orvantis+"},
        {"FileVersion", ORVANTIS_PACKAGE_VERSION},
        {"ProductName", ProgramName},
        {"ProductVersion", ProgramVersion},
        {"LegalCopyright", ProgramNotice},
    };
    return content;
}

}  // namespace orvantis
