// The commands through the menu's WM_COMMAND and through the command keys.
#include "AppFixture.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <string>

namespace {

void Click(uint32_t col, uint32_t row)
{
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(17 * col + 9, 17 * row + 9));
}

std::wstring Title()
{
    wchar_t title[300] = {};
    GetWindowTextW(shell.mainWindow, title, 300);
    return title;
}

void Command(UINT id)
{
    SendMessageW(shell.mainWindow, WM_COMMAND, id, 0);
    Pump();
}

}  // namespace

TEST_CASE("New asks even at start, and No changes nothing")
{
    GameFixture game;
    CBoard* before = shell.board.get();
    {
        BoxAnswerer no(IDNO);
        Command(IDM_NEW);
        REQUIRE_FALSE(no.timedOut());
        CHECK(no.boxesSeen() == 1);
        CHECK(no.text() == L"Opravdu si přejete zahájit novou hru,\ra tak zrušit stávající?");
        CHECK(no.caption() == L"Zahájit novou hru?");
    }
    CHECK(shell.board.get() == before);
    CHECK(shell.board->state == NotStarted);

    Click(10, 10);
    {
        BoxAnswerer no(IDNO);
        Command(IDM_NEW);
        CHECK(no.boxesSeen() == 1);
    }
    CHECK(StonesOnBoard() == 2);
    CHECK(shell.board->currentTurn == 0);
}

TEST_CASE("New answered Yes clears the board, forgets the file and shortens the title")
{
    GameFixture game;
    Click(10, 10);
    Click(3, 3);
    REQUIRE(StonesOnBoard() == 4);
    wcscpy(shell.filePath, L"C:\\hry\\partie.hra");
    shell.nameOffset = 7;
    SetMainTitle(shell.mainWindow, 20, 20, true);
    REQUIRE(Title() == L"Quinterra [20x20] partie.hra");
    {
        BoxAnswerer yes(IDYES);
        Command(IDM_NEW);
        CHECK(yes.boxesSeen() == 1);
    }
    CHECK(StonesOnBoard() == 0);
    CHECK(shell.board->currentTurn == -1);
    CHECK(shell.board->lastTurn == -1);
    CHECK(shell.board->state == NotStarted);
    CHECK(shell.nameOffset == 0);
    CHECK(shell.filePath[0] == L'\0');
    CHECK(Title() == L"Quinterra [20x20]");
}

TEST_CASE("Undo, Redo and Hint from the menu")
{
    GameFixture game;
    Command(IDM_HINT);
    // The engine's suggestion on an empty 20 x 20 board and the reply to it.
    CHECK(OwnerAt(4, 4) == Human);
    CHECK(OwnerAt(5, 4) == Computer);
    Click(12, 12);
    CHECK(shell.board->currentTurn == 1);
    Command(IDM_UNDO);
    CHECK(shell.board->currentTurn == 0);
    CHECK(OwnerAt(12, 12) == Nobody);
    CHECK(StonesOnBoard() == 2);
    Command(IDM_REDO);
    CHECK(shell.board->currentTurn == 1);
    CHECK(OwnerAt(12, 12) == Human);
}

TEST_CASE("the command keys reach the commands through the accelerator table")
{
    GameFixture game;
    // Undo is greyed at the start: its key does nothing.
    PressCommandKey('Z', true);
    CHECK(shell.board->currentTurn == -1);

    Click(10, 10);
    Click(2, 15);
    REQUIRE(shell.board->currentTurn == 1);
    CHECK(PressCommandKey('Z', true));
    CHECK(shell.board->currentTurn == 0);
    CHECK(PressCommandKey('D', true));
    CHECK(shell.board->currentTurn == 1);
    CHECK(PressCommandKey('P', true));
    CHECK(shell.board->currentTurn == 2);
    CHECK(StonesOnBoard() == 6);

    // Z without Ctrl and Ctrl+J (Save As has no key) are no commands.
    CHECK_FALSE(PressCommandKey('Z', false));
    CHECK_FALSE(PressCommandKey('J', true));
    CHECK(shell.board->currentTurn == 2);

    {
        BoxAnswerer yes(IDYES);
        CHECK(PressCommandKey('N', true));
        CHECK(yes.boxesSeen() == 1);
    }
    CHECK(StonesOnBoard() == 0);
}

TEST_CASE("command ids the program does not carry out are ignored")
{
    GameFixture game;
    Click(10, 10);
    HWND main = shell.mainWindow;
    BoxAnswerer watch(IDCANCEL);
    for (UINT id : {40007u, 40008u, 40010u, 40011u, 40016u, 40050u, 0u})
        Command(id);
    CHECK(watch.boxesSeen() == 0);
    CHECK(IsWindow(main));
    CHECK(shell.board->currentTurn == 0);
    CHECK(StonesOnBoard() == 2);
}
