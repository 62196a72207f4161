// The help's one source, read into topics and written as the HTML page; and
// the choice between the help viewer and the browser.
#include "Cp1250.h"
#include "HelpChoice.h"
#include "HelpSource.h"
#include "HtmlWriter.h"

#include <doctest/doctest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

namespace {

std::string ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    REQUIRE(in);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST_CASE("Faults of the source are refused with their line")
{
    const std::string head = "@title Nápověda\n@topic obsah Obsah\n";
    const struct {
        std::string source;
        int line;
        const char* message;
    } cases[] = {
        {head + "Text.\n\nViz [[pravidla|pravidla]] a [[hra|hru]].\n@topic hra Hra\n", 5, "'pravidla'"},
        {head + "@topic hra Hra\n\n@topic Obsah Znovu\n", 5, "line 2"},
        {head + "Sněhulák ☃ neumí česky.\n", 3, "U+2603"},
        {head + "ok\n\nřádek \xC3\n", 5, "malformed"},
        {"@title T\nvolný text\n@topic a A\n", 2, "before the first"},
        {head + "Viz [[obsah|obsah.\n", 3, "without"},
        {head + "\nViz [[obsah]].\n", 4, "[[topic|text]]"},
        {head + "@topic ne-id Nadpis\n", 3, "only letters"},
        {"@title " + std::string(51, 'x') + "\n@topic a A\n", 1, "longer"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.source);
        const hlp::ParseResult result = hlp::ParseHelpSource(c.source);
        REQUIRE(result.errors.size() == 1);
        CHECK(result.errors[0].line == c.line);
        CHECK(result.errors[0].message.find(c.message) != std::string::npos);
    }
    CHECK(hlp::ParseHelpSource("# jen komentář\n").errors.size() == 2);  // no title, no topic
}

TEST_CASE("Czech letters take their Windows-1250 bytes, topic names the viewer's hash")
{
    std::string out, error;
    REQUIRE(hlp::EncodeCp1250("čřžěůšťĎ„“–•", out, error));
    CHECK(out == "\xE8\xF8\x9E\xEC\xF9\x9A\x9D\xCF\x84\x93\x96\x95");
    CHECK(hlp::DecodeCp1250(out) == "čřžěůšťĎ„“–•");
    for (const char* bad : {"ñ", "\xC0\xAF", "\xED\xA0\x80", "a\x01", "\xE2\x80"})
        CHECK_FALSE(hlp::EncodeCp1250(bad, out, error));
    // Topic names hash as the viewer hashes them: case folded, others skipped.
    CHECK(hlp::TopicHash("B-0") == 18 * 43 + 10);
}

TEST_CASE("The HTML help: lines joined, items in one list, links to lower-case ids, text escaped")
{
    // With a byte order mark and Windows line ends, as a Windows editor saves it.
    const hlp::ParseResult parsed = hlp::ParseHelpSource(
        "\xEF\xBB\xBF# komentář\r\n@title Titul & co\r\n@topic obsah Obsah\r\nPrvní řádek\r\n  druhý "
        "<řádek>\r\n"
        "\r\n== Podnadpis\n- jedna\n  pokračuje\n- dvě [[HRA|hra]]\n\nKonec.\n@topic Hra Hra \"1\"\n");
    REQUIRE(parsed.errors.empty());
    const std::string html = hlp::WriteHelpHtml(parsed.document);
    CHECK(html.find("<meta charset=\"utf-8\">\n<title>Titul &amp; co</title>") != std::string::npos);
    CHECK(html.find(
              "<section id=\"obsah\">\n<h1>Obsah</h1>\n<p>První řádek druhý &lt;řádek&gt;</p>\n"
              "<h2>Podnadpis</h2>\n<ul>\n<li>jedna pokračuje</li>\n<li>dvě <a href=\"#hra\">hra</a></li>\n"
              "</ul>\n<p>Konec.</p>\n</section>\n<section id=\"hra\">\n<h1>Hra &quot;1&quot;</h1>\n"
              "</section>\n</body>")
        != std::string::npos);
}

TEST_CASE("The game's HTML help holds every topic, heading, item and link of the source")
{
    const std::string html = ReadFile(QUINTERRA_HELP_HTML);
    std::istringstream source(ReadFile(QUINTERRA_HELP_SOURCE));
    const std::regex topic(R"(^@topic (\S+) (.+)$)"), heading(R"(^== (.+)$)"), link(R"(\[\[(\w+)\|)");
    std::size_t topics = 0, items = 0, listed = 0;
    for (std::string line; std::getline(source, line);) {
        if (line.rfind('#', 0) == 0)
            continue;
        CAPTURE(line);
        std::smatch m;
        if (std::regex_match(line, m, topic) && ++topics)
            CHECK(html.find("<section id=\"" + m.str(1) + "\">\n<h1>" + m.str(2) + "</h1>")
                != std::string::npos);
        if (std::regex_match(line, m, heading))
            CHECK(html.find("<h2>" + m.str(1) + "</h2>") != std::string::npos);
        items += line.rfind("- ", 0) == 0;
        for (std::sregex_iterator it(line.begin(), line.end(), link), end; it != end; ++it)
            CHECK(html.find("<a href=\"#" + it->str(1) + "\">") != std::string::npos);
    }
    for (std::size_t at = html.find("<li>"); at != std::string::npos; at = html.find("<li>", at + 1))
        ++listed;
    CHECK(topics > 1);
    CHECK(listed == items);
}

TEST_CASE("The help viewer where it surely works, the browser everywhere else")
{
    using enum HelpForm;
    const struct {
        HelpSystemFacts facts;  // Wine, viewer found, its major version
        HelpForm form;
    } cases[] = {
        {{true, true, 10}, Viewer},  // Wine, whatever version it reports
        {{true, true, 0}, Viewer},
        {{false, true, 5}, Viewer},  // the classic viewer
        {{false, true, 1}, Viewer},
        {{false, true, 6}, Browser},  // the stand-in that says such help is not supported
        {{false, true, 10}, Browser},
        {{false, true, 0}, Browser},  // no version: cannot tell
        {{true, false, 0}, Browser},
        {{false, false, 5}, Browser},
    };
    for (const auto& c : cases) {
        CAPTURE(c.facts.wine);
        CAPTURE(c.facts.viewerMajorVersion);
        CHECK(ChooseHelpForm(c.facts) == c.form);
    }
}
