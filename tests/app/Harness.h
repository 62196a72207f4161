// The real game started in the test's own process under Wine: its windows,
// the modal windows its commands open, and the pixels it draws.
#pragma once

#include "SavedGame.h"
#include "Shell.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A freshly started game, shell state reset, with the window's own timer
// stopped: tests that need clock ticks send them. The destructor closes it.
struct Game {
    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
};

// Handles every pending message as the program's loop would (command keys
// first). True when a quit request came by.
bool Pump();
void Command(UINT id);
// A left button press at a client pixel of the board view.
void ClickAt(int x, int y);
// A left button press in the middle of a shown board square.
void ClickSquare(uint32_t col, uint32_t row);
bool Greyed(UINT id);
std::wstring Title();

// What one modal window said: its caption and a message box's text.
struct Seen {
    std::wstring caption;
    std::wstring text;
};

// Acts on one modal window (a dialog, a message box or a pop-up menu):
// closes it, or opens another one from it.
using Step = std::function<void(HWND dialog)>;
Step Press(int id);
// Types a path into a file dialog's name field and confirms it.
Step FileName(const std::wstring& path);

// Chooses the first item of a pop-up menu with the keyboard.
Step ChooseFirstItem();

// Runs action while a timer inside the modal loops hands each new dialog of
// the thread to the next step. Fails the test when a dialog stays
// unanswered, or more dialogs come than there are steps (they are then
// cancelled so that the run goes on). Returns what the dialogs said.
std::vector<Seen> Answering(std::vector<Step> steps, const std::function<void()>& action);

// A copy of a window's client area, row by row from the top left.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y) * width + x]; }
};
Picture Snapshot(HWND window);
// Where two pictures first differ, or "".
std::string FirstDifference(const Picture& a, const Picture& b);

// A folder of its own, removed with its files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::wstring operator/(const std::wstring& name) const { return path + L"\\" + name; }
    std::vector<std::wstring> Names() const;
    std::wstring path;
};
std::vector<uint8_t> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);
// The game on the board as a saved game holds it.
SavedGame BoardGame();
