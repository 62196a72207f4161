// The brain protocol, driven line by line without a process.
#include "SessionHelpers.h"

#include <doctest/doctest.h>

#include <random>

TEST_CASE("START and RECTSTART take sides of 5 to 100 and refuse the rest, keeping the game")
{
    CBrainSession s;
    CHECK(Ask(s, "START 5") == "OK");
    CHECK((s.Game()->width == 5 && s.Game()->height == 5));
    CHECK(Ask(s, "RECTSTART 100,5") == "OK");
    CHECK((s.Game()->width == 100 && s.Game()->height == 5));
    CHECK(Ask(s, "START 100") == "OK");
    CHECK(Ask(s, "RECTSTART 7 , 9") == "OK");
    CHECK((s.Game()->width == 7 && s.Game()->height == 9));
    CHECK(Ask(s, "TURN 3,3") != "");
    const std::string before = Stones(*s.Game());

    for (const char* bad : {"START 4", "START 101", "START 0", "START", "START abc", "START 4294967296",
             "START 20,20", "START -20", "RECTSTART 20", "RECTSTART 4,20", "RECTSTART 20,101", "RECTSTART",
             "RECTSTART 20,20,20", "RECTSTART 99999999999,5"}) {
        CAPTURE(bad);
        CHECK(StartsWith(Ask(s, bad), "ERROR "));
        CHECK((s.Game()->width == 7 && s.Game()->height == 9));
        CHECK(Stones(*s.Game()) == before);
    }

    // START in the middle of a game begins a new one, of the new size.
    CHECK(Ask(s, "START 20") == "OK");
    CHECK(s.Game()->freeCells == 400);
    CHECK(Ask(s, "BEGIN") == "4,4");
}

TEST_CASE("before START every game command is refused; ABOUT, INFO and END still work")
{
    CBrainSession s;
    for (const char* early : {"BEGIN", "TURN 1,1", "TAKEBACK 1,1", "RESTART"}) {
        CAPTURE(early);
        CHECK(StartsWith(Ask(s, early), "ERROR "));
        CHECK(s.Game() == nullptr);
    }
    // One ERROR for a refused BOARD, and its lines are not read as commands.
    CHECK(Session(s, {"BOARD", "1,1,1", "2,2,2", "junk", "DONE"}).size() == 1);
    CHECK(Ask(s, "INFO timeout_turn 5000") == "");
    CHECK(Ask(s, "ABOUT") == "name=\"Quinterra\", version=\"1.08\", country=\"CZ\"");
    CHECK(s.Game() == nullptr);
    CHECK(Ask(s, "START 10") == "OK");
    CHECK(Ask(s, "END") == "");
    CHECK(s.Ended());
    CHECK(Ask(s, "ABOUT") == "");
    CHECK(Ask(s, "TURN 1,1") == "");
}

TEST_CASE("the brain answers as the game's computer: known openings")
{
    CBrainSession s;
    CHECK(Ask(s, "START 20") == "OK");
    CHECK(Ask(s, "BEGIN") == "4,4");
    CHECK(Ask(s, "RESTART") == "OK");
    CHECK(s.Game()->freeCells == 400);
    CHECK(Ask(s, "TURN 10,10") == "9,9");
    CHECK(Ask(s, "RESTART") == "OK");
    CHECK(Ask(s, "TURN 0,0") == "4,4");
    CHECK(s.Game()->CellAt(0, 0)->owner == Human);
    CHECK(s.Game()->CellAt(4, 4)->owner == Computer);
    // Command words in any case, blanks around the parts.
    CHECK(Ask(s, "restart") == "OK");
    CHECK(Ask(s, "  turn  10 , 10 ") == "9,9");
}

TEST_CASE("every reply is ChooseMove(Computer) on the same stones, to the end of the game")
{
    struct Size {
        uint32_t w, h;
    };
    for (const Size size : {Size {20, 20}, Size {10, 10}, Size {7, 5}, Size {100, 100}, Size {5, 100}}) {
        for (unsigned seed = 1; seed <= 3; ++seed) {
            CAPTURE(size.w);
            CAPTURE(size.h);
            CAPTURE(seed);
            CBrainSession s;
            REQUIRE(Ask(s, "RECTSTART " + std::to_string(size.w) + "," + std::to_string(size.h)) == "OK");
            std::mt19937 random(seed);
            std::vector<Stone> stones;
            bool over = false;
            while (!over) {
                // The manager plays a random free square.
                uint32_t x, y;
                do {
                    x = random() % size.w;
                    y = random() % size.h;
                } while (s.Game()->CellAt(x, y)->owner != Nobody);
                stones.push_back({x, y, Human});
                const std::string answer = Ask(s, "TURN " + std::to_string(x) + "," + std::to_string(y));
                CEngine check;
                InitBoard(check, size.w, size.h);
                PlaceStones(check, stones);
                check.CheckOutcome();
                if (check.state == Won || check.state == BoardFull) {
                    CHECK(StartsWith(answer, "ERROR your move ends the game"));
                    break;
                }
                REQUIRE(answer == EngineReply(size.w, size.h, stones));
                const Cell* reply = check.ChooseMove(Computer);
                stones.push_back({reply->x, reply->y, Computer});
                check.Place(Computer, check.CellAt(reply->x, reply->y));
                check.CheckOutcome();
                over = check.state == Won || check.state == BoardFull;
                if (stones.size() > 60 && size.w * size.h > 1000)
                    break;  // long enough on the large boards
            }
            CHECK(RecountMismatch(*s.Game()) == "");
            CHECK(Stones(*s.Game()) == [&] {
                CEngine e;
                InitBoard(e, size.w, size.h);
                PlaceStones(e, stones);
                return Stones(e);
            }());
            if (over)
                CHECK(StartsWith(Ask(s, "TURN 0,0"), "ERROR the game is over"));
        }
    }
}
