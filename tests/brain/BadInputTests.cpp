// Whatever the manager sends wrong gets one ERROR or UNKNOWN line and leaves
// the game exactly as it was.
#include "SessionHelpers.h"

#include <doctest/doctest.h>

namespace {

const std::vector<std::string> opening = {"START 20", "TURN 10,10", "TURN 11,10", "TURN 10,12"};

}  // namespace

TEST_CASE("bad lines: one answer each, and the next reply is the one without them")
{
    struct Bad {
        std::string line;
        std::string answerStart;
    };
    const std::string nul("TURN 1,2\0", 9);
    const std::vector<Bad> bads = {
        {"TURN 10,10", "ERROR TURN: square 10,10 is taken"},
        {"TURN 20,3", "ERROR TURN: square 20,3 is off the 20x20 board"},
        {"TURN 3,20", "ERROR TURN: square 3,20 is off"},
        {"TURN 4294967295,0", "ERROR TURN: square 4294967295,0 is off"},
        {"TURN 4294967296,0", "ERROR TURN: \"4294967296\" is too large"},
        {"TURN 0,123456789012345678901234567890", "ERROR TURN: \"12345678901234567890...\" is too large"},
        {"TURN 1", "ERROR TURN: expected 2 comma-separated numbers"},
        {"TURN 1,2,3", "ERROR TURN: expected 2 numbers, found more"},
        {"TURN a,b", "ERROR TURN: \"a\" is not a number"},
        {"TURN", "ERROR TURN: expected 2"},
        {"TURN -1,0", "ERROR TURN: \"-1\" is not a number"},
        {"TURN +1,0", "ERROR TURN: \"+1\" is not a number"},
        {"TURN 1 2", "ERROR TURN: expected 2"},
        {nul, "ERROR TURN: \"2?\" is not a number"},
        {"TURN 1,2\r", "ERROR TURN: \"2?\" is not a number"},
        {"TAKEBACK 0,0", "ERROR TAKEBACK: square 0,0 is empty"},
        {"TAKEBACK 99,0", "ERROR TAKEBACK: square 99,0 is off"},
        {"BEGIN", "ERROR BEGIN needs an empty board"},
        {"BEGIN 1", "ERROR BEGIN takes no arguments"},
        {"START 4", "ERROR unsupported board size 4x4"},
        {"RECTSTART 3,3", "ERROR unsupported board size 3x3"},
        {"RESTART now", "ERROR RESTART takes no arguments"},
        {"ABOUT x", "ERROR ABOUT takes no arguments"},
        {"INFO", "ERROR INFO needs a key"},
        {"DONE", "ERROR DONE without BOARD"},
        {"garbage", "UNKNOWN command \"garbage\""},
        {"PLAY 1,1", "UNKNOWN command \"PLAY\""},
        {"\x01\x02\x1b[2J", "UNKNOWN command \"???[2J\""},
        {std::string(1001, '7'), "ERROR line too long"},
        {"TURN 1,1" + std::string(2000, ' '), "ERROR line too long"},
    };

    CBrainSession plain;
    Session(plain, opening);
    const std::string nextReply = Ask(plain, "TURN 12,13");

    for (const Bad& bad : bads) {
        CAPTURE(bad.line);
        CBrainSession s;
        Session(s, opening);
        const std::string answer = Ask(s, bad.line);
        CHECK(StartsWith(answer, bad.answerStart));
        CHECK(answer.find('\n') == std::string::npos);
        CHECK(answer.size() < 200);
        CHECK(Ask(s, "TURN 12,13") == nextReply);
        CHECK(EngineDifference(*s.Game(), *plain.Game()) == "");
    }
}

TEST_CASE("blank lines and INFO lines draw no answer and change nothing")
{
    CBrainSession plain;
    Session(plain, opening);
    CBrainSession s;
    Session(s, opening);
    for (const char* quiet : {"", "   ", "\t", "INFO timeout_turn 5000", "INFO timeout_match 0",
             "INFO max_memory 0", "INFO time_left 2147483647", "INFO game_type 1", "INFO rule 1",
             "INFO folder C:\\tmp", "info evaluate 1,1", "INFO folder", "INFO unheard_of_key"}) {
        CAPTURE(quiet);
        CHECK(Ask(s, quiet) == "");
    }
    CHECK(Ask(s, "TURN 12,13") == Ask(plain, "TURN 12,13"));
    CHECK(EngineDifference(*s.Game(), *plain.Game()) == "");
}
