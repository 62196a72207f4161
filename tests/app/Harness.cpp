#include "Harness.h"

#include "MainWindow.h"
#include "Toolbar.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <fstream>

namespace {

// The one running script: its timer callback, inside a modal loop, can reach
// the test only through here.
struct Script {
    std::vector<Step> steps;
    size_t next = 0;
    std::vector<HWND> handled;
    std::vector<std::wstring> seen;
    int idleTicks = 0;
    bool failed = false;
} script;

const int TickLimit = 500;  // 20 ms ticks: ten seconds without a window that was due

bool IsModal(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return (std::wstring(name) == L"#32770" || std::wstring(name) == L"#32768") && IsWindowVisible(window)
        && IsWindowEnabled(window);
}

BOOL CALLBACK FindNew(HWND window, LPARAM found)
{
    bool fresh = IsModal(window) && std::ranges::find(script.handled, window) == script.handled.end();
    if (fresh)
        *reinterpret_cast<HWND*>(found) = window;
    return !fresh;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    // A window that opened another one is disabled meanwhile; enabled again,
    // it is new to the next step.
    std::erase_if(script.handled, [](HWND w) { return !IsWindowEnabled(w); });
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindNew, reinterpret_cast<LPARAM>(&found));
    const bool due = script.next < script.steps.size();
    script.failed |= (found && !due) || (!found && due && ++script.idleTicks > TickLimit);
    if (script.failed) {
        EndMenu();
        if (found)
            PostMessageW(found, WM_COMMAND, IDCANCEL, 0);
    } else if (found) {
        script.idleTicks = 0;
        script.handled.push_back(found);
        wchar_t caption[256] = {}, text[1024] = {};
        GetWindowTextW(found, caption, 256);
        GetDlgItemTextW(found, 0xFFFF, text, 1024);
        script.seen.push_back(std::wstring(caption) + L"|" + text);
        script.steps[script.next++](found);
    }
}

}  // namespace

