// The commands that open and save games, and the current-file state they keep.
#pragma once

void CmdOpen();
void CmdSave();
void CmdSaveAs();

// Fits the main window and the board view's scroll bars to the view fields
// of the board, as a loaded game brings them.
void ApplyBoardView();
