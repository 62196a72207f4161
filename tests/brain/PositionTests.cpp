// BOARD, TAKEBACK and the end of a game through the protocol.
#include "SessionHelpers.h"

#include <doctest/doctest.h>

namespace {

std::string Line(uint32_t x, uint32_t y, int field)
{
    return std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(field);
}

}  // namespace

TEST_CASE("BOARD sets up the whole position and the brain answers it")
{
    CBrainSession s;
    REQUIRE(Ask(s, "START 20") == "OK");
    REQUIRE(Ask(s, "TURN 15,15") != "");
    // Field 1 is the brain's own stone, 2 the manager's, 3 takes no part.
    const auto answers = Session(s, {"BOARD", "10,10,2", " 11 , 10 , 1 ", "", "3,3,3", "12,12,2", "done"});
    REQUIRE(answers.size() == 1);
    const std::vector<Stone> stones = {{10, 10, Human}, {11, 10, Computer}, {12, 12, Human}};
    CHECK(answers[0] == EngineReply(20, 20, stones));
    CHECK(s.Game()->CellAt(15, 15)->owner == Nobody);  // the old game is gone
    CHECK(s.Game()->CellAt(3, 3)->owner == Nobody);
    CHECK(s.Game()->freeCells == 400 - 4);
    CHECK(RecountMismatch(*s.Game()) == "");

    // An empty BOARD is the empty board: the brain opens.
    CHECK(Session(s, {"BOARD", "DONE"}) == std::vector<std::string> {"4,4"});
}

TEST_CASE("a bad BOARD line gets its own ERROR and is left out; the rest of the position stands")
{
    CBrainSession s;
    REQUIRE(Ask(s, "START 20") == "OK");
    REQUIRE(Ask(s, "BOARD") == "");
    CHECK(Ask(s, "10,10,2") == "");
    for (const char* bad : {"10,10,1", "20,0,1", "0,20,2", "1,1,0", "1,1,4", "1,1", "1,1,1,1", "x,y,z",
             "4294967296,1,1", "TURN 1,1", "BOARD", "-1,0,1"}) {
        CAPTURE(bad);
        CHECK(StartsWith(Ask(s, bad), "ERROR BOARD line"));
    }
    CHECK(Ask(s, std::string(CBrainSession::maxLineLength + 1, '1'))
        == "ERROR line too long: at most 1000 characters");
    CHECK(Ask(s, "11,11,1") == "");
    CHECK(Ask(s, "DONE") == EngineReply(20, 20, {{10, 10, Human}, {11, 11, Computer}}));
    CHECK(s.Game()->freeCells == 400 - 3);

    // BOARD with an argument is refused whole: one ERROR, its lines dropped,
    // the game as it was.
    const std::string before = Stones(*s.Game());
    CHECK(Session(s, {"BOARD now", "1,1,1", "junk", std::string(5000, 'A'), "DONE"}).size() == 1);
    CHECK(Stones(*s.Game()) == before);

    // END inside a BOARD block still ends the brain.
    CHECK(Session(s, {"BOARD", "1,1,1", "End now", "DONE"}).empty());
    CHECK(s.Ended());
}

TEST_CASE("TAKEBACK lifts either side's stone; the next reply is the one without it")
{
    CBrainSession s;
    REQUIRE(Ask(s, "START 20") == "OK");
    REQUIRE(Ask(s, "TURN 10,10") == "9,9");
    CHECK(Ask(s, "TAKEBACK 9,9") == "OK");
    CHECK(Ask(s, "TAKEBACK 10,10") == "OK");
    CHECK(s.Game()->freeCells == 400);
    CHECK(s.Game()->state == NotStarted);
    CHECK(Ask(s, "BEGIN") == "4,4");
    CHECK(Ask(s, "TURN 7,3") == EngineReply(20, 20, {{4, 4, Computer}, {7, 3, Human}}));
    CHECK(RecountMismatch(*s.Game()) == "");

    for (const char* bad : {"TAKEBACK 0,0", "TAKEBACK 20,0", "TAKEBACK", "TAKEBACK 1", "TAKEBACK a,b"}) {
        CAPTURE(bad);
        CHECK(StartsWith(Ask(s, bad), "ERROR TAKEBACK"));
    }
}

