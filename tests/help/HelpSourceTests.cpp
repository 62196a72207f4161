// The help source: its faults reported with their lines, and the text turned
// into Windows-1250 exactly.
#include "Cp1250.h"
#include "HelpReader.h"
#include "HelpSource.h"

#include <doctest/doctest.h>

namespace {

// The one error of a source that has exactly one fault.
hlp::SourceError OnlyError(const std::string& source)
{
    const hlp::ParseResult result = hlp::ParseHelpSource(source);
    REQUIRE(result.errors.size() == 1);
    return result.errors.front();
}

const std::string kHead = "@title Nápověda\n@topic obsah Obsah\n";

}  // namespace

TEST_CASE("Faults of the source are reported with their line")
{
    SUBCASE("a link to a topic that does not exist")
    {
        const auto e =
            OnlyError(kHead + "Text.\n\nViz [[pravidla|pravidla]] a [[hra|hru]].\n@topic hra Hra\n");
        CHECK(e.line == 5);
        CHECK(e.message.find("'pravidla'") != std::string::npos);
    }
    SUBCASE("a topic id used twice, also in another case")
    {
        const auto e = OnlyError(kHead + "@topic hra Hra\n\n@topic Obsah Znovu\n");
        CHECK(e.line == 5);
        CHECK(e.message.find("line 2") != std::string::npos);
    }
    SUBCASE("a character that Windows-1250 cannot hold")
    {
        const auto e = OnlyError(kHead + "Sněhulák ☃ neumí česky.\n");
        CHECK(e.line == 3);
        CHECK(e.message.find("U+2603") != std::string::npos);
    }
    SUBCASE("malformed UTF-8")
    {
        const auto e = OnlyError(kHead + "ok\n\nřádek \xC3\n");
        CHECK(e.line == 5);
        CHECK(e.message.find("malformed") != std::string::npos);
    }
    SUBCASE("text before the first topic")
    {
        const auto e = OnlyError("@title T\nvolný text\n@topic a A\n");
        CHECK(e.line == 2);
    }
    SUBCASE("a link not closed, or without its text")
    {
        CHECK(OnlyError(kHead + "Viz [[obsah|obsah.\n").line == 3);
        CHECK(OnlyError(kHead + "\nViz [[obsah]].\n").line == 4);
    }
    SUBCASE("an unknown directive, a bad id, a title too long for the caption")
    {
        CHECK(OnlyError(kHead + "@toppic x X\n").line == 3);
        CHECK(OnlyError(kHead + "@topic ne-id Nadpis\n").line == 3);
        CHECK(OnlyError("@title " + std::string(51, 'x') + "\n@topic a A\n").line == 1);
    }
    SUBCASE("no title and no topic")
    {
        const hlp::ParseResult result = hlp::ParseHelpSource("# jen komentář\n");
        CHECK(result.errors.size() == 2);
    }
}

TEST_CASE("The source's structure: topics, paragraphs, headings, items and links")
{
    // With a byte order mark and Windows line ends, as a Windows editor saves it.
    const hlp::ParseResult result = hlp::ParseHelpSource(
        "\xEF\xBB\xBF# komentář\r\n@title Titul\r\n@topic obsah Obsah\r\nPrvní řádek\r\n  druhý řádek\r\n\r\n"
        "== Podnadpis\n- jedna\n  pokračuje\n- dvě [[hra|hra]]\n@topic hra Hra\n");
    REQUIRE(result.errors.empty());
    const auto& topics = result.document.topics;
    REQUIRE(topics.size() == 2);
    const auto& p = topics[0].paragraphs;
    REQUIRE(p.size() == 5);
    CHECK(p[0].kind == hlp::ParagraphKind::Heading);
    CHECK(p[1].kind == hlp::ParagraphKind::Text);
    CHECK(p[2].kind == hlp::ParagraphKind::Subheading);
    CHECK(p[3].kind == hlp::ParagraphKind::Bullet);
    CHECK(p[4].kind == hlp::ParagraphKind::Bullet);
    std::string joined;
    for (const auto& span : p[1].spans)
        joined += span.text;
    CHECK(helpread::Cp1250ToUtf8(joined) == "První řádek druhý řádek");
    std::string item;
    for (const auto& span : p[3].spans)
        item += span.text;
    CHECK(helpread::Cp1250ToUtf8(item) == "• jedna pokračuje");
    REQUIRE(p[4].spans.size() == 3);
    CHECK(p[4].spans[2].target == "hra");
    CHECK(topics[1].paragraphs.size() == 1);
}

TEST_CASE("Czech text is encoded in Windows-1250 and nothing else is")
{
    const std::string letters = "áčďéěíňóřšťúůýž ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ äôľĺŕ – — „“ ‚‘ … • § ° × €";
    std::string encoded, error;
    REQUIRE(hlp::EncodeCp1250(letters, encoded, error));
    CHECK(helpread::Cp1250ToUtf8(encoded) == letters);
    std::size_t codePoints = 0;
    for (char c : letters)
        codePoints += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    CHECK(encoded.size() == codePoints);  // one byte each

    CHECK_FALSE(hlp::EncodeCp1250("Španělské ñ", encoded, error));
    CHECK(error.find("U+00F1") != std::string::npos);
    CHECK_FALSE(hlp::EncodeCp1250("\xC0\xAF", encoded, error));  // an overlong '/'
    CHECK(error.find("malformed") != std::string::npos);
    CHECK_FALSE(hlp::EncodeCp1250("\xED\xA0\x80", encoded, error));  // a surrogate
    CHECK_FALSE(hlp::EncodeCp1250("a\x01", encoded, error));
    CHECK_FALSE(hlp::EncodeCp1250("\xE2\x80", encoded, error));  // cut short
}

TEST_CASE("Topic names hash as the viewer hashes them")
{
    // Case folds, characters outside the alphabet do not count.
    CHECK(hlp::TopicHash("Obsah") == hlp::TopicHash("obsah"));
    CHECK(hlp::TopicHash("a") == 17);
    CHECK(hlp::TopicHash("b0") == 18 * 43 + 10);
    CHECK(hlp::TopicHash("x.y_1") != hlp::TopicHash("x_y.1"));
}
