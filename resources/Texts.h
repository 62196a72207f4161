// Every text the program shows from its code, in one place beside the .rc
// file that holds the menus and the dialog. A bare CR breaks a message's
// lines, as the message boxes expect.
#pragma once

#include "version.h"  // generated: the project's version

namespace Text {

// Captions of the message boxes.
inline constexpr wchar_t ErrorCaption[] = L"Chyba";
inline constexpr wchar_t HelpCaption[] = L"Nápověda";
inline constexpr wchar_t AboutCaption[] = L"O programu";
inline constexpr wchar_t NewGameCaption[] = L"Zahájit novou hru?";
inline constexpr wchar_t ResizeCaption[] = L"Změnit velikost?";

// The main window's title: the board's width and height, then the file's name.
inline constexpr wchar_t TitleFormat[] = L"Quinterra [%ux%u]";
inline constexpr wchar_t TitleWithFileFormat[] = L"Quinterra [%ux%u] %ls";

// Eleven lines, each ended by a bare CR.
inline constexpr wchar_t About[] = L"Quinterra verze " QUINTERRA_VERSION_TEXT L" (alfa)\r"
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

// Questions before the game on the board is given up.
inline constexpr wchar_t ConfirmNewGame[] = L"Opravdu si přejete zahájit novou hru,\ra tak zrušit stávající?";
inline constexpr wchar_t ConfirmResize[] =
    L"Opravdu si přejete změnit velikost hrací plochy\ra tím zrušit stávající hru?";

// Running out of memory.
inline constexpr wchar_t NoMemoryForGame[] =
    L"Pro hru není dost paměti.\rRozehranou partii nelze dohrát a program bude ukončen.";
inline constexpr wchar_t NoMemoryForBoardSize[] =
    L"Pro hrací plochu této velikosti není dost paměti.\rHra pokračuje beze změny.";
inline constexpr wchar_t NoMemoryToCheckFile[] =
    L"Hru nelze otevřít: pro kontrolu souboru není dost paměti.\rRozehraná hra pokračuje beze změny.";
inline constexpr wchar_t NoWindow[] = L"Okno hry se nepodařilo vytvořit.";

// Saved games; the save failure is followed by the path and a full stop.
inline constexpr wchar_t NotSavedGame[] =
    L"Hru nelze otevřít. Zřejmě se nejedná o soubor\rs uloženou hrou nebo je soubor poškozen.";
inline constexpr wchar_t OtherVersion[] =
    L"Hra byla uložena v jiné verzi Quinterra.\rV této verzi ji nelze použít.";
inline constexpr wchar_t SaveFailed[] = L"Hru se nepodařilo uložit do souboru\r";
// The file dialogs' filter: pairs of a name and its pattern, and an empty end.
inline constexpr wchar_t FileFilter[] = L"hra\0*.hra\0všechny\0*.*\0";

// Help; the first is followed by the path and then HelpFileBelongs.
inline constexpr wchar_t HelpFileMissing[] = L"Soubor nápovědy nebyl nalezen:\r";
inline constexpr wchar_t HelpFileBelongs[] = L"\rPatří do stejné složky jako program quinterra.exe.";
inline constexpr wchar_t HelpBrowserFailed[] = L"Nápovědu se nepodařilo otevřít v prohlížeči:\r";

// The board view's context menu.
inline constexpr wchar_t PlaceMark[] = L"Umístit značku";
inline constexpr wchar_t Settings[] = L"Nastavení...";

}  // namespace Text
