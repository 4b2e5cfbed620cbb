// The program's version-information block, built by the compiler. This object
// is linked into every executable that uses the about box, so the reader finds
// the block in the executable's own file.

#include "ProgramVersionBlock.h"

#include <array>
#include <cstdint>

namespace orvantis {

namespace {

constexpr std::size_t BlockSize = BuildVersionBlock(ProgramVersionContent()).size();

constexpr std::array<std::uint8_t, BlockSize> BlockBytes()
{
    const std::vector<std::uint8_t> bytes = BuildVersionBlock(ProgramVersionContent());
    std::array<std::uint8_t, BlockSize> block{};
    for (std::size_t i = 0; i < BlockSize; ++i) block[i] = bytes[i];
    return block;
}

}  // namespace

extern const std::array<std::uint8_t, BlockSize> ProgramVersionBlock;
[[gnu::used]] alignas(4) constexpr std::array<std::uint8_t, BlockSize> ProgramVersionBlock = BlockBytes();

}  // namespace orvantis
