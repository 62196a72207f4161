#pragma once
// Builders of the help file's internal files, one per kind. Each returns the
// file's data without the 9-byte header that the container puts before it.

#include "HelpSource.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace hlp {

// Fonts of the |FONT table, by number, as the topic text selects them.
enum FontNumber : std::uint16_t { kFontText = 0, kFontHeading = 1, kFontSubheading = 2 };

// |TOPIC: the topics in the block layout, and where each topic starts as the
// viewer counts it (the offsets that |CONTEXT and |SYSTEM refer to).
struct TopicFile {
    std::vector<std::uint8_t> data;
    std::vector<std::uint32_t> topicOffsets;  // one per topic, in order
};
TopicFile BuildTopicFile(const HelpDocument& document);

// |SYSTEM: title, contents topic, the main window and the character set.
std::vector<std::uint8_t> BuildSystemFile(const HelpDocument& document, std::uint32_t contentsOffset);

// |FONT: the face names and the three fonts above.
std::vector<std::uint8_t> BuildFontFile();

// |CONTEXT: topic name hashes to topic offsets.
std::vector<std::uint8_t> BuildContextFile(std::vector<std::pair<std::int32_t, std::uint32_t>> entries);

}  // namespace hlp
