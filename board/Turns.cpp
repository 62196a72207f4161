// The turn flow: a human move answered at once by the computer, new game,
// undo and redo over the record. Each operation draws only the squares it
// changes, on a context of the view taken for the operation.
#include "Board.h"

void CBoard::DrawTurn(HDC dc, int32_t i, SquareStyle style)
{
    const TurnRecord& t = record[i];
    if (HoldsHuman(i))
        DrawSquare(dc, t.humanX, t.humanY, Human, style);
    if (HoldsReply(i))
        DrawSquare(dc, t.replyX, t.replyY, Computer, style);
}

void CBoard::EraseTurn(HDC dc, int32_t i)
{
    const TurnRecord& t = record[i];
    if (HoldsHuman(i))
        DrawSquare(dc, t.humanX, t.humanY, Nobody, Normal);
    if (HoldsReply(i))
        DrawSquare(dc, t.replyX, t.replyY, Nobody, Normal);
}

void CBoard::ShowWinningFive()
{
    if (!winningFive)
        return;
    WindowDC dc(window);
    for (Cell* c : winningFive->cells)
        DrawSquare(dc.get(), c->x, c->y, c->owner, WinningFive);
}

void CBoard::Play(int px, int py, bool hint)
{
    Cell* square = nullptr;
    if (!hint) {
        square = SquareAtPixel(px, py);
        if (!square)
            return;
    }

    if (state == NotStarted)
        state = InPlay;
    if (state != InPlay)
        return;
    if (hint)
        square = ChooseMove(Human);
    if (!square || square->owner != Nobody)
        return;

    WindowDC dc(window);
    if (currentTurn >= 0)
        DrawTurn(dc.get(), currentTurn, Normal);

    Place(Human, square);
    CheckOutcome();
    ShowWinningFive();

    lastTurn = ++currentTurn;
    TurnRecord& turn = record[currentTurn];
    turn.humanX = square->x;
    turn.humanY = square->y;
    turn.replyX = turn.replyY = 0;  // no reply yet: nothing stale goes into a file
    lastHasReply = 0;
    lastHasHuman = 1;
    DrawSquare(dc.get(), square->x, square->y, Human, LastMove);

    EnableCommand(IDM_REDO, false);
    EnableCommand(IDM_UNDO, true);
    EnableCommand(IDM_NEW, true);
    if (state != InPlay) {
        EnableCommand(IDM_HINT, false);
        return;
    }

    Cell* reply = ChooseMove(Computer);
    if (!reply)
        return;  // cannot happen while InPlay: a full board ends the game
    Place(Computer, reply);
    CheckOutcome();
    ShowWinningFive();
    turn.replyX = reply->x;
    turn.replyY = reply->y;
    lastHasReply = 1;
    DrawSquare(dc.get(), reply->x, reply->y, Computer, LastMove);

    if (state != InPlay)
        EnableCommand(IDM_HINT, false);
}

void CBoard::NewGame()
{
    if (currentTurn >= 0) {
        WindowDC dc(window);
        for (int32_t i = 0; i <= currentTurn; ++i)
            EraseTurn(dc.get(), i);
    }
    Reset();
    EnableCommand(IDM_NEW, false);
}

void CBoard::Undo()
{
    if (currentTurn < 0)
        return;
    WindowDC dc(window);
    const TurnRecord& turn = record[currentTurn];
    if (HoldsHuman(currentTurn)) {
        Remove(CellAt(turn.humanX, turn.humanY));
        DrawSquare(dc.get(), turn.humanX, turn.humanY, Nobody, Normal);
    }
    if (HoldsReply(currentTurn)) {
        Remove(CellAt(turn.replyX, turn.replyY));
        DrawSquare(dc.get(), turn.replyX, turn.replyY, Nobody, Normal);
    }
    if (winningFive) {
        for (Cell* c : winningFive->cells)
            DrawSquare(dc.get(), c->x, c->y, c->owner, Normal);
        winningFive = nullptr;
    }
    if (state == Won || state == BoardFull)
        state = InPlay;

    --currentTurn;
    if (currentTurn >= 0)
        DrawTurn(dc.get(), currentTurn, LastMove);

    if (currentTurn < 0)
        EnableCommand(IDM_UNDO, false);
    if (currentTurn + 1 == lastTurn)
        EnableCommand(IDM_REDO, true);
    EnableCommand(IDM_HINT, true);
}

void CBoard::Redo()
{
    if (currentTurn >= lastTurn)
        return;
    ++currentTurn;
    WindowDC dc(window);
    const TurnRecord& turn = record[currentTurn];
    if (HoldsHuman(currentTurn)) {
        Place(Human, CellAt(turn.humanX, turn.humanY));
        DrawSquare(dc.get(), turn.humanX, turn.humanY, Human, LastMove);
    }
    if (HoldsReply(currentTurn)) {
        Place(Computer, CellAt(turn.replyX, turn.replyY));
        DrawSquare(dc.get(), turn.replyX, turn.replyY, Computer, LastMove);
    }
    if (currentTurn > 0)
        DrawTurn(dc.get(), currentTurn - 1, Normal);
    CheckOutcome();
    ShowWinningFive();
    DrawTurn(dc.get(), currentTurn, LastMove);

    if (currentTurn == lastTurn)
        EnableCommand(IDM_REDO, false);
    if (currentTurn == 0)
        EnableCommand(IDM_UNDO, true);
    if (state != InPlay)
        EnableCommand(IDM_HINT, false);
}
