// Saved games through the file commands: what a file opens as, which files
// are refused and why, and saving over a file.
#include "Harness.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <cstdlib>
#include <new>

namespace {

// While set, every array asked for without exceptions is refused: the board
// that would check a file gets no memory.
bool refuseArrays = false;

std::vector<uint8_t> Stored(const SavedGame& game)
{
    return ToStoredForm(EncodeSavedGame(game));
}

// A game on a w x h board shown from its corner; a last reply at x = 99 is none.
SavedGame GameOf(uint32_t w, uint32_t h, std::vector<TurnRecord> turns, int32_t current, int32_t clock)
{
    const int32_t last = int32_t(turns.size()) - 1;
    const bool noReply = last >= 0 && turns.back().replyX == 99;
    if (noReply)
        turns.back().replyX = turns.back().replyY = 0;
    return {w, h, current, last, 1, !noReply, clock, 0, 0, std::min(w, 40u), std::min(h, 20u), turns};
}

}  // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return refuseArrays ? nullptr : std::malloc(size ? size : 1);
}

TEST_CASE("an opened game is the saved one: its state, its menu, its view, and it saves to the same bytes")
{
    SavedGame won =
        GameOf(30, 25, {{4, 5, 4, 20}, {5, 5, 5, 20}, {6, 5, 6, 20}, {7, 5, 7, 20}, {8, 5, 99, 0}}, 4, 40);
    won.scrollX = 2;
    won.scrollY = 3;
    won.visibleCols = 15;
    won.visibleRows = 12;
    const struct {
        SavedGame game;
        int32_t state;
        const char* menu;
    } cases[] = {
        {GameOf(20, 20, {{10, 10, 9, 9}}, 0, 6), InPlay, "New Undo Hint"},
        // The clock, not the record, tells whether a game has started.
        {GameOf(20, 20, {{10, 10, 9, 9}, {3, 3, 4, 4}}, 1, 0), NotStarted, "New Undo Hint"},
        {GameOf(10, 5, {}, -1, 9), InPlay, "New Hint"},
        {GameOf(20, 20, {{10, 10, 9, 9}, {3, 3, 4, 4}, {15, 2, 16, 2}}, 0, 3), InPlay, "New Undo Redo Hint"},
        {won, Won, "New Undo"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.menu);
        Game game;
        TempFolder folder;
        WriteBytes(folder / L"hra.hra", Stored(c.game));
        Answering({FileName(folder / L"hra.hra")}, [] { Command(IDM_OPEN); });
        CHECK(BoardGame() == c.game);
        CHECK(shell.board->state == c.state);
        CHECK(MenuText() == c.menu);
        CHECK(Title()
            == L"Quinterra [" + std::to_wstring(c.game.width) + L"x" + std::to_wstring(c.game.height)
                + L"] hra.hra");
        RECT view {};
        GetClientRect(shell.boardView, &view);
        CHECK(view.right == int(17 * c.game.visibleCols + 1));
        CHECK(view.bottom == int(17 * c.game.visibleRows + 1));
        SCROLLINFO bar {sizeof bar, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(shell.boardView, SB_VERT, &bar);
        CHECK(bar.nMax == int(c.game.height) - 1);
        CHECK(bar.nPage == c.game.visibleRows);
        CHECK(bar.nPos == int(c.game.scrollY));
        uint32_t stones = 0;
        for (int32_t i = 0; i <= c.game.currentTurn; ++i)
            stones += 1 + (i < c.game.lastTurn || c.game.lastHasReply);
        CHECK(shell.board->freeCells == c.game.width * c.game.height - stones);
        Answering({}, [] { Command(IDM_SAVE); });
        CHECK(ReadBytes(folder / L"hra.hra") == Stored(c.game));
    }
}

TEST_CASE("a file that cannot become the game is refused with its reason; the game, its file and title stay")
{
    Game game;
    TempFolder folder;
    ClickSquare(10, 10);
    Answering({FileName(folder / L"dobra.hra")}, [] { Command(IDM_SAVEAS); });
    const std::vector<uint8_t> good = ReadBytes(folder / L"dobra.hra");
    const SavedGame before = BoardGame();
    const std::wstring title = Title(), path = shell.filePath;
    SavedGame stacked = before;
    stacked.record[0].replyX = stacked.record[0].replyY = 10;
    std::vector<uint8_t> otherVersion = good;
    std::swap(otherVersion[3], otherVersion[4]);
    const wchar_t* damaged =
        L"Hru nelze otevřít. Zřejmě se nejedná o soubor\rs uloženou hrou nebo je soubor poškozen.";
    const struct {
        std::vector<uint8_t> bytes;
        bool noMemory;
        const wchar_t* message;
    } cases[] = {
        {{good.begin(), good.end() - 1}, false, damaged},
        {Stored(stacked), false, damaged},
        {{}, false, damaged},
        {otherVersion, false, L"Hra byla uložena v jiné verzi Quinterra.\rV této verzi ji nelze použít."},
        {Stored(GameOf(100, 100, {{50, 50, 51, 51}}, 0, 2)), true,
            L"Hru nelze otevřít: pro kontrolu souboru není dost paměti.\rRozehraná hra pokračuje beze "
            L"změny."},
    };
    for (const auto& c : cases) {
        CAPTURE(c.bytes.size());
        WriteBytes(folder / L"spatna.hra", c.bytes);
        std::vector<Seen> seen = Answering({FileName(folder / L"spatna.hra"), Press(IDOK)}, [&] {
            refuseArrays = c.noMemory;
            Command(IDM_OPEN);
            refuseArrays = false;
        });
        CHECK(seen.at(1).caption == L"Chyba");
        CHECK(seen.at(1).text == c.message);
        CHECK(BoardGame() == before);
        CHECK(Title() == title);
        CHECK(shell.filePath == path);
    }
    ClickSquare(3, 3);  // the game goes on
    CHECK(shell.board->currentTurn == 1);
}

TEST_CASE(
    "Save asks for a name once, then replaces the file keeping its attributes; a failed save keeps it whole")
{
    Game game;
    TempFolder folder;
    const std::wstring file = folder / L"partie.hra";
    ClickSquare(10, 10);
    Answering({FileName(file)}, [] { Command(IDM_SAVE); });
    CHECK(Title() == L"Quinterra [20x20] partie.hra");
    REQUIRE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ClickSquare(3, 14);
    Answering({}, [] { Command(IDM_SAVE); });
    CHECK(ReadBytes(file) == Stored(BoardGame()));
    CHECK((GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0);
    CHECK(folder.Files() == 1);

    // Held open by another program, or read-only: refused, the old bytes stay.
    const std::vector<uint8_t> old = ReadBytes(file);
    ClickSquare(15, 2);
    for (bool readOnly : {false, true}) {
        CAPTURE(readOnly);
        HANDLE held = CreateFileW(
            file.c_str(), GENERIC_READ, readOnly ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (readOnly)
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
        std::vector<Seen> seen = Answering({Press(IDOK)}, [] { Command(IDM_SAVE); });
        CloseHandle(held);
        CHECK(seen.at(0).caption == L"Chyba");
        CHECK(seen.at(0).text.find(file) != std::wstring::npos);
        CHECK(ReadBytes(file) == old);
        CHECK(folder.Files() == 1);
    }
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);

    // A target within the limit of a path in a folder so deep that no
    // temporary name beside it would be, still saves.
    std::wstring deep = folder.path.wstring();
    while (deep.size() < MAX_PATH - 10)
        REQUIRE(CreateDirectoryW(
            (L"\\\\?\\"
                + (deep += L"\\" + std::wstring(std::min<size_t>(MAX_PATH - 10 - deep.size(), 60), L'd')))
                .c_str(),
            nullptr));
    const std::wstring target = deep + L"\\a.hra";
    wcscpy(shell.filePath, target.c_str());
    shell.nameOffset = uint16_t(target.size() - 5);
    Answering({}, [] { Command(IDM_SAVE); });
    CHECK(ReadBytes(target) == Stored(BoardGame()));
}
