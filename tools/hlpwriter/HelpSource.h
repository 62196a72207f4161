#pragma once
// The help's text source: a small line markup, read into topics whose texts
// are already in Windows-1250, ready for the writer.
//
//   # comment                      ignored
//   @title Title of the help       the viewer's caption (required, once)
//   @topic id Title of the topic   starts a topic; the first one is the contents
//   == Subheading                  a heading inside the topic
//   - item                         a bulleted paragraph, continued like text
//   plain lines                    joined into one paragraph up to a blank line
//   [[id|text]]                    a link to the topic `id`, within one line
//
// Topic ids are letters, digits, '.' and '_', compared without regard to case
// (the viewer's hash of a name ignores case).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hlp {

// A run of text; with a target it is a link to that topic.
struct Span {
    std::string text;  // Windows-1250
    std::string target;  // topic id, empty for plain text
};

enum class ParagraphKind { Heading, Subheading, Text, Bullet };

struct Paragraph {
    ParagraphKind kind = ParagraphKind::Text;
    std::vector<Span> spans;
    int line = 0;
};

struct Topic {
    std::string id;
    std::string title;  // Windows-1250
    int line = 0;
    std::vector<Paragraph> paragraphs;  // starts with the title as a heading
};

struct HelpDocument {
    std::string title;  // Windows-1250
    std::vector<Topic> topics;  // topics[0] is the contents
};

struct SourceError {
    int line;
    std::string message;
};

struct ParseResult {
    HelpDocument document;
    std::vector<SourceError> errors;  // the document is usable only when empty
};

ParseResult ParseHelpSource(std::string_view utf8);

// The viewer's hash of a topic name: the key of the context table and of links.
std::int32_t TopicHash(std::string_view id);

// Longest title the viewer's window caption field holds.
inline constexpr std::size_t kMaxTitleBytes = 50;
// Largest topic count one page of the context table holds.
inline constexpr std::size_t kMaxTopics = 250;
// Longest paragraph text, well inside what a record's length fields can say.
inline constexpr std::size_t kMaxParagraphBytes = 8000;

// Topic ids are matched without regard to case: an id in lower case.
std::string LowerCase(std::string_view s);

}  // namespace hlp
