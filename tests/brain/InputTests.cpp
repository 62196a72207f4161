// Reading the manager's input: line ends and numbers.
#include "LineSplitter.h"
#include "ProtocolParse.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(std::string_view bytes, size_t maxLength = 100)
{
    CLineSplitter splitter(maxLength);
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes)
        if (splitter.Push(c, line))
            lines.push_back(line);
    if (splitter.Finish(line))
        lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST_CASE("lines end at LF, CR LF or a lone CR, and each line is handed over as soon as it ends")
{
    CHECK(Split("START 20\nBEGIN\n") == Lines {"START 20", "BEGIN"});
    CHECK(Split("START 20\r\nBEGIN\r\n") == Lines {"START 20", "BEGIN"});
    CHECK(Split("a\rb\r\n\nc") == Lines {"a", "b", "", "c"});
    CHECK(Split("\r\n\r\n") == Lines {"", ""});
    CHECK(Split("") == Lines {});

    // The CR alone completes the line: the answer must not wait for the LF.
    CLineSplitter splitter(100);
    std::string line;
    for (char c : std::string("TURN 1,2"))
        CHECK_FALSE(splitter.Push(c, line));
    REQUIRE(splitter.Push('\r', line));
    CHECK(line == "TURN 1,2");
    CHECK_FALSE(splitter.Push('\n', line));
    CHECK_FALSE(splitter.Finish(line));
}

TEST_CASE("an overlong line is kept one byte past the limit, and the next line is whole again")
{
    const std::string longLine(5000, 'A');
    const Lines lines = Split(longLine + "\nEND\n", 10);
    REQUIRE(lines.size() == 2);
    CHECK(lines[0] == std::string(11, 'A'));
    CHECK(lines[1] == "END");
    CHECK(Split("0123456789\n", 10) == Lines {"0123456789"});
}

TEST_CASE("numbers are plain decimal digits within 32 bits")
{
    uint32_t v = 7;
    CHECK_FALSE(ParseNumber("0", v));
    CHECK(v == 0);
    CHECK_FALSE(ParseNumber("4294967295", v));
    CHECK(v == 4294967295u);
    CHECK_FALSE(ParseNumber("00012", v));
    CHECK(v == 12);

    for (const char* bad : {"", "-1", "+1", "1.5", " 1", "1 ", "0x10", "12a", "\x01"}) {
        v = 99;
        CAPTURE(bad);
        CHECK(ParseNumber(bad, v).has_value());
        CHECK(v == 99);
    }
    CHECK(ParseNumber("4294967296", v)->find("too large") != std::string::npos);
    CHECK(ParseNumber(std::string(400, '9'), v)->find("too large") != std::string::npos);
    CHECK(v == 99);
    // A message quotes at most a short, printable piece of the input.
    const std::string reason = *ParseNumber(std::string(300, 'z') + "\n", v);
    CHECK(reason.size() < 60);
    CHECK(reason.find('\n') == std::string::npos);
}

TEST_CASE("number lists take exactly their count, with blanks around the numbers")
{
    uint32_t v[3] = {};
    CHECK_FALSE(ParseNumberList("3,4", v, 2));
    CHECK((v[0] == 3 && v[1] == 4));
    CHECK_FALSE(ParseNumberList(" 5 ,\t6 , 2 ", v, 3));
    CHECK((v[0] == 5 && v[1] == 6 && v[2] == 2));
    for (const char* bad : {"3", "3,", ",3", "3,4,5", "3;4", "3 4", "", ",", "3,,4"}) {
        CAPTURE(bad);
        CHECK(ParseNumberList(bad, v, 2).has_value());
    }
}

TEST_CASE("a command line splits into its word and the rest; words match without case")
{
    const CommandLine c = SplitCommand("  TURN \t 10,10  ");
    CHECK(c.word == "TURN");
    CHECK(c.rest == "10,10");
    CHECK(SplitCommand("BEGIN").rest.empty());
    CHECK(SplitCommand("   ").word.empty());
    CHECK(SameWord("rectStart", "RECTSTART"));
    CHECK_FALSE(SameWord("STAR", "START"));
    CHECK_FALSE(SameWord("START2", "START"));
}
