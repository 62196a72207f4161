// Saved games through the file commands: what a file opens as, which files
// are refused and why, and saving over a file.
#include "Harness.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <cstdlib>
#include <new>

namespace {

const wchar_t NotSavedGameText[] =
    L"Hru nelze otevřít. Zřejmě se nejedná o soubor\rs uloženou hrou nebo je soubor poškozen.";
const wchar_t OtherVersionText[] = L"Hra byla uložena v jiné verzi Quinterra.\rV této verzi ji nelze použít.";

// While set, every array the engine asks for without exceptions is refused:
// the board that would check a file gets no memory.
bool refuseArrays = false;

std::vector<uint8_t> Stored(const SavedGame& game)
{
    return ToStoredForm(EncodeSavedGame(game));
}

// A game on a w x h board shown whole, with the given turns (a reply of
// x = 99 is none) and current turn.
SavedGame GameOf(uint32_t w, uint32_t h, std::vector<TurnRecord> turns, int32_t current, int32_t clock)
{
    SavedGame g {
        w, h, current, int32_t(turns.size()) - 1, 1, 1, clock, 0, 0, std::min(w, 40u), std::min(h, 20u), {}};
    if (!turns.empty() && turns.back().replyX == 99) {
        g.lastHasReply = 0;
        turns.back().replyX = turns.back().replyY = 0;
    }
    g.record = turns;
    return g;
}

std::string Menu()
{
    std::string s;
    for (auto [id, name] :
        {std::pair {IDM_NEW, "New"}, {IDM_UNDO, " Undo"}, {IDM_REDO, " Redo"}, {IDM_HINT, " Hint"}})
        s += Greyed(id) ? "" : name;
    return s;
}

}  // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return refuseArrays ? nullptr : std::malloc(size ? size : 1);
}

