// A set of fives, held as their places in the five array, that names its
// first member in enumeration order without a scan: one bit per five, and
// one summary bit per word of 64 that tells whether the word holds any.
#pragma once

#include <cstdint>
#include <vector>

class FiveSet {
public:
    static constexpr uint32_t none = UINT32_MAX;

    // Makes the set empty, for places 0 .. size - 1. May raise std::bad_alloc.
    void Reset(uint32_t size);
    // Puts place i in the set or takes it out.
    void Assign(uint32_t i, bool member);
    bool Contains(uint32_t i) const { return bits[i / 64] >> (i % 64) & 1; }
    // The smallest member not below i, or none.
    uint32_t NextFrom(uint32_t i) const;
    uint32_t First() const { return NextFrom(0); }

    bool operator==(const FiveSet&) const = default;

private:
    std::vector<uint64_t> bits;
    std::vector<uint64_t> summary;  // bit w % 64 of word w / 64: bits[w] != 0
};
