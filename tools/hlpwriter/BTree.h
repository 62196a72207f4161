#pragma once
// The format keeps its directory and its context table as B+ trees. Ours are
// small enough for a single leaf page, which is also the root.

#include <cstdint>
#include <string_view>
#include <vector>

namespace hlp {

struct BTreeLayout {
    std::uint16_t flags;  // 0x0402 for the directory, 0x0002 otherwise
    std::uint16_t pageSize;  // 1024 for the directory, 2048 for |CONTEXT
    std::string_view structure;  // the key/value description, such as "z4"
};

// Header and one leaf page holding `entries` (already sorted, already encoded).
// Throws std::length_error when they do not fit in the page.
std::vector<std::uint8_t> BuildSinglePageBTree(
    const BTreeLayout& layout, const std::vector<std::vector<std::uint8_t>>& entries);

}  // namespace hlp
