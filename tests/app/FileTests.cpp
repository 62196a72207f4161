// Saved games through the file commands: opening, refusing, saving over a file.
#include "Harness.h"
#include "SafeWrite.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <tuple>

namespace {

// While set, every array asked for without exceptions is refused: the board
// that would check a file gets no memory.
bool refuseArrays = false;

// A game on a w x h board shown from its corner, each turn with its reply.
SavedGame GameOf(uint32_t w, uint32_t h, std::vector<TurnRecord> turns, int32_t current, int32_t clock)
{
    return {{current, int32_t(turns.size()) - 1, 1, 1, clock, {0, 0, std::min(w, 40u), std::min(h, 20u)}}, w,
        h, turns};
}

// The largest board filled to its last square with no five anywhere: the
// longest game a file can hold. Each row runs in pairs of one kind, the next
// row shifted by two, so no line of five is of one kind in any direction.
SavedGame FullLargestBoard()
{
    std::vector<TurnRecord> turns;
    std::vector<std::pair<uint32_t, uint32_t>> computer;
    for (uint32_t y = 0; y < 100; ++y)
        for (uint32_t x = 0; x < 100; ++x)
            if ((x + 2 * y) % 4 < 2)
                turns.push_back({x, y, 0, 0});
            else
                computer.push_back({x, y});
    for (size_t i = 0; i < turns.size(); ++i)
        std::tie(turns[i].replyX, turns[i].replyY) = computer[i];
    return GameOf(100, 100, turns, 4999, 9000);
}

}  // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return refuseArrays ? nullptr : std::malloc(size ? size : 1);
}

TEST_CASE("an opened game is the saved one: its state, its menu, its view, and it saves to the same bytes")
{
    const SavedGame won {{4, 4, 1, 0, 40, {2, 3, 15, 12}}, 30, 25,
        {{4, 5, 4, 20}, {5, 5, 5, 20}, {6, 5, 6, 20}, {7, 5, 7, 20}, {8, 5, 0, 0}}};
    const struct {
        SavedGame game;
        GameState state;
        const char* menu;
    } cases[] = {
        {GameOf(20, 20, {{10, 10, 9, 9}}, 0, 6), InPlay, "New Undo Hint"},
        // The clock, not the record, tells whether a game has started.
        {GameOf(20, 20, {{10, 10, 9, 9}, {3, 3, 4, 4}}, 1, 0), NotStarted, "New Undo Hint"},
        {GameOf(10, 5, {}, -1, 9), InPlay, "New Hint"},
        {GameOf(20, 20, {{10, 10, 9, 9}, {3, 3, 4, 4}, {15, 2, 16, 2}}, 0, 3), InPlay, "New Undo Redo Hint"},
        {won, Won, "New Undo"},
        {FullLargestBoard(), BoardFull, "New Undo"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.menu);
        Game game;
        TempFolder folder;
        WriteBytes(folder / L"hra.hra", ToStoredForm(EncodeSavedGame(c.game)));
        Answering({Press(IDOK, folder / L"hra.hra")}, [] { Command(IDM_OPEN); });
        CHECK(BoardGame() == c.game);
        CHECK(shell.board->state == c.state);
        CHECK(MenuText() == c.menu);
        CHECK(ToolbarText() == c.menu);
        CHECK(Title()
            == L"Quinterra [" + std::to_wstring(c.game.width) + L"x" + std::to_wstring(c.game.height)
                + L"] hra.hra");
        const Picture view = Snapshot(shell.boardView);
        const ViewPlace& v = c.game.view;
        CHECK(std::tuple {view.width, view.height}
            == std::tuple {int(17 * v.visibleCols + 1), int(17 * v.visibleRows + 1)});
        CHECK(BoardScrollBars()
            == ScrollBars {int(c.game.width) - 1, int(v.visibleCols), int(v.scrollX), int(c.game.height) - 1,
                int(v.visibleRows), int(v.scrollY)});
        uint32_t stones = 0;
        for (int32_t i = 0; i <= c.game.currentTurn; ++i)
            stones += 1 + (i < c.game.lastTurn || c.game.lastHasReply);
        CHECK(shell.board->freeCells == c.game.width * c.game.height - stones);
        Answering({}, [] { Command(IDM_SAVE); });
        CHECK(ReadBytes(folder / L"hra.hra") == ToStoredForm(EncodeSavedGame(c.game)));
    }
}

TEST_CASE("a file that cannot become the game is refused with its reason; the game, its file and title stay")
{
    Game game;
    TempFolder folder;
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    Answering({Press(IDOK, folder / L"dobra.hra")}, [] { Command(IDM_SAVEAS); });
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
        {ToStoredForm(EncodeSavedGame(stacked)), false, damaged},
        {{}, false, damaged},
        {otherVersion, false, L"Hra byla uložena v jiné verzi Quinterra.\rV této verzi ji nelze použít."},
        {ToStoredForm(EncodeSavedGame(GameOf(100, 100, {{50, 50, 51, 51}}, 0, 2))), true,
            L"Hru nelze otevřít: pro kontrolu souboru není dost paměti.\rRozehraná hra pokračuje beze "
            L"změny."},
    };
    for (const auto& c : cases) {
        WriteBytes(folder / L"spatna.hra", c.bytes);
        std::vector<std::wstring> seen = Answering({Press(IDOK, folder / L"spatna.hra"), Press(IDOK)}, [&] {
            refuseArrays = c.noMemory;
            Command(IDM_OPEN);
            refuseArrays = false;
        });
        CHECK(seen.at(1) == std::wstring(L"Chyba|") + c.message);
        CHECK(BoardGame() == before);
        CHECK(Title() == title);
        CHECK(shell.filePath == path);
    }
    ClickAt(17 * 3 + 9, 17 * 3 + 9);  // the game goes on
    CHECK(shell.board->currentTurn == 1);
}

