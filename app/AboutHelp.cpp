#include "AboutHelp.h"

#include "Shell.h"
#include "Texts.h"

#include <shellapi.h>

#include <vector>

namespace {

const wchar_t HelpFileName[] = L"quinterra.hlp";
const wchar_t HtmlHelpFileName[] = L"quinterra.html";

// The narrow form of a wide path, or "" when some character has none.
std::string ToAnsi(const std::wstring& path)
{
    BOOL lossy = FALSE;
    int size =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy)
        return "";
    std::string narrow(size_t(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, narrow.data(), size, nullptr, &lossy);
    narrow.resize(size_t(size) - 1);
    return lossy ? "" : narrow;
}

// The full path of a file in the program's folder, or "" when the program's
// own path cannot be had.
std::wstring BesideProgram(const wchar_t* name)
{
    std::vector<wchar_t> module(MAX_PATH);
    DWORD length = 0;
    // A path longer than the buffer comes back cut short: grow and ask again.
    while ((length = GetModuleFileNameW(nullptr, module.data(), DWORD(module.size()))) >= module.size()
        && module.size() < 32768)
        module.resize(module.size() * 2);
    if (length == 0 || length >= module.size())
        return L"";
    std::wstring path(module.data(), length);
    size_t cut = path.find_last_of(L"\\/");
    return (cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1)) + name;
}

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// What decides between the viewer and the browser: see ChooseHelpForm.
HelpSystemFacts ReadHelpSystemFacts()
{
    HelpSystemFacts facts;
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    facts.wine = ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    // Where the system would start it from for WinHelpA: the Windows folder on
    // Windows, the system folder under Wine.
    wchar_t found[MAX_PATH] = {};
    const DWORD length = SearchPathW(nullptr, L"winhlp32.exe", nullptr, MAX_PATH, found, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return facts;
    const std::wstring viewer = found;
    facts.viewerFound = FileExists(viewer);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(viewer.c_str(), &ignored);
    if (size == 0)
        return facts;
    std::vector<BYTE> info(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (GetFileVersionInfoW(viewer.c_str(), 0, size, info.data())
        && VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength)
        && fixed != nullptr && fixedLength >= sizeof(VS_FIXEDFILEINFO))
        facts.viewerMajorVersion = HIWORD(fixed->dwFileVersionMS);
    return facts;
}

void ShowHelpProblem(HWND owner, const std::wstring& text)
{
    MessageBoxW(owner, text.c_str(), Text::HelpCaption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

void CmdAbout()
{
    MessageBoxW(shell.mainWindow, Text::About, Text::AboutCaption, MB_OK | MB_ICONINFORMATION);
}

std::string HelpFilePath()
{
    const std::wstring path = BesideProgram(HelpFileName);
    if (path.empty())
        return ToAnsi(HelpFileName);
    std::string narrow = ToAnsi(path);
    if (!narrow.empty())
        return narrow;
    // Short names are plain ASCII; they exist only for files that exist.
    wchar_t shortPath[MAX_PATH] = {};
    DWORD shortLength = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    if (shortLength > 0 && shortLength < MAX_PATH)
        narrow = ToAnsi(shortPath);
    return narrow.empty() ? ToAnsi(HelpFileName) : narrow;
}

void ShowHelp(HWND owner, HelpForm form)
{
    const bool viewer = form == HelpForm::Viewer;
    const std::wstring path = BesideProgram(viewer ? HelpFileName : HtmlHelpFileName);
    // The viewer would only offer to search the disk, and a browser would
    // show its own error page in English.
    if (!FileExists(path)) {
        ShowHelpProblem(owner, Text::HelpFileMissing + path + Text::HelpFileBelongs);
        return;
    }
    if (viewer) {
        WinHelpA(owner, HelpFilePath().c_str(), HELP_CONTENTS, 0);
        return;
    }
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        ShowHelpProblem(owner, Text::HelpBrowserFailed + path);
}

void CmdHelp()
{
    ShowHelp(shell.mainWindow, ChooseHelpForm(ReadHelpSystemFacts()));
}

void QuitHelp(HWND mainWindow)
{
    if (ChooseHelpForm(ReadHelpSystemFacts()) == HelpForm::Viewer)
        WinHelpA(mainWindow, HelpFilePath().c_str(), HELP_QUIT, 0);
}
