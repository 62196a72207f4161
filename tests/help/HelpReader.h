#pragma once
// A reader of WinHelp 3.1 files, written for the tests from the format's
// description rather than from the writer: it takes a file apart and fails
// loudly (ReadError) on anything out of place, bounds and chains included.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace helpread {

struct ReadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct DirectoryEntry {
    std::string name;
    std::uint32_t offset = 0;
    std::uint32_t reserved = 0;  // from the internal file's own header
    std::uint32_t used = 0;
};

struct SystemRecord {
    std::uint16_t type = 0;
    std::vector<std::uint8_t> data;
};

struct FontDescriptor {
    std::uint8_t flags = 0;
    std::uint8_t halfPoints = 0;
    std::uint8_t family = 0;
    std::uint16_t face = 0;
};

struct ContextEntry {
    std::int32_t hash = 0;
    std::uint32_t offset = 0;
};

struct Link {
    std::int32_t hash = 0;
    std::string text;  // Windows-1250
};

struct Paragraph {
    std::string text;  // all strings of the record, Windows-1250
    std::vector<std::uint16_t> fonts;
    std::vector<Link> links;
};

struct Topic {
    std::uint32_t position = 0;  // of its header record in the chain
    std::uint32_t offset = 0;  // as the viewer counts it
    std::uint32_t number = 0;
    std::string title;
    std::vector<Paragraph> paragraphs;
};

struct HelpFile {
    std::uint32_t directoryStart = 0;
    std::uint32_t declaredSize = 0;
    std::vector<DirectoryEntry> directory;  // in stored order
    std::uint16_t systemMagic = 0, systemMinor = 0, systemMajor = 0, systemFlags = 0;
    std::vector<SystemRecord> system;
    std::vector<std::string> faces;
    std::vector<FontDescriptor> fonts;
    std::vector<ContextEntry> context;  // in stored order
    std::vector<Topic> topics;  // in chain order
    std::size_t topicBlocks = 0;
};

HelpFile ReadHelpFile(const std::vector<std::uint8_t>& bytes);

// Windows-1250 to UTF-8, the whole code page.
std::string Cp1250ToUtf8(std::string_view text);

}  // namespace helpread
