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

}  // namespace

TEST_CASE("a turn is the cross where the player clicked and at once the computer's circle")
{
    CGame g(12, 7);
    CHECK(CommandLetters(g) == "---H");
    g.PlayAt(9, 2);
    const TurnRecord t = g.record[0];
    CHECK(std::pair {t.humanX, t.humanY} == std::pair {9u, 2u});
    CHECK(g.CellAt(t.replyX, t.replyY)->owner == Computer);
    CHECK(CommandLetters(g) == "NU-H");
    const SavedGame saved = g.Snapshot();  // a file holds each flag as 0 or 1
    CHECK(std::pair {saved.lastHasHuman, saved.lastHasReply} == std::pair {1, 1});
    CHECK(saved.record == std::vector {t});
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

TEST_CASE("undo and redo walk the record; a new move after undo drops the rest")
{
    CGame g(12, 7);
    for (auto [x, y] : {std::pair {2u, 1u}, {7u, 5u}, {10u, 3u}})
        g.PlayAt(x, y);
    g.Undo();
    g.Undo();
    CHECK(CommandLetters(g) == "NURH");
    g.Undo();  // the first turn too: the walk seldom takes every turn back
    CHECK(CommandLetters(g) == "N-RH");
    g.Redo();
    g.PlayAt(0, 6);
    CHECK(std::pair {g.currentTurn, g.lastTurn} == std::pair {1, 1});
    CHECK(CommandLetters(g) == "NU-H");
}

TEST_CASE("a game ends in a five for either side or on a full board; undo reopens it, redo ends it again")
{
    const struct {
        SavedGame game;
        GameState end;
        bool five;
        uint32_t lastStones;
    } games[] = {{WonAcrossTheTop(12, 7), Won, true, 1}, {ComputerWon(), Won, true, 2},
        {FilledWithoutFive(10, 6), BoardFull, false, 2},
        {FilledWithoutFive(11, 5), BoardFull, false, 1}};  // odd: the last turn is the cross alone
    for (const auto& [saved, end, five, lastStones] : games) {
        INFO(saved.width, " x ", saved.height, ", ", lastStones, " stones in the last turn");
        CGame g(20, 20);
        g.Adopt(saved);
        REQUIRE(g.state == end);
        CHECK(bool(g.winningFive) == five);
        CHECK(CommandLetters(g) == "NU--");
        const uint32_t freeAtEnd = g.freeCells;

        g.Undo();
        CHECK(g.state == InPlay);
        CHECK(g.winningFive == nullptr);
        CHECK(CommandLetters(g) == "NURH");
        CHECK(g.freeCells == freeAtEnd + lastStones);

        g.Redo();
        CHECK(g.state == end);

        // The same move again ends the game the same way.
        g.Undo();
        const TurnRecord last = saved.record.back();
        g.PlayAt(last.humanX, last.humanY);
        CHECK(g.state == end);
        CHECK(RecountMismatch(g) == "");
    }
}
