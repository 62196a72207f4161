// The turn flow on a real window: moves and replies, the end of a game by a
// five or a full board, undo and redo, new game, and the menu items after
// every step.
#include "Board.h"
#include "BoardChecks.h"
#include "BoardWindows.h"
#include "SquareModel.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

namespace {

void SetMenu(const BoardWindows& win, bool enabled)
{
    for (UINT id : {IDM_NEW, IDM_UNDO, IDM_REDO, IDM_HINT})
        EnableMenuItem(GetMenu(win.main), id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// Lets the engine play both sides until the game is over.
void HintUntilOver(CBoard& b)
{
    for (uint32_t i = 0; b.state == NotStarted || b.state == InPlay; ++i) {
        REQUIRE(i < b.RecordRoom());
        b.Play(0, 0, true);
    }
}

bool IsCurrent(const CBoard& b, const Cell* c)
{
    const TurnRecord& t = b.record[b.currentTurn];
    return (c->x == t.humanX && c->y == t.humanY)
        || (b.HoldsReply(b.currentTurn) && c->x == t.replyX && c->y == t.replyY);
}

}  // namespace

TEST_CASE("a new board offers only Hint and shows no turn")
{
    BoardWindows win(20, 20);
    SetMenu(win, true);
    EnableMenuItem(GetMenu(win.main), IDM_HINT, MF_BYCOMMAND | MF_GRAYED);
    CBoard board(win.view, 20, 20);
    CHECK(Menu(win) == "Hint");
    CHECK(board.state == NotStarted);
    CHECK(board.currentTurn == -1);
    CHECK(board.lastTurn == -1);
    CHECK(board.clock == 0);
    CHECK(board.RecordRoom() == 200);
    CHECK(board.visibleCols == 20);
    CHECK(board.visibleRows == 20);

    SUBCASE("New game on it changes nothing but the menu")
    {
        board.clock = 7;
        board.NewGame();
        CHECK(Menu(win) == "Hint");
        CHECK(board.clock == 0);
        CHECK(board.freeCells == 400);
    }
    SUBCASE("Undo and Redo with no turn are ignored")
    {
        board.Undo();
        board.Redo();
        CHECK(board.currentTurn == -1);
        CHECK(board.state == NotStarted);
        CHECK(Menu(win) == "Hint");
    }
}

TEST_CASE("each move is answered at once and the newest turn is shown white")
{
    BoardWindows win(20, 20);
    CBoard board(win.view, 20, 20);
    PaintView(win, board);

    board.Play(0, 0, true);
    REQUIRE(board.currentTurn == 0);
    CHECK(board.lastTurn == 0);
    CHECK(board.record[0] == TurnRecord {4, 4, 5, 4});
    CHECK(board.lastHasHuman == 1);
    CHECK(board.lastHasReply == 1);
    CHECK(board.state == InPlay);
    CHECK(Menu(win) == "New Undo Hint");
    CHECK(SquareMismatch(win, board, 4, 4, Human, White) == "");
    CHECK(SquareMismatch(win, board, 5, 4, Computer, White) == "");

    // The same from a click, on the emptied board; then a hinted turn
    // after it turns the first one grey.
    board.NewGame();
    Click(board, 10, 10);
    REQUIRE(board.currentTurn == 0);
    CHECK(board.record[0] == TurnRecord {10, 10, 9, 9});
    CHECK(board.CellAt(10, 10)->owner == Human);
    CHECK(board.CellAt(9, 9)->owner == Computer);
    CHECK(board.CellAt(4, 4)->owner == Nobody);
    CHECK(SquareMismatch(win, board, 4, 4, Nobody, Grey) == "");
    CHECK(SquareMismatch(win, board, 10, 10, Human, White) == "");
    CHECK(SquareMismatch(win, board, 9, 9, Computer, White) == "");

    board.Play(0, 0, true);
    REQUIRE(board.currentTurn == 1);
    CHECK(board.lastTurn == 1);
    const TurnRecord& t = board.record[1];
    CHECK(board.CellAt(t.humanX, t.humanY)->owner == Human);
    CHECK(board.CellAt(t.replyX, t.replyY)->owner == Computer);
    CHECK(SquareMismatch(win, board, t.humanX, t.humanY, Human, White) == "");
    CHECK(SquareMismatch(win, board, t.replyX, t.replyY, Computer, White) == "");
    CHECK(SquareMismatch(win, board, 10, 10, Human, Grey) == "");
    CHECK(SquareMismatch(win, board, 9, 9, Computer, Grey) == "");
    CHECK(RepaintDifference(win, board) == "");
    CHECK(RecountMismatch(board) == "");

    SUBCASE("a click on an occupied square changes nothing")
    {
        const Picture before = win.Snapshot();
        Click(board, 9, 9);
        CHECK(board.currentTurn == 1);
        CHECK(board.lastTurn == 1);
        CHECK(board.freeCells == 396);
        CHECK(FirstDifference(before, win.Snapshot()) == "");
    }
}

TEST_CASE("a five by the human ends the game without a reply; undo and redo take it back and forth")
{
    BoardWindows win(20, 20);
    CBoard board(win.view, 20, 20);
    PaintView(win, board);
    HintUntilOver(board);

    REQUIRE(board.state == Won);
    REQUIRE(board.winningFive);
    REQUIRE(board.winningFive->owner == Human);
    const int32_t last = board.lastTurn;
    CHECK(board.currentTurn == last);
    CHECK(board.lastHasHuman == 1);
    CHECK(board.lastHasReply == 0);
    CHECK(Menu(win) == "New Undo");
    const TurnRecord winning = board.record[last];
    const Cell* const winningStone = board.CellAt(winning.humanX, winning.humanY);
    const Five* const five = board.winningFive;
    for (const Cell* c : five->cells)
        CHECK(SquareMismatch(win, board, c->x, c->y, Human, c == winningStone ? White : Yellow) == "");
    CHECK(RepaintDifference(win, board) == "");

    SUBCASE("no more moves, not even hinted ones")
    {
        const uint32_t freeCells = board.freeCells;
        board.Play(0, 0, true);
        Click(board, 19, 19);
        CHECK(board.freeCells == freeCells);
        CHECK(board.lastTurn == last);
        CHECK(board.state == Won);
    }

    board.Undo();
    CHECK(board.currentTurn == last - 1);
    CHECK(board.lastTurn == last);
    CHECK(board.state == InPlay);
    CHECK(board.winningFive == nullptr);
    CHECK(board.lastHasReply == 0);
    CHECK(winningStone->owner == Nobody);
    CHECK(Menu(win) == "New Undo Redo Hint");
    CHECK(SquareMismatch(win, board, winning.humanX, winning.humanY, Nobody, Grey) == "");
    // The four stones left of the five are plain again, except those of the
    // turn now current, which show white.
    for (const Cell* c : five->cells)
        if (c != winningStone)
            CHECK(SquareMismatch(win, board, c->x, c->y, Human, IsCurrent(board, c) ? White : Grey) == "");
    const TurnRecord& now = board.record[board.currentTurn];
    CHECK(SquareMismatch(win, board, now.humanX, now.humanY, Human, White) == "");
    CHECK(SquareMismatch(win, board, now.replyX, now.replyY, Computer, White) == "");
    CHECK(RepaintDifference(win, board) == "");
    CHECK(RecountMismatch(board) == "");

    SUBCASE("redo plays the winning stone alone and ends the game again")
    {
        const uint32_t freeCells = board.freeCells;
        board.Redo();
        CHECK(board.currentTurn == last);
        CHECK(board.freeCells == freeCells - 1);
        CHECK(board.state == Won);
        CHECK(board.winningFive == five);
        CHECK(Menu(win) == "New Undo");
        for (const Cell* c : five->cells)
            CHECK(SquareMismatch(win, board, c->x, c->y, Human, c == winningStone ? White : Yellow) == "");
        CHECK(RepaintDifference(win, board) == "");
    }
    SUBCASE("new game clears every stone, the current turn's reply too")
    {
        board.NewGame();
        CHECK(board.state == NotStarted);
        CHECK(board.currentTurn == -1);
        CHECK(board.lastTurn == -1);
        CHECK(board.freeCells == 400);
        CHECK(Menu(win) == "Hint");
        CHECK(PixelsOffEmptyBoard(win.Snapshot()) == 0);
    }
}

TEST_CASE("a five by the computer's reply ends the game; undo takes back the whole turn")
{
    BoardWindows win(20, 20);
    CBoard board(win.view, 20, 20);
    PaintView(win, board);
    // The human scatters stones every third square along the top rows,
    // which lets the computer build its own five.
    auto firstFree = [&]() -> const Cell* {
        for (uint32_t y = 0; y < 20; y += 3)
            for (uint32_t x = 0; x < 20; x += 3)
                if (board.CellAt(x, y)->owner == Nobody)
                    return board.CellAt(x, y);
        return nullptr;
    };
    while (board.state != Won && board.state != BoardFull) {
        const Cell* c = firstFree();
        REQUIRE(c);
        Click(board, c->x, c->y);
    }
    REQUIRE(board.state == Won);
    REQUIRE(board.winningFive->owner == Computer);
    CHECK(board.lastHasReply == 1);
    CHECK(Menu(win) == "New Undo");
    const TurnRecord last = board.record[board.lastTurn];
    const Cell* const reply = board.CellAt(last.replyX, last.replyY);
    const Five* const five = board.winningFive;
    for (const Cell* c : five->cells)
        CHECK(SquareMismatch(win, board, c->x, c->y, Computer, c == reply ? White : Yellow) == "");
    CHECK(RepaintDifference(win, board) == "");

    const uint32_t freeCells = board.freeCells;
    board.Undo();
    CHECK(board.freeCells == freeCells + 2);
    CHECK(board.CellAt(last.humanX, last.humanY)->owner == Nobody);
    CHECK(reply->owner == Nobody);
    CHECK(board.state == InPlay);
    CHECK(Menu(win) == "New Undo Redo Hint");
    for (const Cell* c : five->cells)
        if (c != reply)
            CHECK(SquareMismatch(win, board, c->x, c->y, Computer, IsCurrent(board, c) ? White : Grey) == "");
    CHECK(RepaintDifference(win, board) == "");
    CHECK(RecountMismatch(board) == "");
}

TEST_CASE("a full board ends the game; on an odd board the last turn has no reply")
{
    struct Size {
        uint32_t w, h;
        int32_t turns;
        int32_t lastHasReply;
    };
    for (Size s : {Size {11, 5, 28, 0}, Size {10, 5, 25, 1}}) {
        CAPTURE(s.w);
        BoardWindows win(s.w, s.h);
        CBoard board(win.view, s.w, s.h);
        PaintView(win, board);
        CHECK(board.RecordRoom() == uint32_t(s.turns));
        HintUntilOver(board);
        REQUIRE(board.state == BoardFull);
        CHECK(board.winningFive == nullptr);
        CHECK(board.freeCells == 0);
        CHECK(board.lastTurn == s.turns - 1);
        CHECK(board.lastHasReply == s.lastHasReply);
        CHECK(Menu(win) == "New Undo");
        CHECK(RepaintDifference(win, board) == "");

        board.Undo();
        CHECK(board.state == InPlay);
        CHECK(board.freeCells == uint32_t(1 + s.lastHasReply));
        CHECK(Menu(win) == "New Undo Redo Hint");
        board.Redo();
        CHECK(board.state == BoardFull);
        CHECK(board.freeCells == 0);
        CHECK(Menu(win) == "New Undo");
        CHECK(RecountMismatch(board) == "");
    }
}

TEST_CASE("undo and redo walk the record; a new move replaces the redo tail")
{
    BoardWindows win(20, 20);
    CBoard board(win.view, 20, 20);
    PaintView(win, board);
    for (int i = 0; i < 6; ++i)
        board.Play(0, 0, true);
    REQUIRE(board.state == InPlay);
    REQUIRE(board.lastTurn == 5);
    TurnRecord played[6];
    std::copy(board.record.get(), board.record.get() + 6, played);

    for (int i = 0; i < 3; ++i)
        board.Undo();
    CHECK(board.currentTurn == 2);
    CHECK(board.lastTurn == 5);
    CHECK(board.freeCells == 400 - 6);
    CHECK(Menu(win) == "New Undo Redo Hint");
    CHECK(RepaintDifference(win, board) == "");

    SUBCASE("a move drops the tail")
    {
        REQUIRE(board.CellAt(19, 0)->owner == Nobody);
        Click(board, 19, 0);
        CHECK(board.currentTurn == 3);
        CHECK(board.lastTurn == 3);
        CHECK(board.record[3].humanX == 19);
        CHECK(board.record[3].humanY == 0);
        for (int i = 0; i < 3; ++i)
            CHECK(board.record[i] == played[i]);
        CHECK(Menu(win) == "New Undo Hint");
        board.Redo();
        CHECK(board.currentTurn == 3);
        CHECK(RepaintDifference(win, board) == "");
        CHECK(RecountMismatch(board) == "");
    }
    SUBCASE("undo down to no turn greys Undo, redo up to the last greys Redo")
    {
        for (int i = 0; i < 3; ++i)
            board.Undo();
        CHECK(board.currentTurn == -1);
        CHECK(board.freeCells == 400);
        CHECK(Menu(win) == "New Redo Hint");
        CHECK(RepaintDifference(win, board) == "");
        board.Redo();
        CHECK(Menu(win) == "New Undo Redo Hint");
        for (int i = 0; i < 5; ++i)
            board.Redo();
        CHECK(board.currentTurn == 5);
        CHECK(Menu(win) == "New Undo Hint");
        for (int i = 0; i < 6; ++i)
            CHECK(board.record[i] == played[i]);
        CHECK(RepaintDifference(win, board) == "");
        CHECK(RecountMismatch(board) == "");
    }
    SUBCASE("new game after undo leaves an empty board")
    {
        board.NewGame();
        CHECK(board.freeCells == 400);
        CHECK(Menu(win) == "Hint");
        CHECK(PixelsOffEmptyBoard(win.Snapshot()) == 0);
    }
}

TEST_CASE("pixels map to squares from the scroll origin; points past the board are ignored")
{
    BoardWindows win(10, 5);
    CBoard board(win.view, 20, 20);
    board.scrollX = 3;
    board.scrollY = 7;
    board.visibleCols = 10;
    board.visibleRows = 5;
    struct Case {
        int px, py;
        uint32_t column, row;
    };
    for (Case c : {Case {0, 0, 3, 7}, {1, 1, 3, 7}, {17, 17, 3, 7}, {18, 18, 4, 8}, {18, 0, 4, 7},
             {-40, 35, 3, 9}, {35, -1, 5, 7}, {170, 85, 12, 11}}) {
        uint32_t column = 99, row = 99;
        board.CellFromPoint(c.px, c.py, column, row);
        CAPTURE(c.px);
        CAPTURE(c.py);
        CHECK(column == c.column);
        CHECK(row == c.row);
    }

    // The view scrolled to the bottom-right corner, with a point one square
    // beyond it in each direction.
    board.scrollX = 10;
    board.scrollY = 15;
    PaintView(win, board);
    const Picture before = win.Snapshot();
    board.Play(17 * 10 + 9, 9, false);
    board.Play(9, 17 * 5 + 9, false);
    board.Play(17 * 40, 17 * 40, false);
    CHECK(board.state == NotStarted);
    CHECK(board.currentTurn == -1);
    CHECK(board.freeCells == 400);
    CHECK(RecountMismatch(board) == "");
    CHECK(Menu(win) == "Hint");
    CHECK(FirstDifference(before, win.Snapshot()) == "");

    Click(board, 19, 19);
    CHECK(board.CellAt(19, 19)->owner == Human);
    CHECK(board.state == InPlay);
}
