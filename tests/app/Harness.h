// The real game started in the test's own process under Wine: its windows,
// the modal windows its commands open, and the pixels it draws.
#pragma once

#include "SavedGame.h"
#include "Shell.h"

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A freshly started game with the window's own timer stopped (tests that
// need clock ticks send them); the destructor closes it.
struct Game {
    Game();
    ~Game();
};

// Handles every pending message as the program's loop would, command keys
// first; true when a quit request came by.
bool Pump();
void Command(UINT id);
// A left button press at a client pixel of the board view, or in the middle
// of a shown square.
void ClickAt(int x, int y);
void ClickSquare(uint32_t col, uint32_t row);
// The enabled items among New, Undo, Redo and Hint of the menu, e.g. "New Undo".
std::string MenuText();
std::wstring Title();

// One modal window (dialog, message box or pop-up menu) as it showed, and a
// step that acts on one: closes it, or opens another one from it.
struct Seen {
    std::wstring caption, text;
};
using Step = std::function<void(HWND window)>;
Step Press(int id);
Step FileName(const std::wstring& path);

// Runs action while a timer inside the modal loops hands each new modal
// window of the thread to the next step. A window left unanswered, or one
// more than there are steps, fails the test (and is cancelled so that the
// run goes on). Returns what the windows said.
std::vector<Seen> Answering(std::vector<Step> steps, const std::function<void()>& action);

// A window's client area, row by row from the top left.
struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y) * width + x]; }
};
Picture Snapshot(HWND window);
// Where two pictures first differ, or "".
std::string FirstDifference(const Picture& a, const Picture& b);

// A folder of the test's own, removed with its files.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    std::wstring operator/(const std::wstring& name) const { return (path / name).wstring(); }
    auto Files() const { return std::distance(std::filesystem::directory_iterator(path), {}); }
    std::filesystem::path path;
};
std::vector<uint8_t> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);
// The game on the board as a saved game holds it.
SavedGame BoardGame();
