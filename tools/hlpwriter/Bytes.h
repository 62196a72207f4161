#pragma once
// Little-endian byte building for the help file's structures, including the
// format's "compressed" integers (one or two bytes, or two or four, chosen by
// the lowest bit of the first byte).

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace hlp {

class Bytes {
public:
    void U8(unsigned v) { data_.push_back(static_cast<std::uint8_t>(v)); }
    void U16(unsigned v)
    {
        U8(v & 0xFF);
        U8((v >> 8) & 0xFF);
    }
    void U32(std::uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Raw(std::string_view s) { data_.insert(data_.end(), s.begin(), s.end()); }
    void Raw(const std::vector<std::uint8_t>& v) { data_.insert(data_.end(), v.begin(), v.end()); }
    void String(std::string_view s)  // NUL-terminated
    {
        Raw(s);
        U8(0);
    }
    // A fixed-size field, NUL-padded; the text must leave room for the NUL.
    void Field(std::string_view s, std::size_t size)
    {
        if (s.size() >= size)
            throw std::length_error("text too long for its field");
        Raw(s);
        data_.insert(data_.end(), size - s.size(), 0);
    }
    void Zeros(std::size_t n) { data_.insert(data_.end(), n, 0); }

    // Compressed unsigned 16-bit: one byte for values below 128.
    void CompressedU16(unsigned v)
    {
        if (v < 0x80)
            U8(v * 2);
        else if (v < 0x8000)
            U16(v * 2 + 1);
        else
            throw std::length_error("value too large for a compressed unsigned short");
    }
    // Compressed signed 32-bit, here only for values that are not negative.
    void CompressedI32(std::uint32_t v)
    {
        if (v < 0x4000)
            U16(0x8000 + v * 2);
        else if (v < 0x40000000)
            U32(0x80000000u + v * 2 + 1);
        else
            throw std::length_error("value too large for a compressed long");
    }

    void Patch32(std::size_t at, std::uint32_t v)
    {
        for (int k = 0; k < 4; ++k)
            data_.at(at + k) = static_cast<std::uint8_t>(v >> (8 * k));
    }

    std::size_t Size() const { return data_.size(); }
    const std::vector<std::uint8_t>& Data() const { return data_; }
    std::vector<std::uint8_t> Take() { return std::move(data_); }

private:
    std::vector<std::uint8_t> data_;
};

}  // namespace hlp
