// The real game started in the test's own process under Wine: its windows,
// the modal windows its commands open, and the pixels it draws.
#pragma once

#include "SavedGameCodec.h"
#include "Shell.h"

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A freshly started game with the window's own timer stopped (tests that
// need clock ticks send them) unless ownTimer is set; the destructor closes it.
struct Game {
    explicit Game(bool ownTimer = false);
    ~Game();
};

// Handles the pending messages as the game's loop does; true on a quit request.
bool Pump();
void Command(UINT id);
void ClickAt(int x, int y);
// The enabled items among New, Undo, Redo and Hint of the menu, e.g. "New Undo",
// and any other item that is greyed, e.g. "New !Save".
std::string MenuText();
// The enabled ones among the same buttons of the toolbar, named alike.
std::string ToolbarText();
std::wstring Title();

// A step acts on one modal window (dialog, message box or pop-up menu):
// closes it, or opens another one from it. Press types the name, if any, into
// a file dialog's name field first.
using Step = std::function<void(HWND window)>;
Step Press(int id, const std::wstring& name = L"");

// Runs action while a timer in the modal loops hands each new modal window to
// the next step; one unanswered, or one too many, fails the test.
// Returns what the windows said, each as "caption|text".
std::vector<std::wstring> Answering(std::vector<Step> steps, const std::function<void()>& action);

struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y) * width + x]; }
};
Picture Snapshot(HWND window);
std::string FirstDifference(const Picture& a, const Picture& b);
// "" when the window (the board view unless named), painted anew, looks as it does now.
std::string RepaintDifference(HWND window = nullptr);

// Range, page and position of the board view's bars: across, then down.
struct ScrollBars {
    int acrossMax, acrossPage, acrossPos, downMax, downPage, downPos;
    bool operator==(const ScrollBars&) const = default;
};
ScrollBars BoardScrollBars();

// The file name Save As offers, its dialog then cancelled.
std::wstring NameSaveAsOffers();

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
SavedGame BoardGame();
