// How a player reaches the commands: the menu's labels and ids, the command
// keys, the About box, and the ways out of the settings dialog. The ids are
// written as numbers here: they are the program's fixed interface, so a
// changed constant must show.
#include "Harness.h"
#include "SettingsDialog.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <tuple>
#include <vector>

namespace {

std::wstring MenuItems(HMENU menu)
{
    std::wstring items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, UINT(i), text, 64, MF_BYPOSITION);
        HMENU popup = GetSubMenu(menu, i);
        if (popup)
            items += std::wstring(text) + L" [" + MenuItems(popup) + L"] ";
        else if (GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_SEPARATOR)
            items += L"| ";
        else
            items += std::wstring(text) + L"=" + std::to_wstring(GetMenuItemID(menu, i)) + L" ";
    }
    return items;
}

std::wstring KeyName(const ACCEL& key)
{
    std::wstring name = (key.fVirt & FCONTROL) ? L"Ctrl+" : L"";
    name += (key.fVirt & FSHIFT) ? L"Shift+" : L"";
    name += (key.fVirt & FALT) ? L"Alt+" : L"";
    name += key.key == VK_F1 ? std::wstring(L"F1") : std::wstring(1, wchar_t(key.key));
    return name + ((key.fVirt & FVIRTKEY) ? L"" : L"(char)");
}

}  // namespace

TEST_CASE("the menu bar's labels, keys and command ids, and the keys that run them")
{
    Game game;
    CHECK(MenuItems(GetMenu(shell.mainWindow))
        == L"&Hra [&Nová\tCtrl+N=40001 | &Otevřít...\tCtrl+O=40012 &Uložit\tCtrl+S=40013 "
           L"Uložit &Jako...\tCtrl+J=40009 | &Nastavení...\tCtrl+T=40014 | &Konec\tAlt+F4=40002 ] "
           L"&Tah [&Zpět\tCtrl+Z=40003 &Dopředu\tCtrl+D=40004 | &Poradit\tCtrl+P=40015 ] "
           L"&Nápověda [&O programu\tCtrl+A=40005 &Nápověda\tF1=40006 ] ");

    ACCEL keys[32] = {};
    const int count = CopyAcceleratorTableW(shell.accelerators, keys, 32);
    std::wstring table;
    for (int i = 0; i < count; ++i)
        table += KeyName(keys[i]) + L"=" + std::to_wstring(keys[i].cmd) + L" ";
    CHECK(table
        == L"Ctrl+A=40005 Ctrl+D=40004 Ctrl+N=40001 Ctrl+O=40012 Ctrl+P=40015 Ctrl+S=40013 "
           L"Ctrl+T=40014 F1=40006 Ctrl+Z=40003 ");
}

TEST_CASE("the About box tells what the program is, in Czech")
{
    Game game;
    std::vector<std::wstring> seen = Answering({Press(IDOK)}, [] { Command(IDM_ABOUT); });
    CHECK(seen.at(0)
        == L"O programu|Quinterra verze 1.08 (alfa)\rAlgoritmus verze 1.01\r"
           L"Piškvorky na ploše až 100 × 100 polí proti počítači.\r"
           L"Počítač hledá tah podle vzorů v každé pětici polí\r"
           L"a odpovídá hned po vašem tahu; vyhrává pět v řadě.\r\r"
           L"UPOZORNĚNÍ: Tento program se vyvíjí. Verze, kterou používáte,\r"
           L"má sloužit pouze jako ukázka toho, kam už vývoj dospěl.\r"
           L"V žádném případě se nejedná o program vhodný pro masovou\r"
           L"distribuci, protože zcela jistě obsahuje množství chyb\ra nedodělků.\r");
}

TEST_CASE("the settings dialog's texts and the board's size; Storno, Esc and its close box change nothing")
{
    Game game;
    ChangeBoardSize(shell.mainWindow, 30, 25);
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    const CBoard* board = shell.board.get();
    const Step ways[] = {
        [](HWND dialog) { PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); },
        [](HWND dialog) { PostMessageW(GetDlgItem(dialog, IDC_WIDTH), WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const Step& way : ways) {
        std::wstring shown;
        Answering({[&](HWND dialog) {
            wchar_t text[32] = {};
            GetWindowTextW(dialog, text, 32);
            shown = text;
            std::vector<RECT> at;  // each child's place, in the order of the texts
            for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                GetWindowTextW(child, text, 32);
                shown += std::wstring(L"|") + text;
                GetWindowRect(child, &at.emplace_back());
            }
            // Each label level with its field, the fields above each other and
            // alike, the buttons side by side, all inside the group's frame,
            // and the dialog closing round them with a margin less than a button.
            REQUIRE(at.size() == 7);
            const RECT &group = at[0], &ok = at[1], &cancel = at[2], &widthLabel = at[3], &heightLabel = at[4],
                       &widthField = at[5], &heightField = at[6];
            RECT client {};
            GetClientRect(dialog, &client);
            MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
            CHECK(std::tuple {widthLabel.top - widthField.top, heightLabel.top - heightField.top,
                      widthLabel.left - heightLabel.left, widthField.left - heightField.left,
                      ok.top - cancel.top, ok.bottom - cancel.bottom,
                      (widthField.bottom - widthField.top) - (heightField.bottom - heightField.top)}
                == std::tuple {0, 0, 0, 0, 0, 0, 0});
            CHECK(std::tuple {group.left < widthLabel.left, widthLabel.right <= widthField.left,
                      group.top < widthField.top, widthField.bottom < heightField.top,
                      heightField.bottom < group.bottom, group.bottom < ok.top,
                      client.bottom - ok.bottom < ok.bottom - ok.top,
                      client.right - cancel.right < ok.bottom - ok.top}
                == std::tuple {true, true, true, true, true, true, true, true});
            for (int field : {IDC_WIDTH, IDC_HEIGHT}) {
                GetDlgItemTextW(dialog, field, text, 16);
                shown += L" " + std::wstring(text);
                SetDlgItemTextW(dialog, field, L"40");
            }
            way(dialog);
        }},
            [] { Command(IDM_SETTINGS); });
        CHECK(shown == L"Nastavení|&Velikost hrací plochy|&OK|&Storno|Šířka|Výška|30|25 30 25");
        CHECK(shell.board.get() == board);
        CHECK(std::tuple {board->width, board->height, board->lastTurn} == std::tuple {30u, 25u, 0});
    }
}
