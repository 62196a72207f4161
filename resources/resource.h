// Resource and command ids of the program, shared by the .rc file and the code.
#pragma once

#define IDI_QUINTERRA 101
#define IDR_MAINMENU 103
#define IDR_ACCELERATORS 104
#define IDD_SETTINGS 107

// Controls of the settings dialog.
#define IDC_SIZEGROUP 1005
#define IDC_WIDTH 1008
#define IDC_HEIGHT 1009

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

// Toolbar pictures: a button's picture, and one number higher its greyed one.
// The picture's number also names the button.
#define IDB_UNDO 115
#define IDB_UNDO_OFF 116
#define IDB_REDO 117
#define IDB_REDO_OFF 118
#define IDB_HINT 119
#define IDB_HINT_OFF 120
#define IDB_SAVE 121
#define IDB_SAVE_OFF 122
#define IDB_NEW 123
#define IDB_NEW_OFF 124
#define IDB_OPEN 125
#define IDB_OPEN_OFF 126
#define IDB_SETTINGS 127
#define IDB_SETTINGS_OFF 128
#define IDB_HELP 129
#define IDB_HELP_OFF 130
