#include "HelpReader.h"

#include <cstring>
#include <map>

namespace helpread {
namespace {

// Bounds-checked little-endian reads over a byte range.
class Cursor {
public:
    Cursor(const std::uint8_t* begin, const std::uint8_t* end, std::string what)
        : p_(begin), end_(end), what_(std::move(what))
    {
    }

    std::uint8_t U8()
    {
        Need(1);
        return *p_++;
    }
    std::uint16_t U16()
    {
        Need(2);
        const auto v = static_cast<std::uint16_t>(p_[0] | (p_[1] << 8));
        p_ += 2;
        return v;
    }
    std::uint32_t U32()
    {
        const std::uint32_t lo = U16();
        return lo | (static_cast<std::uint32_t>(U16()) << 16);
    }
    std::string String()
    {
        const auto* nul =
            static_cast<const std::uint8_t*>(std::memchr(p_, 0, static_cast<std::size_t>(end_ - p_)));
        if (nul == nullptr)
            throw ReadError(what_ + ": unterminated string");
        std::string s(reinterpret_cast<const char*>(p_), reinterpret_cast<const char*>(nul));
        p_ = nul + 1;
        return s;
    }
    // The format's compressed integers: the lowest bit of the first byte
    // chooses the long form.
    std::uint32_t CompressedLong()
    {
        Need(1);
        if (*p_ & 1)
            return (U32() - 0x80000000u) / 2;
        return static_cast<std::uint32_t>((U16() - 0x8000) / 2);
    }
    unsigned CompressedUShort()
    {
        Need(1);
        if (*p_ & 1)
            return U16() / 2u;
        return U8() / 2u;
    }
    void Skip(std::size_t n)
    {
        Need(n);
        p_ += n;
    }
    bool AtEnd() const { return p_ == end_; }
    std::size_t Left() const { return static_cast<std::size_t>(end_ - p_); }
    const std::uint8_t* Here() const { return p_; }

private:
    void Need(std::size_t n) const
    {
        if (static_cast<std::size_t>(end_ - p_) < n)
            throw ReadError(what_ + ": runs past its end");
    }
    const std::uint8_t* p_;
    const std::uint8_t* end_;
    std::string what_;
};

struct Span {
    const std::uint8_t* begin;
    const std::uint8_t* end;
};

// A one-level B+ tree: returns the leaf's entries as one range and their count.
std::pair<Span, unsigned> ReadLeafTree(Span tree, std::uint16_t expectedPageSize, const std::string& what)
{
    Cursor c(tree.begin, tree.end, what);
    if (c.U16() != 0x293B)
        throw ReadError(what + ": B+ tree magic");
    c.U16();  // flags
    const std::uint16_t pageSize = c.U16();
    if (pageSize != expectedPageSize)
        throw ReadError(what + ": page size " + std::to_string(pageSize));
    c.Skip(16 + 2 + 2);  // structure, zero, page splits
    const std::uint16_t root = c.U16();
    c.U16();
    const std::uint16_t pages = c.U16();
    const std::uint16_t levels = c.U16();
    const std::uint32_t total = c.U32();
    if (levels != 1 || pages != 1 || root != 0)
        throw ReadError(what + ": expected a single leaf page");
    if (c.Left() < pageSize)
        throw ReadError(what + ": page beyond the file");
    Cursor page(c.Here(), c.Here() + pageSize, what + " page");
    page.U16();  // free bytes
    const std::uint16_t entries = page.U16();
    page.U32();  // neighbours
    if (entries != total)
        throw ReadError(what + ": entry counts disagree");
    return {{page.Here(), c.Here() + pageSize}, entries};
}

std::vector<std::uint8_t> UncompressLz77(const std::uint8_t* p, const std::uint8_t* end)
{
    std::vector<std::uint8_t> out;
    while (p < end) {
        unsigned mask = *p++;
        for (int i = 0; i < 8 && p < end; ++i, mask >>= 1) {
            if (mask & 1) {
                if (end - p < 2)
                    throw ReadError("|TOPIC: cut LZ77 reference");
                const unsigned code = static_cast<unsigned>(p[0] | (p[1] << 8));
                p += 2;
                const std::size_t length = 3 + (code >> 12);
                const std::size_t distance = (code & 0xFFF) + 1;
                if (distance > out.size())
                    throw ReadError("|TOPIC: LZ77 reference before the start");
                for (std::size_t k = 0; k < length; ++k)
                    out.push_back(out[out.size() - distance]);
            } else {
                out.push_back(*p++);
            }
        }
    }
    return out;
}

void ReadParagraph(Cursor data1, const std::string& data2, Paragraph& paragraph, unsigned& characters)
{
    data1.CompressedLong();  // size of the text
    const unsigned declared = data1.CompressedUShort();
    data1.Skip(4);
    const std::uint16_t bits = data1.U16();
    if (bits != 0)
        throw ReadError("|TOPIC: paragraph attributes not expected here");

    std::vector<std::string> strings;
    for (std::size_t start = 0; start < data2.size();) {
        const std::size_t nul = data2.find('\0', start);
        if (nul == std::string::npos)
            throw ReadError("|TOPIC: text without its terminator");
        strings.push_back(data2.substr(start, nul - start));
        start = nul + 1;
    }
    characters = 0;
    std::size_t next = 0;
    Link* open = nullptr;
    for (;;) {
        if (next >= strings.size())
            throw ReadError("|TOPIC: fewer strings than commands");
        const std::string& s = strings[next++];
        paragraph.text += s;
        characters += static_cast<unsigned>(s.size());
        if (open != nullptr)
            open->text += s;
        const std::uint8_t command = data1.U8();
        if (command == 0xFF)
            break;
        switch (command) {
        case 0x80: paragraph.fonts.push_back(data1.U16()); break;
        case 0x81:
        case 0x82:
        case 0x83: ++characters; break;
        case 0xE2:
        case 0xE3:
        case 0xE6:
        case 0xE7:
            if (open != nullptr)
                throw ReadError("|TOPIC: a link inside a link");
            paragraph.links.push_back({static_cast<std::int32_t>(data1.U32()), {}});
            open = &paragraph.links.back();
            break;
        case 0x89:
            if (open == nullptr)
                throw ReadError("|TOPIC: a link end without a start");
            open = nullptr;
            break;
        default: throw ReadError("|TOPIC: unknown command " + std::to_string(command));
        }
    }
    if (open != nullptr)
        throw ReadError("|TOPIC: a link left open");
    if (next != strings.size() || !data1.AtEnd())
        throw ReadError("|TOPIC: strings and commands do not pair up");
    if (declared != characters)
        throw ReadError("|TOPIC: declared length " + std::to_string(declared) + " but "
            + std::to_string(characters) + " characters");
}

void ReadTopics(HelpFile& file, Span topic)
{
    constexpr std::size_t kBlock = 4096;
    const std::size_t size = static_cast<std::size_t>(topic.end - topic.begin);
    if (size < 0x44)
        throw ReadError("|TOPIC: shorter than one minimal block");
    // Blocks decompressed one after another, as the viewer lays them out.
    std::vector<std::uint8_t> chain;
    std::vector<std::size_t> blockStart;
    for (std::size_t b = 0; b * kBlock < size; ++b) {
        const std::uint8_t* p = topic.begin + b * kBlock;
        const std::uint8_t* end = topic.begin + std::min(size, (b + 1) * kBlock);
        if (end - p < 0x44)
            throw ReadError("|TOPIC: last block shorter than 0x44 bytes");
        const std::vector<std::uint8_t> data = UncompressLz77(p + 12, end);
        if (data.size() > 0x4000)
            throw ReadError("|TOPIC: a block holds more than 16 KiB");
        blockStart.push_back(chain.size());
        chain.insert(chain.end(), data.begin(), data.end());
    }
    file.topicBlocks = blockStart.size();

    std::uint32_t pos = 12;
    std::uint32_t previous = 0xFFFFFFFF;
    std::size_t lastBlock = static_cast<std::size_t>(-1);
    std::uint32_t characters = 0;
    std::size_t guard = 0;
    while (pos != 0xFFFFFFFF) {
        if (++guard > 100000)
            throw ReadError("|TOPIC: the chain loops");
        const std::size_t block = (pos - 12) >> 14;
        const std::size_t offset = (pos - 12) & 0x3FFF;
        if (pos < 12 || block >= blockStart.size())
            throw ReadError("|TOPIC: position " + std::to_string(pos) + " outside the blocks");
        const std::size_t at = blockStart[block] + offset;
        if (at + 21 > chain.size())
            throw ReadError("|TOPIC: record header beyond the data");
        Cursor header(chain.data() + at, chain.data() + chain.size(), "|TOPIC record");
        const std::uint32_t blockSize = header.U32();
        const std::uint32_t dataLen2 = header.U32();
        const std::uint32_t prev = header.U32();
        const std::uint32_t nextPos = header.U32();
        const std::uint32_t dataLen1 = header.U32();
        const std::uint8_t type = header.U8();
        if (prev != previous)
            throw ReadError("|TOPIC: a record's back link is wrong");
        if (dataLen1 < 21 || blockSize < dataLen1 || blockSize - dataLen1 != dataLen2
            || at + blockSize > chain.size())
            throw ReadError("|TOPIC: record sizes disagree");
        Cursor data1(chain.data() + at + 21, chain.data() + at + dataLen1, "|TOPIC link data");
        const std::string data2(reinterpret_cast<const char*>(chain.data() + at + dataLen1), dataLen2);
        if (block != lastBlock) {
            lastBlock = block;
            characters = 0;
        }
        if (type == 0x02) {
            Topic t;
            t.position = pos;
            t.offset = static_cast<std::uint32_t>(block * 0x8000 + characters);
            data1.U32();  // size of the topic
            data1.U32();  // browse back
            data1.U32();  // browse forward
            t.number = data1.U32();
            data1.Skip(12);
            const std::size_t nul = data2.find('\0');
            if (nul == std::string::npos)
                throw ReadError("|TOPIC: topic title without terminator");
            t.title = data2.substr(0, nul);
            file.topics.push_back(std::move(t));
        } else if (type == 0x20) {
            if (file.topics.empty())
                throw ReadError("|TOPIC: a paragraph before the first topic");
            Paragraph paragraph;
            unsigned count = 0;
            ReadParagraph(data1, data2, paragraph, count);
            characters += count;
            file.topics.back().paragraphs.push_back(std::move(paragraph));
        } else {
            throw ReadError("|TOPIC: record type " + std::to_string(type));
        }
        previous = pos;
        pos = nextPos;
    }
}

}  // namespace

HelpFile ReadHelpFile(const std::vector<std::uint8_t>& bytes)
{
    HelpFile file;
    const std::uint8_t* base = bytes.data();
    Cursor header(base, base + bytes.size(), "file header");
    if (header.U32() != 0x00035F3F)
        throw ReadError("file header: magic");
    file.directoryStart = header.U32();
    header.U32();  // first free block
    file.declaredSize = header.U32();
    if (file.declaredSize != bytes.size())
        throw ReadError("file header: size " + std::to_string(file.declaredSize) + " but the file has "
            + std::to_string(bytes.size()));

    // An internal file: its 9-byte header, then `used` bytes inside the file.
    auto internal = [&](std::uint32_t offset, const std::string& name, DirectoryEntry* entry) {
        if (offset < 16 || offset > bytes.size() || bytes.size() - offset < 9)
            throw ReadError(name + ": header outside the file");
        Cursor h(base + offset, base + bytes.size(), name);
        const std::uint32_t reserved = h.U32();
        const std::uint32_t used = h.U32();
        h.U8();
        if (reserved > bytes.size() - offset || used > reserved)
            throw ReadError(name + ": reaches past the file");
        if (entry != nullptr) {
            entry->reserved = reserved;
            entry->used = used;
        }
        return Span {base + offset + 9, base + offset + 9 + used};
    };

    const Span directory = internal(file.directoryStart, "directory", nullptr);
    const auto [leaf, entries] = ReadLeafTree(directory, 1024, "directory");
    Cursor d(leaf.begin, leaf.end, "directory leaf");
    std::map<std::string, Span> files;
    for (unsigned i = 0; i < entries; ++i) {
        DirectoryEntry entry;
        entry.name = d.String();
        entry.offset = d.U32();
        files[entry.name] = internal(entry.offset, entry.name, &entry);
        file.directory.push_back(entry);
    }
    auto need = [&](const std::string& name) {
        const auto it = files.find(name);
        if (it == files.end())
            throw ReadError("no internal file " + name);
        return it->second;
    };

    Cursor system(need("|SYSTEM").begin, need("|SYSTEM").end, "|SYSTEM");
    file.systemMagic = system.U16();
    file.systemMinor = system.U16();
    file.systemMajor = system.U16();
    system.U32();
    file.systemFlags = system.U16();
    while (!system.AtEnd()) {
        SystemRecord record;
        record.type = system.U16();
        const std::uint16_t length = system.U16();
        const std::uint8_t* p = system.Here();
        system.Skip(length);
        record.data.assign(p, p + length);
        file.system.push_back(std::move(record));
    }

    const Span font = need("|FONT");
    Cursor f(font.begin, font.end, "|FONT");
    const std::uint16_t faces = f.U16();
    const std::uint16_t descriptors = f.U16();
    const std::uint16_t faceOffset = f.U16();
    const std::uint16_t descriptorOffset = f.U16();
    if (faceOffset != 8 || faces == 0 || descriptorOffset < faceOffset
        || (descriptorOffset - faceOffset) % faces != 0
        || static_cast<std::size_t>(descriptorOffset) + descriptors * 11u
            > static_cast<std::size_t>(font.end - font.begin))
        throw ReadError("|FONT: header");
    const unsigned faceSize = (descriptorOffset - faceOffset) / faces;
    for (unsigned i = 0; i < faces; ++i) {
        const char* name = reinterpret_cast<const char*>(font.begin + faceOffset + i * faceSize);
        file.faces.emplace_back(name, strnlen(name, faceSize));
    }
    Cursor fd(font.begin + descriptorOffset, font.end, "|FONT descriptors");
    for (unsigned i = 0; i < descriptors; ++i) {
        FontDescriptor descriptor;
        descriptor.flags = fd.U8();
        descriptor.halfPoints = fd.U8();
        descriptor.family = fd.U8();
        descriptor.face = fd.U16();
        fd.Skip(6);
        file.fonts.push_back(descriptor);
    }

    const auto [contextLeaf, contextEntries] = ReadLeafTree(need("|CONTEXT"), 2048, "|CONTEXT");
    Cursor c(contextLeaf.begin, contextLeaf.end, "|CONTEXT leaf");
    for (unsigned i = 0; i < contextEntries; ++i) {
        ContextEntry entry;
        entry.hash = static_cast<std::int32_t>(c.U32());
        entry.offset = c.U32();
        file.context.push_back(entry);
    }

    ReadTopics(file, need("|TOPIC"));
    return file;
}

std::string Cp1250ToUtf8(std::string_view text)
{
    // 0x80 to 0xFF; 0 marks the five bytes the code page leaves undefined.
    // clang-format off
    static constexpr char16_t kHigh[128] = {
        0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
        0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
        0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
        0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
        0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
        0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
        0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
    };
    // clang-format on
    std::string out;
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        const char32_t c = b < 0x80 ? b : kHigh[b - 0x80];
        if (c == 0)
            throw ReadError("byte outside Windows-1250");
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace helpread
