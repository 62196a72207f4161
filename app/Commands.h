// The commands of the menu, the keyboard, the toolbar and the context menu.
#pragma once

#include <windows.h>

// Carries out a command id of the main window; ids it does not know are ignored.
void OnCommand(UINT id);

void CmdNew();
void CmdUndo();
void CmdRedo();
void CmdHint();
// Runs the settings dialog (SettingsDialog.cpp).
void CmdSettings();

// After a change of the game: toolbar buttons and the move counter follow.
void RefreshPanels();
