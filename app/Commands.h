// The commands of the menu, the keyboard, the toolbar and the context menu.
#pragma once

#include <windows.h>

#include <cstdint>

// Carries out a command id of the main window; ids it does not know are ignored.
void OnCommand(UINT id);
// Carries out the command of a toolbar button, named by its picture's id;
// other ids run nothing.
void RunButtonCommand(uint16_t buttonId);

void CmdNew();
void CmdUndo();
void CmdRedo();
void CmdHint();
// Runs the settings dialog (SettingsDialog.cpp).
void CmdSettings();
