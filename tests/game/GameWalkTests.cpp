// Any sequence of moves, hints, undos, redos and new games keeps the record,
// the engine, the squares drawn and the commands in step; and what a game
// saves it takes back whole. The clock runs only in play.
#include "Game.h"
#include "RecordReplay.h"
#include "SampleGames.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <map>
#include <random>
#include <string>
#include <tuple>

namespace {

// What the board view shows of each square, drawn as the game reported it.
struct Shown {
    Player owner = Nobody;
    SquareStyle style = Normal;
    bool operator==(const Shown&) const = default;
};
using Canvas = std::map<std::pair<uint32_t, uint32_t>, Shown>;

void Draw(Canvas& canvas, const SquareDraws& draws)
{
    for (const SquareDraw& d : draws) {
        Shown& square = canvas[{d.x, d.y}];
        if (d.style == MarkOnly)
            square.owner = d.owner;  // onto the square as it is
        else
            square = {d.owner, d.style};
    }
    std::erase_if(canvas, [](const auto& entry) { return entry.second == Shown {}; });
}

// "" when the engine holds exactly the record's turns up to the current one,
// replayed in order on an empty board.
std::string RecordMismatch(const CGame& g)
{
    CEngine replay;
    InitBoard(replay, g.width, g.height);
    if (std::string problem = ReplayTurns(replay, g.Snapshot(), g.record.get(), g.currentTurn);
        !problem.empty())
        return problem;
    replay.state = g.state == NotStarted || replay.state != NotStarted ? replay.state : InPlay;
    return EngineDifference(g, replay);
}

}  // namespace

TEST_CASE("after any moves, hints, undos, redos and new games the record, engine, picture and commands agree")
{
    for (auto [width, height, seed] : {std::tuple {11u, 5u, 2u}, {12u, 8u, 1u}, {30u, 25u, 3u}}) {
        CAPTURE(seed);
        CGame g(width, height);
        Canvas drawn;
        std::mt19937 random(seed);
        auto below = [&](uint32_t n) { return uint32_t(random() % n); };
        for (int step = 0; step < 400; ++step) {
            CAPTURE(step);
            const CommandStates before = g.Commands();
            const uint32_t op = below(40);
            GameChange change;
            if (op < 8)
                change = g.PlayAt(below(width), below(height));
            else if (op < 26)
                change = g.Hint();
            else if (op < 34)
                change = g.Undo();
            else if (op < 39)
                change = g.Redo();
            else
                change = g.NewGame();
            REQUIRE(RecordMismatch(g) == "");
            REQUIRE(RecountMismatch(g) == "");
            Draw(drawn, change.squares);
            Canvas painted;
            Draw(painted, g.Picture());
            REQUIRE(drawn == painted);
            REQUIRE(change.commandsChanged == (g.Commands() != before));
        }
    }
}

TEST_CASE("the picture: older turns grey, the newest white, the five yellow but for the newest move")
{
    CGame g(12, 7);
    SavedGame beforeTheEnd = WonAcrossTheTop(12, 7);
    beforeTheEnd.currentTurn = 3;
    g.Adopt(beforeTheEnd);
    Canvas seen;
    Draw(seen, g.Picture());
    CHECK(seen.at({1, 5}) == Shown {Computer, Normal});
    CHECK(seen.at({3, 5}) == Shown {Computer, LastMove});
    CHECK(seen.at({3, 0}) == Shown {Human, LastMove});
    CHECK(seen.size() == 8);
    g.Redo();
    seen.clear();
    Draw(seen, g.Picture());
    CHECK(seen.at({3, 5}) == Shown {Computer, Normal});
    for (uint32_t x = 0; x < 4; ++x)
        CHECK(seen.at({x, 0}) == Shown {Human, WinningFive});
    CHECK(seen.at({4, 0}) == Shown {Human, LastMove});
    CHECK(g.WinningFiveSquares().size() == 5);
}

TEST_CASE("New applies once the game started or has a file, and a new game forgets the file")
{
    CGame g(12, 7);
    auto newGame = [&g] { return g.Commands().newGame; };
    CHECK_FALSE(newGame());
    CHECK(g.Saved().commandsChanged);
    CHECK(newGame());
    g.Hint();
    g.Tick(true);
    g.NewGame();
    CHECK_FALSE(newGame());
    CHECK(g.clock == 0);  // the new game's clock starts from nothing
    g.Adopt(CGame(10, 5).Snapshot());
    CHECK(newGame());
}

TEST_CASE("what a game saves it takes back whole: stones, turns, view, clock and outcome")
{
    CGame played(14, 9);
    for (int i = 0; i < 6; ++i)
        played.Hint();
    played.Undo();
    played.Undo();
    played.SetView({3, 2, 9, 6});
    for (int i = 0; i < 7; ++i)
        played.Tick(true);
    const SavedGame saved = played.Snapshot();
    CHECK(std::tuple {saved.width, saved.height, saved.record.size(), saved.currentTurn, saved.clock}
        == std::tuple {14u, 9u, size_t(6), 3, 7});
    CHECK(saved.view == ViewPlace {3, 2, 9, 6});

    CGame taken(20, 20);
    taken.Adopt(saved);
    CHECK(taken.Snapshot() == saved);
    CHECK(EngineDifference(taken, played) == "");
    taken.Redo();
    played.Redo();
    CHECK(EngineDifference(taken, played) == "");
}

TEST_CASE("a loaded game whose record cannot be replayed is refused")
{
    CGame g(12, 7);
    const SavedGame stacked {{0, 0, 1, 1, 0, {0, 0, 12, 7}}, 12, 7, {{5, 5, 5, 5}}};
    CHECK_THROWS_AS(g.Adopt(stacked), CGame::ExOpen);
}

// Whether a tick counts is the clock's own rule; the game decides only when
// it is in play.
TEST_CASE("a game saved before its clock ever ticked waits for a move, even taken back")
{
    CGame g(12, 7);
    SavedGame untimed = WonAcrossTheTop(12, 7);
    untimed.currentTurn = 3;
    untimed.clock = 0;
    g.Adopt(untimed);
    g.Undo();
    g.Tick(true);
    CHECK(g.clock == 0);
}

TEST_CASE("a view is kept on the board, columns within its width and rows within its height")
{
    CGame g(30, 25);
    CHECK(g.View() == ViewPlace {0, 0, 30, 25});  // a new game shows it whole until told otherwise
    const struct {
        ViewPlace asked, shown;
    } cases[] = {{{25, 22, 10, 5}, {20, 20, 10, 5}}, {{3, 4, 50, 40}, {0, 0, 30, 25}},
        {{29, 24, 1, 1}, {29, 24, 1, 1}}, {{0xFFFFFFFF, 7, 12, 25}, {18, 0, 12, 25}}};
    for (const auto& c : cases) {
        g.SetView(c.asked);
        CHECK(g.View() == c.shown);
    }
}
