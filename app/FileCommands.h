// The commands that open and save games, and the current-file state they keep.
#pragma once

void CmdOpen();
void CmdSave();
void CmdSaveAs();
