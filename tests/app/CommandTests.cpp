// The commands through the menu's WM_COMMAND and through the command keys.
#include "AppFixture.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <string>

namespace {

}  // namespace

TEST_CASE("New asks even at start, and No changes nothing")
{
    GameFixture game;
    CBoard* before = shell.board.get();
    {
        BoxAnswerer no(IDNO);
        SendCommand(IDM_NEW);
        REQUIRE_FALSE(no.timedOut());
        CHECK(no.boxesSeen() == 1);
        CHECK(no.text() == L"Opravdu si přejete zahájit novou hru,\ra tak zrušit stávající?");
        CHECK(no.caption() == L"Zahájit novou hru?");
    }
    CHECK(shell.board.get() == before);
    CHECK(shell.board->state == NotStarted);

    ClickSquare(10, 10);
    {
        BoxAnswerer no(IDNO);
        SendCommand(IDM_NEW);
        CHECK(no.boxesSeen() == 1);
    }
    CHECK(StonesOnBoard() == 2);
    CHECK(shell.board->currentTurn == 0);
}

TEST_CASE("New answered Yes clears the board, forgets the file and shortens the title")
{
    GameFixture game;
    ClickSquare(10, 10);
    ClickSquare(3, 3);
    REQUIRE(StonesOnBoard() == 4);
    wcscpy(shell.filePath, L"C:\\hry\\partie.hra");
    shell.nameOffset = 7;
    SetMainTitle(shell.mainWindow, 20, 20, true);
    REQUIRE(MainTitle() == L"Quinterra [20x20] partie.hra");
    {
        BoxAnswerer yes(IDYES);
        SendCommand(IDM_NEW);
        CHECK(yes.boxesSeen() == 1);
    }
    CHECK(StonesOnBoard() == 0);
    CHECK(shell.board->currentTurn == -1);
    CHECK(shell.board->lastTurn == -1);
    CHECK(shell.board->state == NotStarted);
    CHECK(shell.nameOffset == 0);
    CHECK(shell.filePath[0] == L'\0');
    CHECK(MainTitle() == L"Quinterra [20x20]");
}

TEST_CASE("Undo, Redo and Hint from the menu")
{
    GameFixture game;
    SendCommand(IDM_HINT);
    // The engine's suggestion on an empty 20 x 20 board and the reply to it.
    CHECK(OwnerAt(4, 4) == Human);
    CHECK(OwnerAt(5, 4) == Computer);
    ClickSquare(12, 12);
    CHECK(shell.board->currentTurn == 1);
    SendCommand(IDM_UNDO);
    CHECK(shell.board->currentTurn == 0);
    CHECK(OwnerAt(12, 12) == Nobody);
    CHECK(StonesOnBoard() == 2);
    SendCommand(IDM_REDO);
    CHECK(shell.board->currentTurn == 1);
    CHECK(OwnerAt(12, 12) == Human);
}

TEST_CASE("the command keys reach the commands through the accelerator table")
{
    GameFixture game;
    // Undo is greyed at the start: its key does nothing.
    PressCommandKey('Z', true);
    CHECK(shell.board->currentTurn == -1);

    ClickSquare(10, 10);
    ClickSquare(2, 15);
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
    ClickSquare(10, 10);
    HWND main = shell.mainWindow;
    BoxAnswerer watch(IDCANCEL);
    for (UINT id : {40007u, 40008u, 40010u, 40011u, 40016u, 40050u, 0u})
        SendCommand(id);
    CHECK(watch.boxesSeen() == 0);
    CHECK(IsWindow(main));
    CHECK(shell.board->currentTurn == 0);
    CHECK(StonesOnBoard() == 2);
}
