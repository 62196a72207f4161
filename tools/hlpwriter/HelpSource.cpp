#include "HelpSource.h"

#include "Cp1250.h"

#include <cctype>
#include <map>

namespace hlp {
namespace {

struct PendingLink {
    std::string target;
    int line;
};

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool IsIdChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_';
}

class Parser {
public:
    ParseResult Run(std::string_view text);

private:
    void Line(std::string_view raw);
    void Directive(std::string_view line);
    void StartTopic(std::string_view rest);
    void AddText(std::string_view line, ParagraphKind kind, bool joinToOpen);
    bool Encode(std::string_view utf8, std::string& out);
    void Flush() { open_ = false; }
    void Error(std::string message) { result_.errors.push_back({line_, std::move(message)}); }
    Topic* CurrentTopic();

    ParseResult result_;
    int line_ = 0;
    bool open_ = false;  // the last paragraph still takes continuation lines
    bool titleSeen_ = false;
    bool skipping_ = false;  // inside a refused @topic, whose text goes nowhere
    std::map<std::string, int> idLines_;  // lower-case id -> line
    std::map<std::int32_t, std::string> hashOwners_;  // hash -> id
    std::vector<PendingLink> links_;
};

ParseResult Parser::Run(std::string_view text)
{
    // Editors on Windows like to start a UTF-8 file with a byte order mark.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        ++line_;
        Line(text.substr(start, end - start));
        start = end + 1;
    }
    if (!titleSeen_)
        result_.errors.push_back({1, "the source has no @title"});
    if (result_.document.topics.empty())
        result_.errors.push_back({1, "the source has no @topic"});
    for (const PendingLink& link : links_) {
        if (idLines_.find(LowerCase(link.target)) == idLines_.end())
            result_.errors.push_back({link.line, "link to unknown topic '" + link.target + "'"});
    }
    return std::move(result_);
}

void Parser::Line(std::string_view raw)
{
    const std::string_view line = Trim(raw);
    if (line.empty()) {
        Flush();
        return;
    }
    if (line.front() == '#')  // a comment does not end a paragraph
        return;
    if (line.front() == '@') {
        Flush();
        Directive(line);
        return;
    }
    if (line.substr(0, 3) == "== ") {
        Flush();
        AddText(Trim(line.substr(3)), ParagraphKind::Subheading, false);
        Flush();
        return;
    }
    if (line.substr(0, 2) == "- ") {
        Flush();
        AddText(Trim(line.substr(2)), ParagraphKind::Bullet, false);
        open_ = true;  // an item goes on over the lines that follow it
        return;
    }
    AddText(line, ParagraphKind::Text, open_);
    open_ = true;
}

void Parser::Directive(std::string_view line)
{
    const std::size_t space = line.find(' ');
    const std::string_view name = line.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view {} : Trim(line.substr(space));
    if (name == "@title") {
        if (titleSeen_) {
            Error("a second @title");
            return;
        }
        titleSeen_ = true;
        if (rest.empty()) {
            Error("@title needs a text");
            return;
        }
        if (Encode(rest, result_.document.title) && result_.document.title.size() > kMaxTitleBytes)
            Error("the title is longer than " + std::to_string(kMaxTitleBytes) + " bytes");
    } else if (name == "@topic") {
        StartTopic(rest);
    } else {
        Error("unknown directive '" + std::string(name) + "'");
    }
}

void Parser::StartTopic(std::string_view rest)
{
    skipping_ = true;
    const std::size_t space = rest.find(' ');
    const std::string_view id = rest.substr(0, space);
    const std::string_view title =
        space == std::string_view::npos ? std::string_view {} : Trim(rest.substr(space));
    if (id.empty() || title.empty()) {
        Error("@topic needs an id and a title");
        return;
    }
    for (char c : id) {
        if (!IsIdChar(c)) {
            Error("topic id '" + std::string(id) + "' may hold only letters, digits, '.' and '_'");
            return;
        }
    }
    if (result_.document.topics.size() >= kMaxTopics) {
        Error("more than " + std::to_string(kMaxTopics) + " topics");
        return;
    }
    const auto [previous, isNew] = idLines_.emplace(LowerCase(id), line_);
    if (!isNew) {
        Error(
            "topic id '" + std::string(id) + "' is already used on line " + std::to_string(previous->second));
        return;
    }
    const std::int32_t hash = TopicHash(id);
    const auto [owner, hashIsNew] = hashOwners_.emplace(hash, std::string(id));
    if (hash == 0 || !hashIsNew) {
        Error("topic id '" + std::string(id) + "' has the same hash as "
            + (hash == 0 ? std::string("the contents") : "'" + owner->second + "'") + "; choose another id");
        return;
    }
    Topic topic;
    topic.id = std::string(id);
    topic.line = line_;
    if (!Encode(title, topic.title))
        return;
    Paragraph heading;
    heading.kind = ParagraphKind::Heading;
    heading.line = line_;
    heading.spans.push_back({topic.title, {}});
    topic.paragraphs.push_back(std::move(heading));
    result_.document.topics.push_back(std::move(topic));
    skipping_ = false;
}

