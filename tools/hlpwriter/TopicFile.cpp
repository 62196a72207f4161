// |TOPIC holds a chain of records ("topic links"): a topic header opens each
// topic, then one display record per paragraph. The chain is cut into blocks
// of 4 KiB, each a 12-byte block header and LZ77 data. We store the data as
// literals only, so a block holds a fixed amount of the chain and a record's
// position is simple arithmetic: block × 0x4000 + offset in the block + 12.

#include "Bytes.h"
#include "InternalFiles.h"

#include <stdexcept>

namespace hlp {
namespace {

constexpr std::size_t kBlockSize = 4096;
constexpr std::size_t kBlockHeader = 12;
// Literal-only LZ77 spends one flag byte on eight data bytes; this many data
// bytes fill the rest of a block exactly (453 full groups and one of six).
constexpr std::size_t kChainPerBlock = 3630;
// The viewer reads at least this much of the last block.
constexpr std::size_t kMinLastBlock = 0x44;
constexpr std::size_t kLinkHeader = 21;
constexpr std::uint32_t kNone = 0xFFFFFFFF;

enum RecordType : std::uint8_t { kTopicHeader = 0x02, kDisplay = 0x20 };

struct Record {
    RecordType type;
    Bytes data1;  // after the 21-byte link header
    std::string data2;
    unsigned characters = 0;  // what the viewer counts for a display record
    std::size_t topic = 0;
};

std::size_t RecordSize(const Record& r)
{
    return kLinkHeader + r.data1.Size() + r.data2.size();
}

// The formatting commands and the strings between them: string 0, command 0,
// string 1, command 1, … and the last command is 0xFF.
class ParagraphBuilder {
public:
    void Text(const std::string& text) { strings_.back() += text; }
    void Command(std::initializer_list<unsigned> bytes, bool countsAsCharacter = false)
    {
        for (unsigned b : bytes)
            commands_.U8(b);
        strings_.emplace_back();
        if (countsAsCharacter)
            ++commandCharacters_;
    }
    void Font(unsigned font) { Command({0x80, font & 0xFFu, (font >> 8) & 0xFFu}); }
    void LinkStart(std::int32_t hash)
    {
        const auto h = static_cast<std::uint32_t>(hash);
        Command({0xE3, h & 0xFF, (h >> 8) & 0xFF, (h >> 16) & 0xFF, h >> 24});
    }
    void LinkEnd() { Command({0x89}); }
    void EndParagraph() { Command({0x82}, true); }

    Record Finish()
    {
        commands_.U8(0xFF);
        Record record {kDisplay, {}, {}, commandCharacters_, 0};
        for (const std::string& s : strings_) {
            record.data2 += s;
            record.data2 += '\0';
            record.characters += static_cast<unsigned>(s.size());
        }
        record.data1.CompressedI32(static_cast<std::uint32_t>(record.data2.size()));
        record.data1.CompressedU16(record.characters);
        record.data1.U8(0x00);  // two bytes of unknown meaning, as the compiler writes them
        record.data1.U8(0x80);
        record.data1.U16(0);  // paragraph id
        record.data1.U16(0);  // no paragraph attributes: spacing, indents, tabs
        record.data1.Raw(commands_.Data());
        return record;
    }

private:
    std::vector<std::string> strings_ {std::string()};
    Bytes commands_;
    unsigned commandCharacters_ = 0;
};

Record BuildParagraph(const Paragraph& paragraph, bool gapAfter)
{
    ParagraphBuilder builder;
    switch (paragraph.kind) {
    case ParagraphKind::Heading: builder.Font(kFontHeading); break;
    case ParagraphKind::Subheading: builder.Font(kFontSubheading); break;
    case ParagraphKind::Text:
    case ParagraphKind::Bullet: builder.Font(kFontText); break;
    }
    for (const Span& span : paragraph.spans) {
        if (span.target.empty()) {
            builder.Text(span.text);
            continue;
        }
        builder.LinkStart(TopicHash(span.target));
        builder.Text(span.text);
        builder.LinkEnd();
    }
    builder.EndParagraph();
    if (gapAfter)
        builder.EndParagraph();  // an empty paragraph as the space below
    return builder.Finish();
}

std::vector<Record> BuildRecords(const HelpDocument& document)
{
    std::vector<Record> records;
    for (std::size_t t = 0; t < document.topics.size(); ++t) {
        const Topic& topic = document.topics[t];
        Record header {kTopicHeader, {}, topic.title + '\0', 0, t};
        header.data1.Zeros(28);  // filled in once positions are known
        records.push_back(std::move(header));
        for (std::size_t p = 0; p < topic.paragraphs.size(); ++p) {
            const Paragraph& paragraph = topic.paragraphs[p];
            const bool nextIsBullet =
                p + 1 < topic.paragraphs.size() && topic.paragraphs[p + 1].kind == ParagraphKind::Bullet;
            const bool gap = paragraph.kind != ParagraphKind::Subheading
                && !(paragraph.kind == ParagraphKind::Bullet && nextIsBullet);
            Record record = BuildParagraph(paragraph, gap);
            record.topic = t;
            records.push_back(std::move(record));
        }
    }
    return records;
}

std::uint32_t PositionOf(std::size_t chainOffset)
{
    const std::size_t block = chainOffset / kChainPerBlock;
    const std::size_t offset = chainOffset % kChainPerBlock;
    if (block > 0x3FFFF)
        throw std::length_error("help text too large");
    return static_cast<std::uint32_t>((block << 14) + offset + kBlockHeader);
}

void PutLiterals(Bytes& out, const std::vector<std::uint8_t>& chain, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; i += 8) {
        out.U8(0x00);  // eight literals follow (or fewer at the end)
        for (std::size_t k = i; k < to && k < i + 8; ++k)
            out.U8(chain[k]);
    }
}

}  // namespace

