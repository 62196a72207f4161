#include "AboutHelp.h"

#include "Shell.h"

#include <windows.h>

#include <vector>

namespace {

const wchar_t HelpFileName[] = L"quinterra.hlp";

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

}  // namespace

const wchar_t* AboutText()
{
    return L"Quinterra verze 1.08 (alfa)\r"
           L"Algoritmus verze 1.01\r"
           L"Piškvorky na ploše až 100 × 100 polí proti počítači.\r"
           L"Počítač hledá tah podle vzorů v každé pětici polí\r"
           L"a odpovídá hned po vašem tahu; vyhrává pět v řadě.\r"
           L"\r"
           L"UPOZORNĚNÍ: Tento program se vyvíjí. Verze, kterou používáte,\r"
           L"má sloužit pouze jako ukázka toho, kam už vývoj dospěl.\r"
           L"V žádném případě se nejedná o program vhodný pro masovou\r"
           L"distribuci, protože zcela jistě obsahuje množství chyb\r"
           L"a nedodělků.\r";
}

void CmdAbout()
{
    MessageBoxW(shell.mainWindow, AboutText(), L"O programu", MB_OK | MB_ICONINFORMATION);
}

std::string HelpFilePath()
{
    std::vector<wchar_t> module(MAX_PATH);
    DWORD length = 0;
    // A path longer than the buffer comes back cut short: grow and ask again.
    while ((length = GetModuleFileNameW(nullptr, module.data(), DWORD(module.size()))) >= module.size()
        && module.size() < 32768)
        module.resize(module.size() * 2);
    if (length == 0 || length >= module.size())
        return ToAnsi(HelpFileName);
    std::wstring path(module.data(), length);
    size_t cut = path.find_last_of(L"\\/");
    path = (cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1)) + HelpFileName;

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

void CmdHelp()
{
    WinHelpA(shell.mainWindow, HelpFilePath().c_str(), HELP_CONTENTS, 0);
}
