#include "BTree.h"

#include "Bytes.h"

#include <stdexcept>

namespace hlp {

std::vector<std::uint8_t> BuildSinglePageBTree(
    const BTreeLayout& layout, const std::vector<std::vector<std::uint8_t>>& entries)
{
    constexpr std::size_t kLeafHeader = 8;
    std::size_t used = kLeafHeader;
    for (const auto& entry : entries)
        used += entry.size();
    if (used > layout.pageSize)
        throw std::length_error("B+ tree entries do not fit in one page");

    Bytes out;
    out.U16(0x293B);  // magic
    out.U16(layout.flags);
    out.U16(layout.pageSize);
    out.Field(layout.structure, 16);
    out.U16(0);  // must be zero
    out.U16(0);  // page splits
    out.U16(0);  // root page
    out.U16(0xFFFF);  // must be -1
    out.U16(1);  // total pages
    out.U16(1);  // levels: the root is a leaf
    out.U32(static_cast<std::uint32_t>(entries.size()));

    out.U16(static_cast<unsigned>(layout.pageSize - used));  // free bytes in the page
    out.U16(static_cast<unsigned>(entries.size()));
    out.U16(0xFFFF);  // previous page
    out.U16(0xFFFF);  // next page
    for (const auto& entry : entries)
        out.Raw(entry);
    out.Zeros(layout.pageSize - used);
    return out.Take();
}

}  // namespace hlp
