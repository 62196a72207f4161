// The help's source read and written as the HTML page; the viewer-or-browser choice.
#include "Cp1250.h"
#include "HelpChoice.h"
#include "HtmlWriter.h"

#include <doctest/doctest.h>

#include <tuple>

TEST_CASE("Faults of the source are refused with their line")
{
    const std::string head = "@title Nápověda\n@topic obsah Obsah\n";
    const std::tuple<std::string, int, const char*> cases[] = {
        {head + "Text.\n\nViz [[pravidla|pravidla]] a [[hra|hru]].\n@topic hra Hra\n", 5, "'pravidla'"},
        {head + "@topic hra Hra\n\n@topic Obsah Znovu\n", 5, "line 2"},
        {head + "Sněhulák ☃ neumí česky.\n", 3, "U+2603"},
        {"@title T\nvolný text\n@topic a A\n", 2, "before the first"},
        {head + "Viz [[obsah|obsah.\n", 3, "without"},
        {head + "\nViz [[obsah]].\n", 4, "[[topic|text]]"},
        {"@title " + std::string(51, 'x') + "\n@topic a A\n", 1, "longer"},
    };
    for (const auto& [source, line, message] : cases) {
        CAPTURE(source);
        const hlp::ParseResult result = hlp::ParseHelpSource(source);
        REQUIRE(result.errors.size() == 1);
        CHECK(result.errors[0].line == line);
        CHECK(result.errors[0].message.find(message) != std::string::npos);
    }
}

TEST_CASE("Czech letters take their Windows-1250 bytes, topic names the viewer's hash")
{
    std::string out, error;
    REQUIRE(hlp::EncodeCp1250("čřžěůšťĎ„“–•", out, error));
    CHECK(out == "\xE8\xF8\x9E\xEC\xF9\x9A\x9D\xCF\x84\x93\x96\x95");
    CHECK(hlp::DecodeCp1250(out) == "čřžěůšťĎ„“–•");
    for (const char* bad : {"ñ", "\xC0\xAF", "\xED\xA0\x80", "a\x01", "\xE2\x80"})
        CHECK_FALSE(hlp::EncodeCp1250(bad, out, error));
    CHECK(hlp::TopicHash("B-0") == 18 * 43 + 10);  // case folded, other characters skipped
}

TEST_CASE("The HTML help: lines joined, items in one list, links to lower-case ids, text escaped")
{
    const hlp::ParseResult parsed = hlp::ParseHelpSource(  // as a Windows editor saves it
        "\xEF\xBB\xBF# komentář\r\n@title Titul & co\r\n@topic obsah Obsah\r\nPrvní řádek\r\n  druhý "
        "<řádek>\r\n"
        "\r\n== Podnadpis\n- jedna\n  pokračuje\n- dvě [[HRA|hra]]\n\nKonec.\n@topic Hra Hra \"1\"\n");
    REQUIRE(parsed.errors.empty());
    const std::string html = hlp::WriteHelpHtml(parsed.document);
    CHECK(html.find("<title>Titul &amp; co</title>\n<style>\n") != std::string::npos);
    CHECK(html.find(
              "<section id=\"obsah\">\n<h1>Obsah</h1>\n<p>První řádek druhý &lt;řádek&gt;</p>\n<h2>Podnadpis"
              "</h2>\n<ul>\n<li>jedna pokračuje</li>\n<li>dvě <a href=\"#hra\">hra</a></li>\n</ul>\n<p>Konec."
              "</p>\n</section>\n<section id=\"hra\">\n<h1>Hra &quot;1&quot;</h1>\n</section>\n</body>")
        != std::string::npos);
}

TEST_CASE("The help viewer where it surely works, the browser everywhere else")
{
    using enum HelpForm;
    // Under Wine?, viewer found?, its major version (classic 5 or lower, stand-in 6 or higher): the form.
    const std::tuple<bool, bool, unsigned, HelpForm> cases[] = {{true, true, 10, Viewer},
        {true, true, 0, Viewer}, {false, true, 5, Viewer}, {false, true, 1, Viewer},
        {false, true, 6, Browser}, {false, true, 10, Browser}, {false, true, 0, Browser},
        {true, false, 0, Browser}, {false, false, 5, Browser}};
    for (const auto& [wine, found, version, form] : cases)
        CHECK(ChooseHelpForm({wine, found, version}) == form);
}