TopicFile BuildTopicFile(const HelpDocument& document)
{
    std::vector<Record> records = BuildRecords(document);

    std::vector<std::size_t> starts;
    std::size_t total = 0;
    for (const Record& r : records) {
        starts.push_back(total);
        total += RecordSize(r);
    }
    auto position = [&](std::size_t i) { return i < records.size() ? PositionOf(starts[i]) : kNone; };

    // The viewer's count of a topic's offset: block × 0x8000 plus the
    // characters of the display records that start earlier in the same block.
    TopicFile result;
    std::vector<std::size_t> headerIndex;
    std::size_t currentBlock = static_cast<std::size_t>(-1);
    std::uint32_t characters = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::size_t block = starts[i] / kChainPerBlock;
        if (block != currentBlock) {
            currentBlock = block;
            characters = 0;
        }
        if (records[i].type == kTopicHeader) {
            if (characters >= 0x8000)
                throw std::length_error("a block holds too many characters");
            result.topicOffsets.push_back(static_cast<std::uint32_t>(block * 0x8000 + characters));
            headerIndex.push_back(i);
        } else {
            characters += records[i].characters;
        }
    }

    for (std::size_t t = 0; t < headerIndex.size(); ++t) {
        const std::size_t i = headerIndex[t];
        const std::size_t end = t + 1 < headerIndex.size() ? headerIndex[t + 1] : records.size();
        std::size_t topicSize = 0;
        for (std::size_t k = i; k < end; ++k)
            topicSize += RecordSize(records[k]);
        Bytes h;
        h.U32(static_cast<std::uint32_t>(topicSize));
        h.U32(t > 0 ? result.topicOffsets[t - 1] : kNone);  // browse back
        h.U32(t + 1 < headerIndex.size() ? result.topicOffsets[t + 1] : kNone);  // browse forward
        h.U32(static_cast<std::uint32_t>(t));  // topic number
        h.U32(kNone);  // no non-scrolling region
        h.U32(i + 1 < end ? position(i + 1) : kNone);  // scrolling region
        h.U32(t + 1 < headerIndex.size() ? position(headerIndex[t + 1]) : kNone);  // next topic
        records[i].data1 = std::move(h);
    }

    Bytes chainBytes;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        chainBytes.U32(static_cast<std::uint32_t>(RecordSize(r)));
        chainBytes.U32(static_cast<std::uint32_t>(r.data2.size()));
        chainBytes.U32(i > 0 ? position(i - 1) : kNone);
        chainBytes.U32(position(i + 1));
        chainBytes.U32(static_cast<std::uint32_t>(kLinkHeader + r.data1.Size()));
        chainBytes.U8(r.type);
        chainBytes.Raw(r.data1.Data());
        chainBytes.Raw(r.data2);
    }
    const std::vector<std::uint8_t>& chain = chainBytes.Data();

    Bytes out;
    const std::size_t blocks = chain.empty() ? 1 : (chain.size() - 1) / kChainPerBlock + 1;
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t blockStart = b * kChainPerBlock;
        std::uint32_t lastLink = kNone, firstLink = kNone, lastHeader = kNone;
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (starts[i] < blockStart) {
                lastLink = position(i);
                if (records[i].type == kTopicHeader)
                    lastHeader = position(i);
            } else if (firstLink == kNone && starts[i] < blockStart + kChainPerBlock) {
                firstLink = position(i);
            }
        }
        const std::size_t before = out.Size();
        out.U32(lastLink);
        out.U32(firstLink);
        out.U32(lastHeader);
        PutLiterals(out, chain, blockStart, std::min(chain.size(), blockStart + kChainPerBlock));
        if (b + 1 < blocks && out.Size() - before != kBlockSize)
            throw std::logic_error("a full topic block is not 4 KiB");
        while (out.Size() - before < kMinLastBlock) {
            out.U8(0x00);  // zeros after the chain's end, which nothing points to
            out.Zeros(8);
        }
    }
    result.data = out.Take();
    return result;
}

}  // namespace hlp