Topic* Parser::CurrentTopic()
{
    return result_.document.topics.empty() ? nullptr : &result_.document.topics.back();
}

void Parser::AddText(std::string_view line, ParagraphKind kind, bool joinToOpen)
{
    if (skipping_)
        return;  // the refused @topic has been reported already
    Topic* topic = CurrentTopic();
    if (topic == nullptr) {
        Error("text before the first @topic");
        return;
    }
    if (line.empty()) {
        Error("an empty heading or item");
        return;
    }
    if (!joinToOpen) {
        Paragraph paragraph;
        paragraph.kind = kind;
        paragraph.line = line_;
        if (kind == ParagraphKind::Bullet)
            paragraph.spans.push_back({"\x95 ", {}});
        topic->paragraphs.push_back(std::move(paragraph));
    } else {
        topic->paragraphs.back().spans.push_back({" ", {}});
    }
    Paragraph& paragraph = topic->paragraphs.back();

    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t open = line.find("[[", pos);
        const std::string_view plain =
            line.substr(pos, open == std::string_view::npos ? std::string_view::npos : open - pos);
        if (!plain.empty()) {
            Span span;
            if (!Encode(plain, span.text))
                return;
            paragraph.spans.push_back(std::move(span));
        }
        if (open == std::string_view::npos)
            break;
        const std::size_t close = line.find("]]", open + 2);
        if (close == std::string_view::npos) {
            Error("a link '[[' without ']]'");
            return;
        }
        const std::string_view inner = line.substr(open + 2, close - open - 2);
        const std::size_t bar = inner.find('|');
        if (bar == std::string_view::npos || Trim(inner.substr(0, bar)).empty()
            || Trim(inner.substr(bar + 1)).empty()) {
            Error("a link must read [[topic|text]]");
            return;
        }
        Span span;
        span.target = std::string(Trim(inner.substr(0, bar)));
        if (!Encode(Trim(inner.substr(bar + 1)), span.text))
            return;
        links_.push_back({span.target, line_});
        paragraph.spans.push_back(std::move(span));
        pos = close + 2;
    }

    std::size_t size = 0;
    for (const Span& span : paragraph.spans)
        size += span.text.size();
    if (size > kMaxParagraphBytes)
        Error("the paragraph is longer than " + std::to_string(kMaxParagraphBytes) + " bytes");
}

bool Parser::Encode(std::string_view utf8, std::string& out)
{
    std::string error;
    if (EncodeCp1250(utf8, out, error))
        return true;
    Error(error);
    return false;
}

}  // namespace

ParseResult ParseHelpSource(std::string_view utf8)
{
    return Parser {}.Run(utf8);
}

std::int32_t TopicHash(std::string_view id)
{
    // The viewer folds case and skips characters outside its alphabet.
    std::uint32_t hash = 0;
    for (char c : id) {
        std::uint32_t x = 0;
        if (c >= 'A' && c <= 'Z')
            x = static_cast<std::uint32_t>(c - 'A' + 17);
        else if (c >= 'a' && c <= 'z')
            x = static_cast<std::uint32_t>(c - 'a' + 17);
        else if (c >= '1' && c <= '9')
            x = static_cast<std::uint32_t>(c - '0');
        else if (c == '0')
            x = 10;
        else if (c == '.')
            x = 12;
        else if (c == '_')
            x = 13;
        if (x != 0)
            hash = hash * 43u + x;
    }
    return static_cast<std::int32_t>(hash);
}

std::string LowerCase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace hlp
