// The writer's output taken apart by our own reader: the container, the
// internal files the viewer needs, and every link landing on a topic.
#include "HelpReader.h"
#include "HelpSource.h"
#include "HelpWriter.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

std::string ReadText(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    REQUIRE(in);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Built {
    hlp::HelpDocument document;
    std::vector<std::uint8_t> bytes;
    helpread::HelpFile file;
};

Built Build(const std::string& source)
{
    hlp::ParseResult parsed = hlp::ParseHelpSource(source);
    std::string errors;
    for (const auto& e : parsed.errors)
        errors += "line " + std::to_string(e.line) + ": " + e.message + "\n";
    INFO(errors);
    REQUIRE(parsed.errors.empty());
    Built built {std::move(parsed.document), {}, {}};
    built.bytes = hlp::WriteHelpFile(built.document);
    built.file = helpread::ReadHelpFile(built.bytes);
    return built;
}

const helpread::SystemRecord* FindRecord(const helpread::HelpFile& file, std::uint16_t type)
{
    for (const auto& record : file.system) {
        if (record.type == type)
            return &record;
    }
    return nullptr;
}

std::uint32_t U32At(const std::vector<std::uint8_t>& data, std::size_t at)
{
    REQUIRE(at + 4 <= data.size());
    return data[at] | (data[at + 1] << 8) | (data[at + 2] << 16)
        | (static_cast<std::uint32_t>(data[at + 3]) << 24);
}

// The container and the internal files as the viewer checks them.
void CheckContainer(const Built& b)
{
    const auto& f = b.file;
    CHECK(U32At(b.bytes, 0) == 0x00035F3F);
    CHECK(f.declaredSize == b.bytes.size());

    std::vector<std::string> names;
    for (const auto& entry : f.directory) {
        names.push_back(entry.name);
        INFO(entry.name);
        CHECK(entry.offset >= 16);
        CHECK(entry.offset + entry.reserved <= b.bytes.size());
        CHECK(entry.reserved >= entry.used + 9);
        // The viewer reads the topic blocks up to the reserved end.
        if (entry.name == "|TOPIC")
            CHECK(entry.reserved == entry.used + 9);
    }
    CHECK(std::is_sorted(names.begin(), names.end(),
        [](const std::string& x, const std::string& y) { return std::strcmp(x.c_str(), y.c_str()) < 0; }));
    CHECK(std::adjacent_find(names.begin(), names.end()) == names.end());
    for (const char* required : {"|SYSTEM", "|FONT", "|CONTEXT", "|TOPIC"})
        CHECK(std::find(names.begin(), names.end(), required) != names.end());

    CHECK(f.systemMagic == 0x036C);
    CHECK(f.systemMajor == 1);
    CHECK(f.systemMinor == 21);
    CHECK(f.systemFlags == 4);

    const auto* title = FindRecord(f, 1);
    REQUIRE(title != nullptr);
    CHECK(std::string(title->data.begin(), title->data.end()) == b.document.title + '\0');
    const auto* contents = FindRecord(f, 3);
    REQUIRE(contents != nullptr);
    REQUIRE(contents->data.size() == 4);
    REQUIRE(!f.topics.empty());
    CHECK(U32At(contents->data, 0) == f.topics.front().offset);
    const auto* window = FindRecord(f, 6);
    REQUIRE(window != nullptr);
    REQUIRE(window->data.size() == 90);
    CHECK(std::string(reinterpret_cast<const char*>(window->data.data() + 2)).empty());
    CHECK(std::string(reinterpret_cast<const char*>(window->data.data() + 12)) == "main");
    CHECK(std::string(reinterpret_cast<const char*>(window->data.data() + 21)) == b.document.title);
    CHECK((window->data[0] & 0x06) == 0x06);  // name and caption present
    const auto* charset = FindRecord(f, 11);
    REQUIRE(charset != nullptr);
    REQUIRE(charset->data.size() == 1);
    CHECK(charset->data[0] == 238);

    REQUIRE(!f.faces.empty());
    REQUIRE(!f.fonts.empty());
    for (const auto& face : f.faces)
        CHECK(!face.empty());
    for (const auto& font : f.fonts) {
        CHECK(font.face < f.faces.size());
        CHECK(font.halfPoints >= 16);
    }
}

// Topics, the context table and the links agree with each other and with the source.
void CheckTopicsAndLinks(const Built& b)
{
    const auto& f = b.file;
    REQUIRE(f.topics.size() == b.document.topics.size());
    REQUIRE(f.context.size() == f.topics.size());
    for (std::size_t i = 1; i < f.context.size(); ++i)
        CHECK(f.context[i - 1].hash < f.context[i].hash);  // signed order, as the viewer searches

    std::map<std::int32_t, std::uint32_t> offsetByHash;
    for (const auto& entry : f.context)
        offsetByHash[entry.hash] = entry.offset;
    std::set<std::uint32_t> topicOffsets;
    for (std::size_t t = 0; t < f.topics.size(); ++t) {
        const auto& topic = f.topics[t];
        INFO("topic " << b.document.topics[t].id);
        CHECK(topic.number == t);
        CHECK(topicOffsets.insert(topic.offset).second);
        CHECK(topic.title == b.document.topics[t].title);
        const auto it = offsetByHash.find(hlp::TopicHash(b.document.topics[t].id));
        REQUIRE(it != offsetByHash.end());
        CHECK(it->second == topic.offset);
        for (const auto& paragraph : topic.paragraphs)
            for (std::uint16_t font : paragraph.fonts)
                CHECK(font < f.fonts.size());
    }

    std::size_t linksInSource = 0;
    for (const auto& topic : b.document.topics)
        for (const auto& paragraph : topic.paragraphs)
            for (const auto& span : paragraph.spans)
                linksInSource += !span.target.empty();
    std::size_t linksInFile = 0;
    for (const auto& topic : f.topics) {
        for (const auto& paragraph : topic.paragraphs) {
            for (const auto& link : paragraph.links) {
                ++linksInFile;
                INFO("link '" << helpread::Cp1250ToUtf8(link.text) << "'");
                CHECK(!link.text.empty());
                const auto it = offsetByHash.find(link.hash);
                REQUIRE(it != offsetByHash.end());
                CHECK(topicOffsets.count(it->second) == 1);
            }
        }
    }
    CHECK(linksInFile == linksInSource);
}

std::vector<std::string> DecodedParagraphs(const helpread::Topic& topic)
{
    std::vector<std::string> out;
    for (const auto& paragraph : topic.paragraphs)
        out.push_back(helpread::Cp1250ToUtf8(paragraph.text));
    return out;
}

}  // namespace

