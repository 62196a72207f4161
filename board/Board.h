// The one board object: the engine's position plus everything that makes it a
// game on screen: the record of turns, the turn flow, the view fields, the
// game clock and the drawing into the board view window.
#pragma once

#include "Engine.h"
#include "GameFields.h"
#include "GdiOwners.h"
#include "SavedGame.h"
#include "TurnRecord.h"
#include "resource.h"

#include <windows.h>

#include <cstdint>
#include <memory>

// How DrawSquare paints one square.
enum SquareStyle : int32_t {
    Normal = 0,  // grey interior, fresh frame
    WinningFive = 1,  // yellow interior
    LastMove = 2,  // white interior
    MarkOnly = 3,  // the mark alone, interior and frame untouched
};

// The game's fields are its own: the turn fields and the clock are open to
// the panels, the view is changed only through SetView.
class CBoard : public CEngine, private GameFields {
public:
    using GameFields::clock;
    using GameFields::currentTurn;
    using GameFields::lastHasHuman;
    using GameFields::lastHasReply;
    using GameFields::lastTurn;

    // Raised when a saved game's record cannot be replayed.
    class ExOpen { };

    // window is the board view; the board draws into it and greys the items
    // of its parent's (the main window's) menu. Raises CEngine::ExMalloc.
    CBoard(HWND window, uint32_t w, uint32_t h);
    ~CBoard();
    CBoard(const CBoard&) = delete;
    CBoard& operator=(const CBoard&) = delete;

    // Empties the board and the record for the current width and height.
    // Raises CEngine::ExMalloc.
    void Reset();
    void FreeRecord();

    // The cell under a client pixel of the board view, or null when the
    // pixel lies past the last column or row: while the window is being
    // resized the view can reach beyond the board. The one place that decides
    // whether a pixel names a square.
    Cell* SquareAtPixel(int px, int py) const;
    void ShowWinningFive();

    // Plays one turn: the human's move at the pixel (or, with hint set, the
    // engine's suggestion for the human), then at once the computer's reply.
    void Play(int px, int py, bool hint);
    void NewGame();
    void Undo();
    void Redo();

    // The part of the board the view shows.
    const ViewPlace& View() const { return view; }
    // Shows the given part, brought within the board: at most the board's
    // columns and rows, and an origin that keeps them all on it.
    void SetView(const ViewPlace& place);

    // Saved games (BoardFile.cpp). Save writes the game to path and reports
    // whether it did; an existing file is replaced only by a complete one.
    // Load returns 1 when the file became the game, 0 when it was refused
    // with a message; the game on the board is then untouched. The caller
    // fits the window and the scroll bars to the loaded view.
    bool Save(const wchar_t* path);
    int Load(const wchar_t* path);
    // The game as a saved game holds it; a move the last turn does not hold
    // is zero, so that the same game always gives the same bytes.
    SavedGame Snapshot() const;
    // Makes a checked saved game the game on the board. Raises
    // CEngine::ExMalloc, and ExOpen should its record not replay.
    void Adopt(const SavedGame& game);

    // Whether turn i holds the human's move / the computer's reply: every turn
    // before the last does; the last one as its flags say.
    bool HoldsHuman(int32_t i) const { return i < lastTurn || lastHasHuman; }
    bool HoldsReply(int32_t i) const { return i < lastTurn || lastHasReply; }

    // Drawing (BoardPaint.cpp).
    void DrawFrame(HDC dc, uint32_t column, uint32_t row);
    void DrawSquare(HDC dc, uint32_t column, uint32_t row, Player owner, SquareStyle style);
    void Paint(HDC dc);

    HWND window;
    GdiPen circlePen;
    GdiPen crossPen;
    GdiPen lightFramePen;
    GdiPen darkFramePen;
    GdiBrush normalBrush;
    GdiBrush lastMoveBrush;
    GdiBrush winningBrush;
    std::unique_ptr<TurnRecord[]> record;  // room for a full board's turns

private:
    // Greys or enables an item of the main window's menu; quietly nothing
    // when the view has no parent or the parent no menu.
    void EnableCommand(UINT id, bool enabled);
    // Draws the stones that turn i holds, each with its player's mark.
    void DrawTurn(HDC dc, int32_t i, SquareStyle style);
    // Draws the squares of turn i's stones empty and grey.
    void EraseTurn(HDC dc, int32_t i);
    bool Visible(uint32_t column, uint32_t row) const;
};
