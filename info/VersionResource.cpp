#include "VersionResource.h"

#include "VersionBlockWriter.h"

#include <QFile>

#include <algorithm>
#include <optional>

namespace orvantis {

namespace {

// Executables with debug information run to tens of megabytes; nothing
// larger is searched.
constexpr qint64 MaxSearchedFileSize = 256 * 1024 * 1024;
constexpr std::size_t HeaderSize = 6;  // wLength, wValueLength, wType

std::uint16_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t DwordAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return WordAt(bytes, at) | (std::uint32_t{WordAt(bytes, at + 2)} << 16);
}

std::size_t Aligned(std::size_t offset)
{
    return (offset + 3) & ~std::size_t{3};
}

std::vector<std::uint8_t> WideKey(std::string_view key)
{
    std::vector<std::uint8_t> wide;
    for (const char c : key) {
        wide.push_back(static_cast<std::uint8_t>(c));
        wide.push_back(0);
    }
    wide.push_back(0);
    wide.push_back(0);
    return wide;
}

struct TNode {
    std::size_t Start = 0;
    std::size_t End = 0;  // one past the node
    std::uint16_t ValueLength = 0;
    bool IsText = false;
    std::size_t KeyStart = 0;
    std::size_t KeyChars = 0;
    std::size_t Value = 0;     // offset of the value
    std::size_t Children = 0;  // offset of the first child
};

// Reads the node at start inside [start, limit); nothing when it is malformed.
std::optional<TNode> ReadNode(std::span<const std::uint8_t> block, std::size_t start, std::size_t limit)
{
    if (start + HeaderSize > limit) return std::nullopt;
    TNode node;
    node.Start = start;
    const std::uint16_t length = WordAt(block, start);
    if (length < HeaderSize + 2 || start + length > limit) return std::nullopt;
    node.End = start + length;
    node.ValueLength = WordAt(block, start + 2);
    node.IsText = WordAt(block, start + 4) == 1;
    node.KeyStart = start + HeaderSize;
    std::size_t at = node.KeyStart;
    while (true) {
        if (at + 2 > node.End) return std::nullopt;
        if (WordAt(block, at) == 0) break;
        at += 2;
    }
    node.KeyChars = (at - node.KeyStart) / 2;
    node.Value = Aligned(at + 2);
    const std::size_t valueBytes = node.IsText ? std::size_t{node.ValueLength} * 2 : node.ValueLength;
    // A node without value or children may end before the padding.
    if (valueBytes == 0) node.Value = std::min(node.Value, node.End);
    if (node.Value + valueBytes > node.End) return std::nullopt;
    node.Children = Aligned(node.Value + valueBytes);
    return node;
}

bool KeyEquals(std::span<const std::uint8_t> block, const TNode& node, std::string_view name)
{
    if (node.KeyChars != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const std::uint16_t c = WordAt(block, node.KeyStart + 2 * i);
        const auto lower = [](std::uint16_t ch) -> std::uint16_t { return ch >= 'A' && ch <= 'Z' ? ch + 32 : ch; };
        if (lower(c) != lower(static_cast<std::uint8_t>(name[i]))) return false;
    }
    return true;
}

std::optional<TNode> FindChild(std::span<const std::uint8_t> block, const TNode& parent, std::string_view name)
{
    std::size_t at = parent.Children;
    while (at + HeaderSize <= parent.End) {
        const std::optional<TNode> child = ReadNode(block, at, parent.End);
        if (!child) return std::nullopt;
        if (KeyEquals(block, *child, name)) return child;
        at = Aligned(child->End);
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSearchedFileSize) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace

std::ptrdiff_t FindVersionBlock(std::span<const std::uint8_t> bytes)
{
    const std::vector<std::uint8_t> key = WideKey(VersionInfoKey);
    auto from = bytes.begin();
    while (true) {
        const auto hit = std::search(from, bytes.end(), key.begin(), key.end());
        if (hit == bytes.end()) return -1;
        from = hit + 1;
        const std::size_t keyAt = static_cast<std::size_t>(hit - bytes.begin());
        if (keyAt < HeaderSize) continue;
        const std::size_t start = keyAt - HeaderSize;
        // Offsets inside the block are aligned from its own start.
        const std::span<const std::uint8_t> block = bytes.subspan(start);
        const std::optional<TNode> root = ReadNode(block, 0, block.size());
        if (!root || root->IsText || root->ValueLength != FixedFileInfoSize) continue;
        if (DwordAt(block, root->Value) != FixedFileInfoSignature) continue;
        return static_cast<std::ptrdiff_t>(start);
    }
}

std::uint32_t GetFileVersionInfoSize(const QString& fileName)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(fileName);
    if (!bytes) return 0;
    const std::ptrdiff_t start = FindVersionBlock(*bytes);
    if (start < 0) return 0;
    return WordAt(*bytes, static_cast<std::size_t>(start));
}

bool GetFileVersionInfo(const QString& fileName, std::uint32_t size, std::uint8_t* data)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(fileName);
    if (!bytes) return false;
    const std::ptrdiff_t start = FindVersionBlock(*bytes);
    if (start < 0 || WordAt(*bytes, static_cast<std::size_t>(start)) != size) return false;
    std::copy_n(bytes->begin() + start, size, data);
    return true;
}

bool VerQueryValue(std::span<const std::uint8_t> block, std::string_view path,
                   const std::uint8_t*& value, std::uint32_t& length, bool& isText)
{
    std::optional<TNode> node = ReadNode(block, 0, block.size());
    if (!node) return false;
    while (!path.empty()) {
        while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
        if (path.empty()) break;
        const std::size_t end = std::min(path.find('\\'), path.size());
        node = FindChild(block, *node, path.substr(0, end));
        if (!node) return false;
        path.remove_prefix(end);
    }
    value = block.data() + node->Value;
    length = node->ValueLength;
    isText = node->IsText;
    return true;
}

}  // namespace orvantis
