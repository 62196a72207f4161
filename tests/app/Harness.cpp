#include "Harness.h"

#include "MainWindow.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <sstream>

namespace {

// The one running script: its timer callback, inside a modal loop, can reach
// the test only through here.
struct Script {
    UINT_PTR timer = 0;
    std::vector<Step> steps;
    size_t next = 0;
    std::vector<HWND> handled;
    std::vector<Seen> seen;
    int idleTicks = 0;
    bool failed = false;
} script;

// 20 ms ticks: ten seconds without a dialog that was due fail the script.
const int TickLimit = 500;

// A dialog or message box (#32770), or a pop-up menu (#32768).
bool IsOpenDialog(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return (std::wstring(name) == L"#32770" || std::wstring(name) == L"#32768") && IsWindowVisible(window)
        && IsWindowEnabled(window);
}

BOOL CALLBACK FindNewDialog(HWND window, LPARAM found)
{
    if (!IsOpenDialog(window)
        || std::find(script.handled.begin(), script.handled.end(), window) != script.handled.end())
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

BOOL CALLBACK Cancel(HWND window, LPARAM)
{
    if (IsOpenDialog(window))
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (script.failed) {
        EndMenu();
        EnumThreadWindows(GetCurrentThreadId(), Cancel, 0);
        return;
    }
    // A dialog that opened another one is disabled meanwhile; enabled again,
    // it is new to the next step.
    std::erase_if(script.handled, [](HWND w) { return !IsWindow(w) || !IsWindowEnabled(w); });
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindNewDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog && script.next == script.steps.size())
        script.failed = true;
    if (!dialog || script.failed) {
        if (script.next < script.steps.size() && ++script.idleTicks > TickLimit)
            script.failed = true;
        return;
    }
    script.idleTicks = 0;
    script.handled.push_back(dialog);
    wchar_t caption[256] = {};
    wchar_t text[1024] = {};
    GetWindowTextW(dialog, caption, 256);
    GetDlgItemTextW(dialog, 0xFFFF, text, 1024);
    script.seen.push_back({caption, text});
    script.steps[script.next++](dialog);
}

}  // namespace

Game::Game()
{
    shell = Shell {};
    REQUIRE(CreateMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    KillTimer(shell.mainWindow, shell.timerId);
    Pump();
}

Game::~Game()
{
    if (IsWindow(shell.mainWindow))
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

void ClickSquare(uint32_t col, uint32_t row)
{
    ClickAt(17 * int(col - shell.board->scrollX) + 9, 17 * int(row - shell.board->scrollY) + 9);
}

bool Greyed(UINT id)
{
    return (GetMenuState(GetMenu(shell.mainWindow), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

std::wstring Title()
{
    wchar_t title[300] = {};
    GetWindowTextW(shell.mainWindow, title, 300);
    return title;
}

Step Press(int id)
{
    return [id](HWND dialog) { PostMessageW(dialog, WM_COMMAND, WPARAM(id), 0); };
}

Step FileName(const std::wstring& path)
{
    return [path](HWND dialog) {
        SetDlgItemTextW(dialog, 0x47C, path.c_str());  // cmb13, the name field
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    };
}

Step ChooseFirstItem()
{
    // The menu's own loop reads the thread's keyboard messages.
    return [](HWND menu) {
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    };
}

std::vector<Seen> Answering(std::vector<Step> steps, const std::function<void()>& action)
{
    script = Script {};
    const size_t expected = steps.size();
    script.steps = std::move(steps);
    script.timer = SetTimer(nullptr, 0, 20, Tick);
    action();
    Pump();
    KillTimer(nullptr, script.timer);
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
    REQUIRE(dib);
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
    std::ostringstream out;
    if (a.width != b.width || a.height != b.height)
        out << "sizes " << a.width << "x" << a.height << " and " << b.width << "x" << b.height;
    for (int y = 0; out.tellp() == 0 && y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.At(x, y) != b.At(x, y)) {
                out << "pixel (" << x << "," << y << "): " << std::hex << a.At(x, y) << " and " << b.At(x, y);
                break;
            }
    return out.str();
}

TempFolder::TempFolder()
{
    static int count = 0;
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    path = std::wstring(base) + L"quinterra-" + std::to_wstring(GetCurrentProcessId()) + L"-"
        + std::to_wstring(++count);
    CreateDirectoryW(path.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    for (const std::wstring& name : Names()) {
        SetFileAttributesW((*this / name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW((*this / name).c_str());
    }
    RemoveDirectoryW(path.c_str());
}

std::vector<std::wstring> TempFolder::Names() const
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found {};
    HANDLE search = FindFirstFileW((*this / L"*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
        if (std::wstring name = found.cFileName; name != L"." && name != L"..")
            names.push_back(name);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return names;
}

std::vector<uint8_t> ReadBytes(const std::wstring& path)
{
    std::vector<uint8_t> bytes(1 << 16);
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD read = 0;
    if (file != INVALID_HANDLE_VALUE) {
        ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
        CloseHandle(file);
    }
    bytes.resize(read);
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    REQUIRE(written == bytes.size());
}

SavedGame BoardGame()
{
    const CBoard& b = *shell.board;
    SavedGame g {b.width, b.height, b.currentTurn, b.lastTurn, b.lastHasHuman, b.lastHasReply, b.clock,
        b.scrollX, b.scrollY, b.visibleCols, b.visibleRows, {}};
    g.record.assign(b.record.get(), b.record.get() + (b.lastTurn + 1));
    return g;
}
