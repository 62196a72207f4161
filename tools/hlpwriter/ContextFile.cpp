#include "BTree.h"
#include "Bytes.h"
#include "InternalFiles.h"

#include <algorithm>

namespace hlp {

std::vector<std::uint8_t> BuildContextFile(std::vector<std::pair<std::int32_t, std::uint32_t>> entries)
{
    // The viewer searches the leaf comparing hashes as signed numbers.
    std::sort(entries.begin(), entries.end());
    std::vector<std::vector<std::uint8_t>> encoded;
    for (const auto& [hash, offset] : entries) {
        Bytes entry;
        entry.I32(hash);
        entry.U32(offset);
        encoded.push_back(entry.Take());
    }
    return BuildSinglePageBTree({0x0002, 2048, "L4"}, encoded);
}

}  // namespace hlp
