#include "FiveSet.h"

#include <bit>
#include <cstddef>

void FiveSet::Reset(uint32_t size)
{
    const size_t words = (size_t(size) + 63) / 64;
    bits.assign(words, 0);
    summary.assign((words + 63) / 64, 0);
}

void FiveSet::Assign(uint32_t i, bool member)
{
    const uint32_t w = i / 64;
    const uint64_t bit = uint64_t(1) << (i % 64);
    if (((bits[w] & bit) != 0) == member)
        return;
    bits[w] ^= bit;
    const uint64_t summaryBit = uint64_t(1) << (w % 64);
    summary[w / 64] = bits[w] ? summary[w / 64] | summaryBit : summary[w / 64] & ~summaryBit;
}

uint32_t FiveSet::NextFrom(uint32_t i) const
{
    uint32_t w = i / 64;
    if (w >= bits.size())
        return none;
    if (const uint64_t rest = bits[w] & (~uint64_t(0) << (i % 64)))
        return w * 64 + uint32_t(std::countr_zero(rest));
    // The first word after w that holds a member, found through the summary.
    ++w;
    for (uint32_t s = w / 64; s < summary.size(); ++s) {
        uint64_t words = summary[s];
        if (s == w / 64)
            words &= ~uint64_t(0) << (w % 64);
        if (words) {
            const uint32_t found = s * 64 + uint32_t(std::countr_zero(words));
            return found * 64 + uint32_t(std::countr_zero(bits[found]));
        }
    }
    return none;
}
