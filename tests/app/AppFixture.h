// Starts the real main window in the test's own process, pumps its messages,
// and answers the modal boxes that the commands open.
#pragma once

#include "Shell.h"

#include <windows.h>

#include <string>

// A freshly started game: shell state reset, windows created and shown.
// The destructor closes whatever is still open.
struct GameFixture {
    GameFixture();
    ~GameFixture();
    GameFixture(const GameFixture&) = delete;
    GameFixture& operator=(const GameFixture&) = delete;
};

// Handles every pending message as the program's loop would (command keys
// first). Returns true when a quit request came by.
bool Pump();

// Replaces the board by an empty one of the given size.
void InstallEmptyBoard(uint32_t width, uint32_t height);

// Answers the next message box of this thread with answer (IDYES, IDNO, ...)
// while the returned guard lives; records what the box said.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int answer);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    int boxesSeen() const;
    std::wstring text() const;
    std::wstring caption() const;
    bool timedOut() const;
};

// Ends the next pop-up menu of this thread, after optionally choosing its
// first item with the keyboard, while the guard lives.
class MenuAnswerer {
public:
    explicit MenuAnswerer(bool chooseFirst);
    ~MenuAnswerer();
    MenuAnswerer(const MenuAnswerer&) = delete;
    MenuAnswerer& operator=(const MenuAnswerer&) = delete;
    bool sawMenu() const;
};

// Delivers a key as a key-down message through the accelerator table, with
// Ctrl held or not. True when the table took it.
bool PressCommandKey(UINT key, bool ctrl);

// The main window's title.
std::wstring MainTitle();

// A WM_COMMAND to the main window, with the messages it leads to handled.
void SendCommand(UINT id);

// A left click in the middle of board square (col, row), which must be shown.
void ClickSquare(uint32_t col, uint32_t row);

// Checks the board view's scroll bar: range 0 .. max, page and position.
void CheckScrollBar(int bar, int max, UINT page, int pos);

// The board's owner at a square.
int32_t OwnerAt(uint32_t col, uint32_t row);

// Number of stones on the board.
int StonesOnBoard();
