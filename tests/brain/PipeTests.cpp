// The built program on real pipes: line ends, flushing, garbage, exit.
#include "BrainProcess.h"
#include "LineSplitter.h"
#include "ProtocolParse.h"
#include "SessionHelpers.h"

#include <doctest/doctest.h>

#include <random>

namespace {

// The next answer line without its CR LF; fails the test when no line came
// or it did not end in CR LF.
std::string Answer(CBrainProcess& brain)
{
    const std::optional<std::string> line = brain.ReadLine();
    REQUIRE_MESSAGE(line.has_value(), "no answer from the brain");
    REQUIRE_MESSAGE(line->size() >= 2, "short line: ", *line);
    REQUIRE_MESSAGE(line->compare(line->size() - 2, 2, "\r\n") == 0, "not CR LF: ", *line);
    return line->substr(0, line->size() - 2);
}

}  // namespace

TEST_CASE("a session over pipes with CR LF, LF and lone CR line ends, ended by END")
{
    CBrainProcess brain(PBRAIN_PATH);
    REQUIRE(brain.Send("ABOUT\r\nSTART 20\r\nBEGIN\r\nTURN 10,10\nfoo\nTURN 999999999999,1\r\n"
                       "TURN 10,10\rINFO timeout_turn 1000\r\n\r\n\nTAKEBACK 10,10\r\nRECTSTART 30,3\n"));
    CHECK(Answer(brain) == "name=\"Quinterra\", version=\"1.08\", country=\"CZ\"");
    CHECK(Answer(brain) == "OK");
    CHECK(Answer(brain) == "4,4");
    CHECK(Answer(brain) == EngineReply(20, 20, {{4, 4, Computer}, {10, 10, Human}}));
    CHECK(Answer(brain) == "UNKNOWN command \"foo\" is not supported");
    CHECK(Answer(brain) == "ERROR TURN: \"999999999999\" is too large");
    CHECK(Answer(brain) == "ERROR TURN: square 10,10 is taken");
    CHECK(Answer(brain) == "OK");
    CHECK(StartsWith(Answer(brain), "ERROR unsupported board size 30x3"));
    REQUIRE(brain.Send("END\r\nABOUT\r\n"));
    CHECK(brain.ReadRest() == "");
    CHECK(brain.Wait() == 0);
}

TEST_CASE("each answer comes at once, without waiting for more input")
{
    CBrainProcess brain(PBRAIN_PATH);
    REQUIRE(brain.Send("START 20\n"));
    CHECK(Answer(brain) == "OK");
    // A lone CR ends the line: the answer must not wait for an LF.
    REQUIRE(brain.Send("BEGIN\r"));
    CHECK(Answer(brain) == "4,4");
    REQUIRE(brain.Send("\nTURN 10,10\r\n"));
    CHECK(Answer(brain) == EngineReply(20, 20, {{4, 4, Computer}, {10, 10, Human}}));
    // End of input without END: the last line still counts, and the exit is clean.
    REQUIRE(brain.Send("TAKEBACK 10,10"));
    brain.CloseInput();
    CHECK(Answer(brain) == "OK");
    CHECK(brain.ReadRest() == "");
    CHECK(brain.Wait() == 0);
}

TEST_CASE("binary garbage and a megabyte line do not stop the brain or break its answers")
{
    CBrainProcess brain(PBRAIN_PATH);
    REQUIRE(brain.Send("START 10\n"));
    CHECK(Answer(brain) == "OK");

    // Garbage without letters cannot spell a command: every line of it that is
    // not blank must be answered with exactly one UNKNOWN or ERROR line.
    std::mt19937 random(7);
    static const char bytes[] = "0123456789,,,  \t\r\n\n-+.\0\x01\x7f\x80\xff";
    const std::string alphabet(bytes, sizeof bytes - 1);
    std::string garbage;
    for (int i = 0; i < 200000; ++i)
        garbage += alphabet[random() % alphabet.size()];
    garbage += "\n" + std::string(1 << 20, '5') + "\n";
    REQUIRE(brain.Send(garbage));
    REQUIRE(brain.Send("TURN 5,5\nEND\n"));

    std::string rest = brain.ReadRest();
    CHECK(brain.Wait() == 0);
    // The last two answers: the overlong line and the move.
    const std::string tail =
        "ERROR line too long: at most 1000 characters\r\n" + EngineReply(10, 10, {{5, 5, Human}}) + "\r\n";
    REQUIRE(rest.size() >= tail.size());
    CHECK(rest.compare(rest.size() - tail.size(), tail.size(), tail) == 0);
    rest.erase(rest.size() - tail.size());
    size_t lines = 0;
    for (size_t start = 0; start < rest.size();) {
        const size_t end = rest.find("\r\n", start);
        REQUIRE(end != std::string::npos);
        const std::string line = rest.substr(start, end - start);
        CAPTURE(line);
        CHECK((StartsWith(line, "UNKNOWN ") || StartsWith(line, "ERROR ")));
        CHECK(line.find('\n') == std::string::npos);
        ++lines;
        start = end + 2;
    }
    // As many answers as the garbage has lines that are not blank.
    CLineSplitter splitter(CBrainSession::maxLineLength);
    size_t expected = 0;
    std::string line;
    for (char c : garbage.substr(0, garbage.size() - (1 << 20) - 2))
        if (splitter.Push(c, line) && !TrimBlanks(line).empty())
            ++expected;
    if (splitter.Push('\n', line) && !TrimBlanks(line).empty())
        ++expected;
    CHECK(expected > 1000);
    CHECK(lines == expected);
}
