// libFuzzer target: arbitrary bytes as the executable whose version block the
// about box reads. The reader works on the file as the about box has it (an
// in-memory file, so nothing touches the disk); the search and the look-ups
// are then also tried directly, on the block found and on the bytes
// themselves taken as a block, and every value must lie inside its block.

#include "VersionInfo.h"
#include "VersionResource.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <sys/mman.h>
#include <unistd.h>

using namespace orvantis;

namespace {

[[noreturn]] void Fail(const char* what, const char* path = "")
{
    std::fprintf(stderr, "%s %s\n", what, path);
    std::abort();
}

// The look-ups the about box makes, for the usual and for an odd translation,
// and the fixed part.
constexpr const char* Paths[] = {
    "\\",
    "\\VarFileInfo\\Translation",
    "\\StringFileInfo",
    "\\StringFileInfo\\040904e4\\ProductName",
    "\\StringFileInfo\\040904e4\\ProductVersion",
    "\\StringFileInfo\\040904e4\\LegalCopyright",
    "\\\\stringfileinfo\\\\00000000\\\\productname\\",
};

void LookUpInside(std::span<const std::uint8_t> block)
{
    for (const char* path : Paths) {
        const std::uint8_t* value = nullptr;
        std::uint32_t length = 0;
        bool isText = false;
        if (!VerQueryValue(block, path, value, length, isText)) continue;
        const std::size_t bytes = isText ? std::size_t{length} * 2 : length;
        if (value < block.data() || value + bytes > block.data() + block.size()) Fail("value outside the block:", path);
    }
}

// A text value comes from inside the block: at most half its bytes.
void ReadText(TVersionInfo& info, bool (TVersionInfo::*get)(const char*&), std::size_t blockSize)
{
    const char* value = nullptr;
    if (!(info.*get)(value)) return;
    if (!info.HasBlock()) Fail("a value without a block");
    if (std::strlen(value) > blockSize / 2) Fail("a value longer than its block");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const int file = memfd_create("version-fuzz", 0);
    static const QString fileName = QStringLiteral("/proc/self/fd/%1").arg(file);
    if (file < 0 || ftruncate(file, 0) != 0 || pwrite(file, data, size, 0) != static_cast<ssize_t>(size))
        Fail("cannot write the in-memory file");

    const std::span<const std::uint8_t> bytes(data, size);
    const std::ptrdiff_t start = FindVersionBlock(bytes);
    std::size_t length = 0;
    if (start >= 0) {
        length = bytes[std::size_t(start)] | (bytes[std::size_t(start) + 1] << 8);
        if (std::size_t(start) + length > size) Fail("the block found runs past the file");
        LookUpInside(bytes.subspan(std::size_t(start), length));
    }
    LookUpInside(bytes);

    TVersionInfo info(fileName);
    if (info.HasBlock() && start < 0) Fail("a block the search does not find");
    ReadText(info, &TVersionInfo::GetProductName, length);
    ReadText(info, &TVersionInfo::GetProductVersion, length);
    ReadText(info, &TVersionInfo::GetLegalCopyright, length);
    return 0;
}
