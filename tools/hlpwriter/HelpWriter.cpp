#include "HelpWriter.h"

#include "BTree.h"
#include "Bytes.h"
#include "InternalFiles.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace hlp {
namespace {

constexpr std::uint32_t kFileMagic = 0x00035F3F;
constexpr std::size_t kFileHeader = 16;

struct InternalFile {
    std::string name;
    std::vector<std::uint8_t> data;
};

// Every internal file starts with its reserved size (header included), its
// used size (header excluded) and a flags byte.
void PutInternalFile(Bytes& out, const std::vector<std::uint8_t>& data)
{
    out.U32(static_cast<std::uint32_t>(data.size() + 9));
    out.U32(static_cast<std::uint32_t>(data.size()));
    out.U8(0x04);
    out.Raw(data);
}

}  // namespace

std::vector<std::uint8_t> WriteHelpFile(const HelpDocument& document)
{
    TopicFile topic = BuildTopicFile(document);
    std::vector<std::pair<std::int32_t, std::uint32_t>> context;
    for (std::size_t t = 0; t < document.topics.size(); ++t)
        context.emplace_back(TopicHash(document.topics[t].id), topic.topicOffsets.at(t));

    std::vector<InternalFile> files;
    files.push_back({"|SYSTEM", BuildSystemFile(document, topic.topicOffsets.at(0))});
    files.push_back({"|FONT", BuildFontFile()});
    files.push_back({"|CONTEXT", BuildContextFile(std::move(context))});
    files.push_back({"|TOPIC", std::move(topic.data)});

    Bytes out;
    out.U32(kFileMagic);
    out.U32(0);  // directory start, patched below
    out.U32(0xFFFFFFFF);  // no free blocks
    out.U32(0);  // file size, patched below

    std::vector<std::pair<std::string, std::uint32_t>> directory;
    for (const InternalFile& file : files) {
        directory.emplace_back(file.name, static_cast<std::uint32_t>(out.Size()));
        PutInternalFile(out, file.data);
    }

    // The viewer finds files by a byte-wise search through the sorted leaf.
    std::sort(directory.begin(), directory.end(),
        [](const auto& a, const auto& b) { return std::strcmp(a.first.c_str(), b.first.c_str()) < 0; });
    std::vector<std::vector<std::uint8_t>> entries;
    for (const auto& [name, offset] : directory) {
        Bytes entry;
        entry.String(name);
        entry.U32(offset);
        entries.push_back(entry.Take());
    }
    const std::uint32_t directoryStart = static_cast<std::uint32_t>(out.Size());
    PutInternalFile(out, BuildSinglePageBTree({0x0402, 1024, "z4"}, entries));

    out.Patch32(4, directoryStart);
    out.Patch32(12, static_cast<std::uint32_t>(out.Size()));
    static_assert(kFileHeader == 16);
    return out.Take();
}

}  // namespace hlp