TEST_CASE("the manager's five ends the game with an ERROR, and a TAKEBACK opens it again")
{
    CBrainSession s;
    REQUIRE(Ask(s, "START 20") == "OK");
    // An open four of the manager's on row 5: the brain can block one end only.
    const std::string block =
        Session(s, {"BOARD", "2,5,2", "3,5,2", "4,5,2", "5,5,2", "10,10,1", "DONE"}).at(0);
    REQUIRE((block == "1,5" || block == "6,5"));
    const std::string other = block == "1,5" ? "6,5" : "1,5";
    CHECK(Ask(s, "TURN " + other) == "ERROR your move ends the game: five in a row");
    CHECK(s.Game()->state == Won);
    CHECK(Ask(s, "TURN 15,15") == "ERROR the game is over: five in a row");
    CHECK(Ask(s, "BEGIN") == "ERROR BEGIN needs an empty board; BOARD sets up a position");
    CHECK(s.Game()->CellAt(15, 15)->owner == Nobody);

    CHECK(Ask(s, "TAKEBACK " + other) == "OK");
    CHECK(s.Game()->state == InPlay);
    CHECK(s.Game()->winningFive == nullptr);
    CHECK(Ask(s, "TURN 15,15") != "");
    CHECK(s.Game()->state == InPlay);
}

TEST_CASE("the brain's own five is played, and the game is over after it")
{
    CBrainSession s;
    REQUIRE(Ask(s, "START 20") == "OK");
    const std::vector<std::string> setup = {"BOARD", Line(8, 3, 1), Line(8, 4, 1), Line(8, 5, 1),
        Line(8, 6, 1), Line(1, 1, 2), Line(2, 1, 2), Line(3, 1, 2), Line(4, 1, 2), "DONE"};
    const std::string win = Session(s, setup).at(0);
    // Completing its own four ranks above blocking the manager's.
    CHECK((win == "8,2" || win == "8,7"));
    CHECK(s.Game()->state == Won);
    CHECK(Ask(s, "TURN 0,1") == "ERROR the game is over: five in a row");

    // A BOARD that holds a five already is installed, and answered with ERROR.
    const auto answers = Session(s, {"BOARD", "0,0,2", "1,1,2", "2,2,2", "3,3,2", "4,4,2", "DONE"});
    CHECK(answers == std::vector<std::string> {"ERROR the game is over: five in a row"});
    CHECK(s.Game()->freeCells == 395);
    CHECK(Ask(s, "TAKEBACK 2,2") == "OK");
    CHECK(Ask(s, "TURN 2,2") == "ERROR your move ends the game: five in a row");
}

TEST_CASE("a full board: no move is ever answered into it")
{
    // A 5 x 5 filling without five in a row: owners alternate in pairs along
    // the rows and every row along the columns.
    auto fieldAt = [](uint32_t x, uint32_t y) { return (x / 2 + y) % 2 ? 1 : 2; };
    std::vector<std::string> board = {"BOARD"};
    for (uint32_t y = 0; y < 5; ++y)
        for (uint32_t x = 0; x < 5; ++x)
            if (!(y == 4 && x >= 3))
                board.push_back(Line(x, y, fieldAt(x, y)));
    board.push_back("DONE");

    CBrainSession s;
    REQUIRE(Ask(s, "START 5") == "OK");
    const std::string reply = Session(s, board).at(0);
    REQUIRE((reply == "3,4" || reply == "4,4"));
    const std::string last = reply == "3,4" ? "4,4" : "3,4";
    CHECK(Ask(s, "TURN " + last) == "ERROR your move ends the game: no free square is left");
    CHECK(s.Game()->freeCells == 0);
    CHECK(s.Game()->winningFive == nullptr);
    CHECK(Ask(s, "TURN " + last) == "ERROR the game is over: no free square is left");

    // The same position with the brain to fill the last square: it does, and
    // the game is over.
    CHECK(Ask(s, "TAKEBACK " + last) == "OK");
    CHECK(Ask(s, "TAKEBACK " + reply) == "OK");
    CHECK(Ask(s, "TURN " + reply) == last);
    CHECK(s.Game()->state == BoardFull);
}
