// Random sequences of moves, hints, undos, redos and new games: after every
// step the record, the engine, the menu and the picture must all agree.
#include "Board.h"
#include "BoardChecks.h"
#include "BoardWindows.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <random>
#include <sstream>

namespace {

// What the record says the engine must be: its stones replayed on an empty
// board, with the outcome checked after each; a game not over is InPlay once
// a move has been asked for since the last new game.
std::string RecordMismatch(const CBoard& b, bool started)
{
    std::ostringstream out;
    if (b.currentTurn < -1 || b.currentTurn > b.lastTurn || b.lastTurn >= int32_t(b.RecordRoom())) {
        out << "turns " << b.currentTurn << " of " << b.lastTurn;
        return out.str();
    }
    CEngine replay;
    InitBoard(replay, b.width, b.height);
    for (int32_t i = 0; i <= b.currentTurn; ++i) {
        const TurnRecord& t = b.record[i];
        for (bool reply : {false, true}) {
            if (reply ? !b.HoldsReply(i) : !b.HoldsHuman(i))
                continue;
            Cell* c = replay.CellAt(reply ? t.replyX : t.humanX, reply ? t.replyY : t.humanY);
            if (c->owner != Nobody || replay.state == Won || replay.state == BoardFull) {
                out << "turn " << i << " cannot be replayed";
                return out.str();
            }
            replay.Place(reply ? Computer : Human, c);
            replay.CheckOutcome();
        }
    }
    if (replay.state == NotStarted && started)
        replay.state = InPlay;
    const std::string d = EngineDifference(b, replay);
    return d.empty() ? "" : "engine and record: " + d;
}

std::string MenuModel(const CBoard& b, bool newEnabled)
{
    std::string s = newEnabled ? "New" : "";
    auto add = [&](bool on, const char* name) {
        if (on)
            s += s.empty() ? name : std::string(" ") + name;
    };
    add(b.currentTurn >= 0, "Undo");
    add(b.currentTurn < b.lastTurn, "Redo");
    add(b.state == NotStarted || b.state == InPlay, "Hint");
    return s;
}

}  // namespace

TEST_CASE(
    "after any sequence of turns, undos, redos and new games the record, engine, menu and picture agree")
{
    struct Setup {
        uint32_t w, h;  // board
        uint32_t cols, rows;  // view
        uint32_t scrollX, scrollY;
        unsigned seed;
        int steps;
    };
    for (Setup s : {Setup {12, 8, 12, 8, 0, 0, 1, 600}, Setup {11, 5, 11, 5, 0, 0, 2, 400},
             Setup {20, 20, 8, 6, 5, 9, 3, 500}}) {
        CAPTURE(s.seed);
        BoardWindows win(s.cols, s.rows);
        CBoard board(win.view, s.w, s.h);
        board.scrollX = s.scrollX;
        board.scrollY = s.scrollY;
        board.visibleCols = s.cols;
        board.visibleRows = s.rows;
        PaintView(win, board);

        std::mt19937 random(s.seed);
        auto below = [&](int n) { return int(random() % unsigned(n)); };
        bool started = false;
        bool newEnabled = false;
        for (int step = 0; step < s.steps; ++step) {
            CAPTURE(step);
            const int op = below(40);
            const uint32_t freeBefore = board.freeCells;
            if (op < 8) {
                // A click anywhere, the outer line and points past the
                // board included.
                const int px = below(17 * int(s.cols) + 40) - 5;
                const int py = below(17 * int(s.rows) + 40) - 5;
                uint32_t c, r;
                board.CellFromPoint(px, py, c, r);
                board.Play(px, py, false);
                started |= c < s.w && r < s.h;
            } else if (op < 26) {
                board.Play(0, 0, true);
                started = true;
            } else if (op < 34) {
                board.Undo();
            } else if (op < 39) {
                board.Redo();
            } else {
                board.NewGame();
                started = newEnabled = false;
            }
            if (op < 26 && board.freeCells < freeBefore)
                newEnabled = true;

            REQUIRE(RecordMismatch(board, started) == "");
            REQUIRE(RecountMismatch(board) == "");
            REQUIRE(Menu(win) == MenuModel(board, newEnabled));
            REQUIRE(RepaintDifference(win, board) == "");
        }
    }
}
