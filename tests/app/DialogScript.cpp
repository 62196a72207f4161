#include "DialogScript.h"

#include "resource.h"

#include <algorithm>

namespace {

// The state of the one running script; its timer callback can reach the
// test only through here.
struct Running {
    UINT_PTR timer = 0;
    std::vector<DialogScript::Step> steps;
    size_t next = 0;
    std::vector<HWND> handled;
    std::vector<SeenDialog> seen;
    int idleTicks = 0;
    bool timedOut = false;
} running;

// 20 ms ticks: ten seconds without a dialog to act on fail the script.
const int TickLimit = 500;
const int FileNameField = 0x47C;  // cmb13

struct Search {
    HWND found = nullptr;
};

BOOL CALLBACK FindOpenDialog(HWND window, LPARAM lParam)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    if (std::find(running.handled.begin(), running.handled.end(), window) != running.handled.end())
        return TRUE;
    reinterpret_cast<Search*>(lParam)->found = window;
    return FALSE;
}

BOOL CALLBACK CancelAny(HWND window, LPARAM)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(window) && IsWindowEnabled(window))
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (running.timedOut) {
        EnumThreadWindows(GetCurrentThreadId(), CancelAny, 0);
        return;
    }
    // A dialog that opened another one is disabled meanwhile; once that
    // one is answered, the next step may act on it again.
    running.handled.erase(std::remove_if(running.handled.begin(), running.handled.end(),
                              [](HWND w) { return !IsWindow(w) || !IsWindowEnabled(w); }),
        running.handled.end());
    Search search;
    EnumThreadWindows(GetCurrentThreadId(), FindOpenDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found || running.next >= running.steps.size()) {
        if (search.found || ++running.idleTicks > TickLimit) {
            // An unexpected dialog, or none where one was due.
            if (running.next < running.steps.size() || search.found)
                running.timedOut = true;
        }
        return;
    }
    running.idleTicks = 0;
    HWND dialog = search.found;
    running.handled.push_back(dialog);
    SeenDialog seen;
    wchar_t buffer[1024] = {};
    GetWindowTextW(dialog, buffer, 1024);
    seen.caption = buffer;
    buffer[0] = L'\0';
    GetDlgItemTextW(dialog, 0xFFFF, buffer, 1024);
    seen.text = buffer;
    running.seen.push_back(seen);
    running.steps[running.next++](dialog);
}

}  // namespace

DialogScript::DialogScript(std::vector<Step> steps)
{
    running = Running {};
    running.steps = std::move(steps);
    running.timer = SetTimer(nullptr, 0, 20, Tick);
}

DialogScript::~DialogScript()
{
    if (running.timer)
        KillTimer(nullptr, running.timer);
    running.timer = 0;
}

const std::vector<SeenDialog>& DialogScript::seen() const
{
    return running.seen;
}
bool DialogScript::timedOut() const
{
    return running.timedOut;
}

DialogScript::Step DialogScript::Press(int id)
{
    return [id](HWND dialog) { PostMessageW(dialog, WM_COMMAND, WPARAM(id), 0); };
}

DialogScript::Step DialogScript::ChooseFile(const std::wstring& path)
{
    return [path](HWND dialog) {
        SetDlgItemTextW(dialog, FileNameField, path.c_str());
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    };
}

DialogScript::Step DialogScript::EnterSize(const std::wstring& width, const std::wstring& height)
{
    return [width, height](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_WIDTH, width.c_str());
        SetDlgItemTextW(dialog, IDC_HEIGHT, height.c_str());
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    };
}