TEST_CASE("The game's help file is complete and every link leads to a topic")
{
    const std::string source = ReadText(QUINTERRA_HELP_SOURCE);
    const Built b = Build(source);
    CheckContainer(b);
    CheckTopicsAndLinks(b);

    // The titles read back in UTF-8 are the ones the source gives.
    std::istringstream lines(source);
    std::vector<std::string> titles;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("@topic ", 0) == 0)
            titles.push_back(line.substr(line.find(' ', 7) + 1));
    }
    REQUIRE(titles.size() == b.file.topics.size());
    for (std::size_t t = 0; t < titles.size(); ++t)
        CHECK(helpread::Cp1250ToUtf8(b.file.topics[t].title) == titles[t]);

    // The contents topic links to every other topic.
    std::set<std::int32_t> fromContents;
    for (const auto& paragraph : b.file.topics.front().paragraphs)
        for (const auto& link : paragraph.links)
            fromContents.insert(link.hash);
    for (std::size_t t = 1; t < b.document.topics.size(); ++t) {
        INFO(b.document.topics[t].id);
        CHECK(fromContents.count(hlp::TopicHash(b.document.topics[t].id)) == 1);
    }
}

TEST_CASE("Czech text and links come back as the source wrote them")
{
    const Built b = Build("@title Quinterra – nápověda\n"
                          "@topic obsah Obsah\n"
                          "Příliš žluťoučký kůň úpěl ďábelské ódy – „uvozovky“…\n"
                          "a pokračování, viz [[Pravidla|pravidla hry]].\n"
                          "\n"
                          "== Ovládání\n"
                          "- Ctrl+Z vrátí tah\n"
                          "- F1 otevře nápovědu\n"
                          "@topic pravidla Pravidla hry\n"
                          "Pět křížků v řadě vyhrává. [[obsah|Zpět]]\n");
    CheckContainer(b);
    CheckTopicsAndLinks(b);
    REQUIRE(b.file.topics.size() == 2);
    CHECK(helpread::Cp1250ToUtf8(b.file.topics[0].title) == "Obsah");
    const std::vector<std::string> expected = {
        "Obsah",
        "Příliš žluťoučký kůň úpěl ďábelské ódy – „uvozovky“… a pokračování, viz pravidla hry.",
        "Ovládání",
        "• Ctrl+Z vrátí tah",
        "• F1 otevře nápovědu",
    };
    CHECK(DecodedParagraphs(b.file.topics[0]) == expected);
    const auto& links = b.file.topics[0].paragraphs[1].links;
    REQUIRE(links.size() == 1);
    CHECK(helpread::Cp1250ToUtf8(links[0].text) == "pravidla hry");
    CHECK(links[0].hash == hlp::TopicHash("pravidla"));
    CHECK(b.file.context.size() == 2);
}

TEST_CASE("A help longer than one topic block keeps its chain, offsets and links")
{
    std::string source = "@title Dlouhá nápověda\n";
    const int topics = 40;
    for (int t = 0; t < topics; ++t) {
        source += "@topic t" + std::to_string(t) + " Téma číslo " + std::to_string(t) + "\n";
        for (int p = 0; p < 8; ++p) {
            source += "Odstavec " + std::to_string(p)
                + " s textem, který se opakuje, aby zabral místo: žluťoučký kůň úpěl ďábelské ódy. ";
            source += "Další [[t" + std::to_string((t + 1) % topics) + "|téma]], předchozí [[t"
                + std::to_string((t + topics - 1) % topics) + "|téma]].\n\n";
        }
    }
    const Built b = Build(source);
    CHECK(b.file.topicBlocks >= 4);
    CheckContainer(b);
    CheckTopicsAndLinks(b);
    // Topics that start in later blocks count their offsets from their own block.
    std::set<std::uint32_t> blocks;
    for (const auto& topic : b.file.topics)
        blocks.insert(topic.offset >> 15);
    CHECK(blocks.size() >= 3);
    CHECK(helpread::Cp1250ToUtf8(b.file.topics.back().title) == "Téma číslo 39");
    CHECK(b.file.topics.back().paragraphs.size() == 9);
}

TEST_CASE("The reader refuses damaged files")
{
    const Built b = Build("@title T\n@topic a A\nText [[b|b]].\n@topic b B\nText.\n");
    SUBCASE("a wrong magic")
    {
        auto bytes = b.bytes;
        bytes[0] ^= 0xFF;
        CHECK_THROWS_AS(helpread::ReadHelpFile(bytes), helpread::ReadError);
    }
    SUBCASE("a cut file")
    {
        auto bytes = b.bytes;
        bytes.resize(bytes.size() - 100);
        CHECK_THROWS_AS(helpread::ReadHelpFile(bytes), helpread::ReadError);
    }
}