TEST_CASE("a game saved before its first move can be started anew")
{
    Game game;
    TempFolder folder;
    Answering({Press(IDOK, folder / L"prazdna.hra")}, [] { Command(IDM_SAVEAS); });
    CHECK(MenuText() == "New Hint");
}

TEST_CASE("Save asks for a name once, then replaces the file keeping its attributes; a failed save keeps it")
{
    Game game;
    TempFolder folder;
    const std::wstring file = folder / L"partie.hra";
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    Answering({Press(IDOK, file)}, [] { Command(IDM_SAVE); });
    CHECK(Title() == L"Quinterra [20x20] partie.hra");
    REQUIRE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ClickAt(17 * 3 + 9, 17 * 14 + 9);
    Answering({}, [] { Command(IDM_SAVE); });
    CHECK(ReadBytes(file) == ToStoredForm(EncodeSavedGame(BoardGame())));
    CHECK((GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0);

    // Held open by another program, or read-only: refused, the old bytes stay.
    const std::vector<uint8_t> old = ReadBytes(file);
    ClickAt(17 * 15 + 9, 17 * 2 + 9);
    for (bool readOnly : {false, true}) {
        CAPTURE(readOnly);
        HANDLE held = CreateFileW(
            file.c_str(), GENERIC_READ, readOnly ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (readOnly)
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
        std::vector<std::wstring> seen = Answering({Press(IDOK)}, [] { Command(IDM_SAVE); });
        CloseHandle(held);
        CHECK(seen.at(0) == L"Chyba|Hru se nepodařilo uložit do souboru\r" + file + L".");
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
    CHECK(ReadBytes(target) == ToStoredForm(EncodeSavedGame(BoardGame())));
}

TEST_CASE("Save writes its target and no other file, whatever the folder holds")
{
    Game game;
    TempFolder folder;
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    // The first temporary names a save tries, all of them files of the
    // player's, each with bytes of its own.
    std::vector<std::wstring> others;
    for (uint32_t attempt = 0; attempt < 3; ++attempt)
        others.push_back(TemporaryName(GetCurrentProcessId(), attempt));
    auto bytesOf = [](const std::wstring& name) {
        std::vector<uint8_t> bytes;
        for (wchar_t c : name)
            bytes.push_back(uint8_t(c));
        return bytes;
    };
    for (const std::wstring& name : others)
        WriteBytes(folder / name, bytesOf(name));

    const std::wstring file = folder / L"partie.hra";
    Answering({Press(IDOK, file)}, [] { Command(IDM_SAVEAS); });
    ClickAt(17 * 3 + 9, 17 * 3 + 9);
    Answering({}, [] { Command(IDM_SAVE); });
    CHECK(ReadBytes(file) == ToStoredForm(EncodeSavedGame(BoardGame())));
    CHECK(folder.Files() == long(others.size()) + 1);
    size_t changed = 0;
    for (const std::wstring& name : others)
        changed += ReadBytes(folder / name) != bytesOf(name);
    CHECK(changed == 0);
}

TEST_CASE("in a folder that takes no new files, a game file is saved in place and a new one is refused")
{
    Game game;
    std::wstring folder = L"Z:" QUINTERRA_LOCKED_FOLDER;
    std::ranges::replace(folder, L'/', L'\\');
    const std::wstring file = folder + L"\\partie.hra";
    const std::string old = "old game";
    REQUIRE(ReadBytes(file) == std::vector<uint8_t>(old.begin(), old.end()));
    REQUIRE(CreateFileW((folder + L"\\probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)
        == INVALID_HANDLE_VALUE);

    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    Answering({Press(IDOK, file), Press(IDYES)}, [] { Command(IDM_SAVEAS); });
    CHECK(ReadBytes(file) == ToStoredForm(EncodeSavedGame(BoardGame())));
    CHECK(Title() == L"Quinterra [20x20] partie.hra");

    const std::wstring fresh = folder + L"\\nova.hra";
    std::vector<std::wstring> seen =
        Answering({Press(IDOK, fresh), Press(IDOK)}, [] { Command(IDM_SAVEAS); });
    CHECK(seen.at(1) == L"Chyba|Hru se nepodařilo uložit do souboru\r" + fresh + L".");
    CHECK(std::distance(std::filesystem::directory_iterator(std::filesystem::path(folder)), {}) == 1);
}

TEST_CASE("a path past the usual limit is written in its long form, a network path in the network's")
{
    const std::wstring name(250, L'n');
    CHECK(WithinPathLimit(L"\\\\server\\share\\" + name) == L"\\\\?\\UNC\\server\\share\\" + name);
    CHECK(WithinPathLimit(L"C:\\" + name + L"\\" + name) == L"\\\\?\\C:\\" + name + L"\\" + name);
    CHECK(WithinPathLimit(L"C:\\" + name) == L"C:\\" + name);
}
