// The commands that open and save games, and the current-file state they keep.
#pragma once

void CmdOpen();
void CmdSave();
void CmdSaveAs();

// Fits the main window and the board view's scroll bars (range, page and
// position) to the board's view fields: after a game is loaded and after the
// board size changes.
void ApplyBoardView();
