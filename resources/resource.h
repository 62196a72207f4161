// Resource and command ids of the program, shared by the .rc file and the code.
#pragma once

#define IDI_QUINTERRA 101
#define IDR_MAINMENU 103
#define IDR_ACCELERATORS 104

#define IDM_NEW 40001
#define IDM_EXIT 40002
#define IDM_UNDO 40003
#define IDM_REDO 40004
#define IDM_ABOUT 40005
#define IDM_HELP 40006
#define IDM_SAVEAS 40009
#define IDM_OPEN 40012
#define IDM_SAVE 40013
#define IDM_SETTINGS 40014
#define IDM_HINT 40015

// The board view's context menu item that plays at the clicked square.
#define IDM_PLACE_MARK 40050
