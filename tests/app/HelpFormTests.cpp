// The help in each form under Wine: a missing file is reported in Czech, and
// the browser form hands the HTML page beside the program to the browser.
#include "AboutHelp.h"
#include "Harness.h"

#include <doctest/doctest.h>

#include <fstream>

namespace {

std::wstring BesideTest(const wchar_t* name)
{
    wchar_t self[MAX_PATH] = {};
    REQUIRE(GetModuleFileNameW(nullptr, self, MAX_PATH) > 0);
    const std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

}  // namespace

TEST_CASE("A missing help file gets a Czech box in either form; the browser opens quinterra.html beside us")
{
    // A folder of the help's name is no help file either.
    for (const auto& [form, file] :
        {std::pair {HelpForm::Viewer, L"quinterra.hlp"}, {HelpForm::Browser, L"quinterra.html"}}) {
        const std::wstring folder = BesideTest(file);
        CreateDirectoryW(folder.c_str(), nullptr);
        const auto said = Answering({Press(IDOK)}, [form] { ShowHelp(nullptr, form); });
        RemoveDirectoryW(folder.c_str());
        REQUIRE(said.size() == 1);
        CHECK(said[0].find(L"Nápověda|Soubor nápovědy nebyl nalezen:\r" + folder) == 0);
    }
    const std::wstring page = BesideTest(L"quinterra.html"), opened = BesideTest(L"opened.txt");
    std::ofstream(page.c_str()) << "<!DOCTYPE html>\n";
    DeleteFileW(opened.c_str());
    const wchar_t classes[] = L"Software\\Classes\\.html", wine[] = L"Software\\Wine\\WineBrowser";
    // A page that no program opens is told as such.
    REQUIRE(!RegSetKeyValueW(HKEY_LOCAL_MACHINE, classes, nullptr, REG_SZ, L"nikdo", sizeof L"nikdo"));
    CHECK(Answering({Press(IDOK)}, [] { ShowHelp(nullptr, HelpForm::Browser); }).at(0)
        == L"Nápověda|Nápovědu se nepodařilo otevřít v prohlížeči:\r" + page);
    // .html opens as on Windows (Wine's HTML engine is left out), in a host program noting the address.
    REQUIRE(!RegSetKeyValueW(HKEY_LOCAL_MACHINE, classes, nullptr, REG_SZ, L"htmlfile", sizeof L"htmlfile"));
    REQUIRE(!RegSetKeyValueW(
        HKEY_CURRENT_USER, wine, L"Browsers", REG_SZ, L"" QUINTERRA_BROWSER, sizeof L"" QUINTERRA_BROWSER));
    // A message box here would be one modal window too many.
    CHECK(Answering({}, [] { ShowHelp(nullptr, HelpForm::Browser); }).empty());
    std::string url;
    for (int i = 0; i < 100 && url.empty(); ++i) {
        Sleep(100);
        std::getline(std::ifstream(opened.c_str()), url);
    }
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, classes);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, wine, L"Browsers");
    DeleteFileW(page.c_str());
    CHECK(url == "file://" QUINTERRA_TEST_DIR "/quinterra.html");
}
