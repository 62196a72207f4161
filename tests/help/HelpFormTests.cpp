// The help in each form as the program shows it under Wine: a missing file is
// reported in Czech, and the browser form hands the HTML page beside the
// program to the system's browser.
#include "AboutHelp.h"
#include "DialogScript.h"

#include <doctest/doctest.h>

#include <fstream>
#include <string>

namespace {

std::wstring BesideTest(const wchar_t* name)
{
    wchar_t self[MAX_PATH] = {};
    REQUIRE(GetModuleFileNameW(nullptr, self, MAX_PATH) > 0);
    const std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

void SetValue(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value)
{
    const DWORD size = DWORD((value.size() + 1) * sizeof(wchar_t));
    REQUIRE(RegSetKeyValueW(root, key, name, REG_SZ, value.c_str(), size) == ERROR_SUCCESS);
}

}  // namespace

TEST_CASE("A missing help file gets a Czech message box in either form")
{
    for (const auto& [form, file] :
        {std::pair {HelpForm::Viewer, L"quinterra.hlp"}, {HelpForm::Browser, L"quinterra.html"}}) {
        DeleteFileW(BesideTest(file).c_str());
        DialogScript script({DialogScript::Press(IDOK)});
        ShowHelp(nullptr, form);
        REQUIRE(script.seen().size() == 1);
        CHECK(script.seen()[0].caption == L"Nápověda");
        CHECK(script.seen()[0].text.find(L"Soubor nápovědy nebyl nalezen:\r" + BesideTest(file)) == 0);
    }
}

TEST_CASE("The browser form opens quinterra.html beside the program")
{
    const std::wstring page = BesideTest(L"quinterra.html"), opened = BesideTest(L"opened.txt");
    std::ofstream(page.c_str()) << "<!DOCTYPE html><title>Quinterra</title>\n";
    DeleteFileW(opened.c_str());
    // Web pages open as on Windows with a browser (the test prefix leaves out
    // Wine's own HTML engine, which would register them), in a host program
    // that notes the address it was given.
    SetValue(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.html", nullptr, L"htmlfile");
    SetValue(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", L"Browsers", L"" QUINTERRA_BROWSER);
    {
        DialogScript none({});  // a message box would time the script out
        ShowHelp(nullptr, HelpForm::Browser);
        CHECK_FALSE(none.timedOut());
    }
    std::string url;
    for (int i = 0; i < 100 && url.empty(); ++i) {
        Sleep(100);
        std::getline(std::ifstream(opened.c_str()), url);
    }
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.html");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", L"Browsers");
    DeleteFileW(page.c_str());
    CHECK(url == "file://" QUINTERRA_TEST_DIR "/quinterra.html");
}
