// Every test process gets per-user folders of its own, made before main():
// the tests run in parallel, and two windows sharing one data folder would
// find each other's recovery copies and backups, and one settings file would
// carry a setting from one test into the next. Nothing reaches the user's own
// folders either, whoever starts the test program.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

class TPrivateUserFolders {
public:
    TPrivateUserFolders()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvantis-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        FRoot = pattern;
        setenv("XDG_DATA_HOME", (FRoot / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (FRoot / "config").c_str(), 1);
        setenv("XDG_CACHE_HOME", (FRoot / "cache").c_str(), 1);
    }
    ~TPrivateUserFolders()
    {
        std::error_code ignored;
        std::filesystem::remove_all(FRoot, ignored);
    }

private:
    std::filesystem::path FRoot;
};

const TPrivateUserFolders Folders;

}  // namespace