Game::Game(bool ownTimer)
{
    shell = Shell {};
    REQUIRE(CreateMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    if (!ownTimer)
        KillTimer(shell.mainWindow, shell.timerId);
    Pump();
}

Game::~Game()
{
    DestroyWindow(shell.mainWindow);
    Pump();
}

bool Pump()
{
    bool quit = false;
    MSG message {};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        quit |= message.message == WM_QUIT;
        if (message.message != WM_QUIT && !TranslateCommandKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return quit;
}

void Command(UINT id)
{
    SendMessageW(shell.mainWindow, WM_COMMAND, id, 0);
    Pump();
}

void ClickAt(int x, int y)
{
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Pump();
}

std::string MenuText()
{
    std::string s;
    for (auto [id, name] :
        {std::pair {IDM_NEW, "New"}, {IDM_UNDO, " Undo"}, {IDM_REDO, " Redo"}, {IDM_HINT, " Hint"}})
        s += GetMenuState(GetMenu(shell.mainWindow), id, MF_BYCOMMAND) & MF_GRAYED ? "" : name;
    // The other items are never greyed; one that is shows up.
    for (auto [id, name] :
        {std::pair {IDM_OPEN, " !Open"}, {IDM_SAVE, " !Save"}, {IDM_SAVEAS, " !SaveAs"},
            {IDM_SETTINGS, " !Settings"}, {IDM_EXIT, " !Exit"}, {IDM_ABOUT, " !About"}, {IDM_HELP, " !Help"}})
        s += GetMenuState(GetMenu(shell.mainWindow), id, MF_BYCOMMAND) & MF_GRAYED ? name : "";
    return s.starts_with(' ') ? s.substr(1) : s;
}

std::string ToolbarText()
{
    std::string s;
    for (auto [id, name] :
        {std::pair {IDB_NEW, "New"}, {IDB_UNDO, " Undo"}, {IDB_REDO, " Redo"}, {IDB_HINT, " Hint"}})
        s += toolbarPanel.object->Find(uint16_t(id)).button->enabled ? name : "";
    return s.starts_with(' ') ? s.substr(1) : s;
}

std::wstring Title()
{
    wchar_t title[300] = {};
    GetWindowTextW(shell.mainWindow, title, 300);
    return title;
}

Step Press(int id, const std::wstring& name)
{
    return [=](HWND dialog) {
        if (!name.empty())
            SetDlgItemTextW(dialog, 0x47C, name.c_str());  // cmb13
        PostMessageW(dialog, WM_COMMAND, WPARAM(id), 0);
    };
}

std::vector<std::wstring> Answering(std::vector<Step> steps, const std::function<void()>& action)
{
    const size_t expected = steps.size();
    script = Script {};
    script.steps = std::move(steps);
    UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
    action();
    Pump();
    KillTimer(nullptr, timer);
    CHECK_FALSE(script.failed);
    CHECK(script.seen.size() == expected);
    return script.seen;
}

Picture Snapshot(HWND window)
{
    RECT r {};
    GetClientRect(window, &r);
    Picture p {r.right, r.bottom, {}};
    BITMAPINFO info {};
    info.bmiHeader = {sizeof info.bmiHeader, p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, dib);
    HDC screen = GetDC(window);
    BitBlt(memory, 0, 0, p.width, p.height, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    GdiFlush();
    const auto* px = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < p.width * p.height; ++i)
        p.pixels.push_back(RGB(px[i] >> 16 & 0xFF, px[i] >> 8 & 0xFF, px[i] & 0xFF));
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    return p;
}

std::string FirstDifference(const Picture& a, const Picture& b)
{
    if (a.width != b.width || a.height != b.height)
        return "sizes differ";
    for (size_t i = 0; i < a.pixels.size(); ++i)
        if (a.pixels[i] != b.pixels[i])
            return "pixel " + std::to_string(i % a.width) + "," + std::to_string(i / a.width) + ": "
                + std::to_string(a.pixels[i]) + " and " + std::to_string(b.pixels[i]);
    return "";
}

TempFolder::TempFolder()
{
    static int count = 0;
    path = std::filesystem::temp_directory_path()
        / ("quinterra-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count));
    std::filesystem::create_directory(path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;  // the long form of the path reaches folders of any depth
    std::filesystem::remove_all(L"\\\\?\\" + path.wstring(), ignored);
}

std::vector<uint8_t> ReadBytes(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

SavedGame BoardGame()
{
    const CBoard& b = *shell.board;
    SavedGame g;
    g.width = b.width, g.height = b.height, g.view = b.View();
    g.currentTurn = b.currentTurn, g.lastTurn = b.lastTurn, g.clock = b.clock;
    g.lastHasHuman = b.lastHasHuman, g.lastHasReply = b.lastHasReply;
    g.record.assign(b.record.get(), b.record.get() + (b.lastTurn + 1));
    return g;
}

std::string RepaintDifference(HWND window)
{
    window = window ? window : shell.boardView;
    const Picture seen = Snapshot(window);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    return FirstDifference(seen, Snapshot(window));
}

ScrollBars BoardScrollBars()
{
    SCROLLINFO across {sizeof across, SIF_ALL, 0, 0, 0, 0, 0}, down = across;
    GetScrollInfo(shell.boardView, SB_HORZ, &across);
    GetScrollInfo(shell.boardView, SB_VERT, &down);
    return {across.nMax, int(across.nPage), across.nPos, down.nMax, int(down.nPage), down.nPos};
}

std::wstring NameSaveAsOffers()
{
    std::wstring offered = L"?";
    const Step readName = [&offered](HWND dialog) {
        wchar_t name[MAX_PATH] = {};
        GetDlgItemTextW(dialog, 0x47C, name, MAX_PATH);  // cmb13
        offered = name;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    Answering({readName}, [] { Command(IDM_SAVEAS); });
    return offered;
}
