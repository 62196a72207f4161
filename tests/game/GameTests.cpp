// One game under its rules: turns, the ends of the record, finished games
// and the commands that apply, each as a table of moves and what follows.
#include "Game.h"
#include "SampleGames.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <string>

namespace {

// New game, Undo, Redo, Hint as letters, "-" for a greyed command.
std::string CommandLetters(const CGame& g)
{
    const CommandStates s = g.Commands();
    return {s.newGame ? 'N' : '-', s.undo ? 'U' : '-', s.redo ? 'R' : '-', s.hint ? 'H' : '-'};
}

// A game the computer won with a column on the right, the crosses scattered.
const SavedGame ComputerWon {{4, 4, 1, 1, 30, {0, 0, 12, 7}}, 12, 7,
    {{0, 0, 11, 0}, {2, 3, 11, 1}, {4, 6, 11, 2}, {6, 0, 11, 3}, {8, 3, 11, 4}}};

}  // namespace

TEST_CASE("a turn is the cross where the player clicked and at once the computer's circle")
{
    CGame g(12, 7);
    CHECK(CommandLetters(g) == "---H");
    const GameChange change = g.PlayAt(9, 2);
    REQUIRE(g.lastTurn == 0);
    CHECK(g.currentTurn == 0);
    const TurnRecord t = g.record[0];
    CHECK(std::pair {t.humanX, t.humanY} == std::pair {9u, 2u});
    CHECK(g.CellAt(9, 2)->owner == Human);
    REQUIRE(g.lastHasReply);
    CHECK(g.CellAt(t.replyX, t.replyY)->owner == Computer);
    CHECK(g.state == InPlay);
    CHECK(CommandLetters(g) == "NU-H");
    CHECK(change.commandsChanged);
    CHECK(change.squares
        == SquareDraws {{9, 2, Human, LastMove}, {t.replyX, t.replyY, Computer, LastMove}});
    const SavedGame saved = g.Snapshot();
    CHECK(saved.record == std::vector {t});
    CHECK(std::pair {saved.lastHasHuman, saved.lastHasReply} == std::pair {1, 1});

    // The next turn shows the older one grey again, then the new one white.
    const GameChange next = g.PlayAt(1, 5);
    const TurnRecord u = g.record[1];
    CHECK(next.squares
        == SquareDraws {{9, 2, Human, Normal}, {t.replyX, t.replyY, Computer, Normal}, {1, 5, Human, LastMove},
            {u.replyX, u.replyY, Computer, LastMove}});
    CHECK_FALSE(next.commandsChanged);

    // A taken square plays nothing.
    for (auto [x, y] : {std::pair {9u, 2u}, {u.replyX, u.replyY}}) {
        const GameChange none = g.PlayAt(x, y);
        CHECK(none.squares.empty());
        CHECK(g.lastTurn == 1);
    }
}

TEST_CASE("a hint plays the engine's choice for the player as the player's own turn")
{
    CGame g(12, 7);
    g.PlayAt(3, 1);
    const Cell* advised = g.ChooseMove(Human);
    g.Hint();
    CHECK(g.record[1].humanX == advised->x);
    CHECK(g.record[1].humanY == advised->y);
    CHECK(advised->owner == Human);
}

TEST_CASE("undo and redo walk the record to its ends; a new move after undo drops the rest")
{
    CGame g(12, 7);
    CHECK(g.Undo().squares.empty());
    CHECK(g.Redo().squares.empty());
    for (auto [x, y] : {std::pair {2u, 1u}, {7u, 5u}, {10u, 3u}})
        g.PlayAt(x, y);
    const TurnRecord first = g.record[0], second = g.record[1];

    const GameChange back = g.Undo();
    CHECK(g.currentTurn == 1);
    CHECK(g.lastTurn == 2);
    CHECK(g.CellAt(10, 3)->owner == Nobody);
    CHECK(CommandLetters(g) == "NURH");
    CHECK(back.commandsChanged);
    CHECK(back.squares.back() == SquareDraw {second.replyX, second.replyY, Computer, LastMove});
    g.Undo();
    g.Undo();
    CHECK(g.currentTurn == -1);
    CHECK(g.freeCells == 12 * 7);
    CHECK(CommandLetters(g) == "N-RH");
    CHECK(g.Undo().squares.empty());

    g.Redo();
    CHECK(g.currentTurn == 0);
    CHECK(g.CellAt(first.replyX, first.replyY)->owner == Computer);
    CHECK(CommandLetters(g) == "NURH");
    g.Redo();
    g.Redo();
    CHECK(CommandLetters(g) == "NU-H");
    CHECK(g.Redo().squares.empty());
    CHECK(RecountMismatch(g) == "");

    g.Undo();
    g.Undo();
    g.PlayAt(0, 6);
    CHECK(g.currentTurn == 1);
    CHECK(g.lastTurn == 1);
    CHECK(CommandLetters(g) == "NU-H");
    CHECK(g.CellAt(7, 5)->owner == Nobody);
}

TEST_CASE("a game ends in a five for either side or on a full board; undo reopens it, redo ends it again")
{
    const struct {
        SavedGame game;
        GameState end;
        bool five;
        uint32_t lastStones;
    } games[] = {
        {WonAcrossTheTop(12, 7), Won, true, 1},
        {ComputerWon, Won, true, 2},
        {FilledWithoutFive(11, 5), BoardFull, false, 1},  // odd: the last turn is the cross alone
        {FilledWithoutFive(10, 6), BoardFull, false, 2},
    };
    for (const auto& [saved, end, five, lastStones] : games) {
        CAPTURE(saved.width);
        CAPTURE(saved.record.back().replyX);
        CGame g(20, 20);
        g.Adopt(saved);
        REQUIRE(g.state == end);
        CHECK(bool(g.winningFive) == five);
        CHECK(CommandLetters(g) == "NU--");
        CHECK(g.PlayAt(saved.width - 1, saved.height - 1).squares.empty());
        CHECK(g.Hint().squares.empty());
        const uint32_t freeAtEnd = g.freeCells;

        const GameChange back = g.Undo();
        CHECK(g.state == InPlay);
        CHECK(g.winningFive == nullptr);
        CHECK(CommandLetters(g) == "NURH");
        CHECK(back.commandsChanged);
        CHECK(g.freeCells == freeAtEnd + lastStones);

        g.Redo();
        CHECK(g.state == end);
        CHECK(bool(g.winningFive) == five);
        CHECK(CommandLetters(g) == "NU--");

        // The same move again ends the game the same way.
        g.Undo();
        const TurnRecord last = saved.record.back();
        g.PlayAt(last.humanX, last.humanY);
        CHECK(g.state == end);
        CHECK(RecountMismatch(g) == "");
    }
}