TEST_CASE("an opened game is the saved one: its state, its menu, its view, and it saves to the same bytes")
{
    struct Case {
        const wchar_t* name;
        SavedGame game;
        int32_t state;
        const char* menu;
    };
    SavedGame won =
        GameOf(30, 25, {{4, 5, 4, 20}, {5, 5, 5, 20}, {6, 5, 6, 20}, {7, 5, 7, 20}, {8, 5, 99, 0}}, 4, 40);
    won.scrollX = 2;
    won.scrollY = 3;
    won.visibleCols = 15;
    won.visibleRows = 12;
    const Case cases[] = {
        {L"jeden.hra", GameOf(20, 20, {{10, 10, 9, 9}}, 0, 6), InPlay, "New Undo Hint"},
        // The clock, not the record, tells whether a game has started.
        {L"nula.hra", GameOf(20, 20, {{10, 10, 9, 9}, {3, 3, 4, 4}}, 1, 0), NotStarted, "New Undo Hint"},
        {L"prazdna.hra", GameOf(10, 5, {}, -1, 9), InPlay, "New Hint"},
        {L"zpet.hra", GameOf(20, 20, {{10, 10, 9, 9}, {3, 3, 4, 4}, {15, 2, 16, 2}}, 0, 3), InPlay,
            "New Undo Redo Hint"},
        {L"vyhra.hra", won, Won, "New Undo"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.menu);
        Game game;
        TempFolder folder;
        WriteBytes(folder / c.name, Stored(c.game));
        Answering({FileName(folder / c.name)}, [] { Command(IDM_OPEN); });
        CHECK(BoardGame() == c.game);
        CHECK(shell.board->state == c.state);
        CHECK(Menu() == c.menu);
        CHECK(Title()
            == L"Quinterra [" + std::to_wstring(c.game.width) + L"x" + std::to_wstring(c.game.height) + L"] "
                + c.name);
        RECT view {};
        GetClientRect(shell.boardView, &view);
        CHECK(view.right == int(17 * c.game.visibleCols + 1));
        CHECK(view.bottom == int(17 * c.game.visibleRows + 1));
        SCROLLINFO bar {sizeof bar, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(shell.boardView, SB_HORZ, &bar);
        CHECK(bar.nMax == int(c.game.width) - 1);
        CHECK(bar.nPage == c.game.visibleCols);
        CHECK(bar.nPos == int(c.game.scrollX));
        int32_t stones = 0;
        for (int32_t i = 0; i <= c.game.currentTurn; ++i)
            stones += 1 + (i < c.game.lastTurn || c.game.lastHasReply);
        CHECK(shell.board->freeCells == c.game.width * c.game.height - uint32_t(stones));
        Answering({}, [] { Command(IDM_SAVE); });
        CHECK(ReadBytes(folder / c.name) == Stored(c.game));
        if (c.game.currentTurn < c.game.lastTurn) {
            Command(IDM_REDO);
            CHECK(shell.board->CellAt(3, 3)->owner == Human);
            CHECK(shell.board->CellAt(4, 4)->owner == Computer);
        }
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
    stacked.record[0].replyX = 10;
    stacked.record[0].replyY = 10;
    std::vector<uint8_t> otherVersion = good;
    std::swap(otherVersion[3], otherVersion[4]);
    struct Case {
        const wchar_t* name;
        std::vector<uint8_t> bytes;
        bool noMemory;
        const wchar_t* message;
    };
    const Case cases[] = {
        {L"kratka.hra", {good.begin(), good.end() - 1}, false, NotSavedGameText},
        {L"verze.hra", otherVersion, false, OtherVersionText},
        {L"kamen.hra", Stored(stacked), false, NotSavedGameText},
        {L"nic.hra", {}, false, NotSavedGameText},
        {L"pamet.hra", Stored(GameOf(100, 100, {{50, 50, 51, 51}}, 0, 2)), true,
            L"Hru nelze otevřít: pro kontrolu souboru není dost paměti.\rRozehraná hra pokračuje beze "
            L"změny."},
    };
    for (const Case& c : cases) {
        CAPTURE(c.noMemory);
        WriteBytes(folder / c.name, c.bytes);
        std::vector<Seen> seen = Answering({FileName(folder / c.name), Press(IDOK)}, [&] {
            refuseArrays = c.noMemory;
            Command(IDM_OPEN);
            refuseArrays = false;
        });
        REQUIRE(seen.size() == 2);
        CHECK(seen[1].caption == L"Chyba");
        CHECK(seen[1].text == c.message);
        CHECK(BoardGame() == before);
        CHECK(Title() == title);
        CHECK(shell.filePath == path);
        CHECK_FALSE(shell.outOfMemory);
    }
    ClickSquare(3, 3);  // the game goes on
    CHECK(shell.board->currentTurn == 1);
}

TEST_CASE(
    "Save asks for a name once, then replaces the file keeping its attributes; a failed save keeps it whole")
{
    Game game;
    TempFolder folder;
    ClickSquare(10, 10);
    Answering({FileName(folder / L"partie.hra")}, [] { Command(IDM_SAVE); });
    CHECK(Title() == L"Quinterra [20x20] partie.hra");
    CHECK(ReadBytes(folder / L"partie.hra") == Stored(BoardGame()));

    REQUIRE(SetFileAttributesW((folder / L"partie.hra").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ClickSquare(3, 14);
    Answering({}, [] { Command(IDM_SAVE); });
    CHECK(ReadBytes(folder / L"partie.hra") == Stored(BoardGame()));
    CHECK((GetFileAttributesW((folder / L"partie.hra").c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0);
    CHECK(folder.Names() == std::vector<std::wstring> {L"partie.hra"});

    // Held open by another program, or read-only: refused, the old bytes stay.
    const std::vector<uint8_t> old = ReadBytes(folder / L"partie.hra");
    ClickSquare(15, 2);
    for (bool readOnly : {false, true}) {
        CAPTURE(readOnly);
        HANDLE held = readOnly ? INVALID_HANDLE_VALUE
                               : CreateFileW((folder / L"partie.hra").c_str(), GENERIC_READ, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        if (readOnly)
            SetFileAttributesW((folder / L"partie.hra").c_str(), FILE_ATTRIBUTE_READONLY);
        std::vector<Seen> seen = Answering({Press(IDOK)}, [] { Command(IDM_SAVE); });
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        CHECK(seen.at(0).caption == L"Chyba");
        CHECK(seen.at(0).text.find(folder / L"partie.hra") != std::wstring::npos);
        CHECK(ReadBytes(folder / L"partie.hra") == old);
        CHECK(folder.Names() == std::vector<std::wstring> {L"partie.hra"});
    }

    // A target path near the limit of a path, with a name shorter than any
    // temporary one, still saves.
    std::wstring deep = folder.path;
    std::vector<std::wstring> made;
    while (deep.size() < MAX_PATH - 12 - 8) {
        deep += L"\\" + std::wstring(std::min<size_t>(MAX_PATH - 13 - deep.size() - 1, 60), L'd');
        REQUIRE(CreateDirectoryW(deep.c_str(), nullptr));
        made.push_back(deep);
    }
    const std::wstring target = deep + L"\\a.hra";
    REQUIRE(target.size() < MAX_PATH);
    wcscpy(shell.filePath, target.c_str());
    shell.nameOffset = uint16_t(target.size() - 5);
    Answering({}, [] { Command(IDM_SAVE); });
    CHECK(ReadBytes(target) == Stored(BoardGame()));
    DeleteFileW(target.c_str());
    for (auto d = made.rbegin(); d != made.rend(); ++d)
        RemoveDirectoryW(d->c_str());
}
