// Saving and opening games through the commands, the file dialogs and the
// files themselves.
#include "AppFixture.h"
#include "DialogScript.h"
#include "Fitting.h"
#include "SavedGame.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

const wchar_t NotSavedGameText[] =
    L"Hru nelze otevřít. Zřejmě se nejedná o soubor\rs uloženou hrou nebo je soubor poškozen.";
const wchar_t OtherVersionText[] = L"Hra byla uložena v jiné verzi Quinterra.\rV této verzi ji nelze použít.";

// A folder of its own for each test, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"quinterra-files-" + std::to_wstring(GetCurrentProcessId()) + L"-"
            + std::to_wstring(++count_);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder()
    {
        for (const std::wstring& name : Names()) {
            std::wstring file = path_ + L"\\" + name;
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        }
        RemoveDirectoryW(path_.c_str());
    }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
    std::vector<std::wstring> Names() const
    {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found {};
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

private:
    std::wstring path_;
    static inline int count_ = 0;
};

std::vector<uint8_t> ReadBytes(const std::wstring& path)
{
    std::vector<uint8_t> bytes;
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    bytes.resize(read);
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    REQUIRE(written == bytes.size());
}

bool Greyed(UINT id)
{
    return (GetMenuState(GetMenu(shell.mainWindow), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

// The game on the board as a saved game holds it.
SavedGame BoardGame()
{
    const CBoard& b = *shell.board;
    SavedGame g;
    g.width = b.width;
    g.height = b.height;
    g.currentTurn = b.currentTurn;
    g.lastTurn = b.lastTurn;
    g.lastHasHuman = b.lastHasHuman;
    g.lastHasReply = b.lastHasReply;
    g.clock = b.clock;
    g.scrollX = b.scrollX;
    g.scrollY = b.scrollY;
    g.visibleCols = b.visibleCols;
    g.visibleRows = b.visibleRows;
    for (int32_t i = 0; i <= b.lastTurn; ++i)
        g.record.push_back(b.record[i]);
    return g;
}

// Every stone of the board, column by column.
std::vector<int32_t> Stones()
{
    std::vector<int32_t> owners;
    for (uint32_t y = 0; y < shell.board->height; ++y)
        for (uint32_t x = 0; x < shell.board->width; ++x)
            owners.push_back(OwnerAt(x, y));
    return owners;
}

// A game whose clock stands still, so that what is saved twice is the same.
struct StillGame : GameFixture {
    StillGame() { KillTimer(shell.mainWindow, shell.timerId); }
};

// Runs a command that opens exactly the given dialogs, and checks that it did.
std::vector<SeenDialog> Run(UINT id, std::vector<DialogScript::Step> steps)
{
    size_t expected = steps.size();
    DialogScript script(std::move(steps));
    SendCommand(id);
    CHECK_FALSE(script.timedOut());
    CHECK(script.seen().size() == expected);
    return script.seen();
}

void Open(const std::wstring& path)
{
    Run(IDM_OPEN, {DialogScript::ChooseFile(path)});
}

}  // namespace

TEST_CASE("Save without a name asks for one; then the title names the file and Save asks no more")
{
    StillGame game;
    TempFolder folder;
    ClickSquare(10, 10);
    Run(IDM_SAVE, {DialogScript::ChooseFile(folder / L"partie.hra")});
    CHECK(MainTitle() == L"Quinterra [20x20] partie.hra");
    CHECK(std::wstring(shell.filePath) == folder / L"partie.hra");
    CHECK(std::wstring(shell.filePath + shell.nameOffset) == L"partie.hra");
    LoadResult first = DecodeSavedGame(ReadBytes(folder / L"partie.hra"));
    REQUIRE(first.refusal == Refusal::None);
    CHECK(first.game == BoardGame());
    CHECK(first.game.record.at(0).humanX == 10);

    ClickSquare(3, 14);
    REQUIRE(shell.board->currentTurn == 1);
    Run(IDM_SAVE, {});
    CHECK(MainTitle() == L"Quinterra [20x20] partie.hra");
    LoadResult second = DecodeSavedGame(ReadBytes(folder / L"partie.hra"));
    REQUIRE(second.refusal == Refusal::None);
    CHECK(second.game == BoardGame());
    // Nothing but the game itself is left in the folder.
    CHECK(folder.Names() == std::vector<std::wstring> {L"partie.hra"});

    // Save As over an existing file asks first; No leaves it alone.
    std::vector<uint8_t> before = ReadBytes(folder / L"partie.hra");
    ClickSquare(15, 2);
    Run(IDM_SAVEAS,
        {DialogScript::ChooseFile(folder / L"partie.hra"), DialogScript::Press(IDNO),
            DialogScript::Press(IDCANCEL)});
    CHECK(ReadBytes(folder / L"partie.hra") == before);
}

TEST_CASE("A game with taken-back turns opens as it was saved, and saves to the same bytes; Czech names work")
{
    StillGame game;
    TempFolder folder;
    for (uint32_t col : {10u, 11u, 12u, 4u})
        ClickSquare(col, 10);
    SendCommand(IDM_UNDO);
    SendCommand(IDM_UNDO);
    REQUIRE(shell.board->currentTurn == 1);
    REQUIRE(shell.board->lastTurn == 3);
    shell.board->clock = 77;
    Run(IDM_SAVEAS, {DialogScript::ChooseFile(folder / L"zpět.hra")});
    const SavedGame saved = BoardGame();
    const std::vector<int32_t> stones = Stones();

    Run(IDM_NEW, {DialogScript::Press(IDYES)});
    REQUIRE(StonesOnBoard() == 0);
    REQUIRE(MainTitle() == L"Quinterra [20x20]");

    Open(folder / L"zpět.hra");
    CHECK(BoardGame() == saved);
    CHECK(Stones() == stones);
    CHECK(shell.board->state == InPlay);
    CHECK(MainTitle() == L"Quinterra [20x20] zpět.hra");
    CHECK_FALSE(Greyed(IDM_REDO));
    CHECK_FALSE(Greyed(IDM_UNDO));
    CHECK_FALSE(Greyed(IDM_NEW));
    CHECK_FALSE(Greyed(IDM_HINT));

    Run(IDM_SAVEAS, {DialogScript::ChooseFile(folder / L"znovu.hra")});
    CHECK(ReadBytes(folder / L"znovu.hra") == ReadBytes(folder / L"zpět.hra"));

    // Redo plays the taken-back turns from the file.
    SendCommand(IDM_REDO);
    SendCommand(IDM_REDO);
    CHECK(shell.board->currentTurn == 3);
    CHECK(OwnerAt(4, 10) == Human);
    CHECK(Greyed(IDM_REDO));
}

TEST_CASE("A won game opens as won, its five yellow, Hint greyed, with the window and bars of its view")
{
    StillGame game;
    TempFolder folder;
    // The human's five in row 3, the computer's four stones in row 20, on a
    // 30 x 25 board seen 15 x 12 from column 2, row 3.
    SavedGame won;
    won.width = 30;
    won.height = 25;
    won.currentTurn = won.lastTurn = 4;
    won.lastHasHuman = 1;
    won.lastHasReply = 0;
    won.clock = 40;
    won.scrollX = 2;
    won.scrollY = 3;
    won.visibleCols = 15;
    won.visibleRows = 12;
    for (uint32_t i = 0; i < 5; ++i)
        won.record.push_back({4 + i, 5, i < 4 ? 4 + i : 0, i < 4 ? 20u : 0});
    WriteBytes(folder / L"vyhra.hra", ToStoredForm(EncodeSavedGame(won)));

    Open(folder / L"vyhra.hra");
    CHECK(MainTitle() == L"Quinterra [30x25] vyhra.hra");
    CHECK(shell.board->state == Won);
    REQUIRE(shell.board->winningFive != nullptr);
    CHECK(Greyed(IDM_HINT));
    CHECK(Greyed(IDM_REDO));
    CHECK_FALSE(Greyed(IDM_UNDO));
    CHECK(BoardGame() == won);

    RECT outer {};
    GetWindowRect(shell.mainWindow, &outer);
    PixelSize size = WindowSizeFor(15, 12, CurrentFrameMetrics());
    CHECK(outer.right - outer.left == size.width);
    CHECK(outer.bottom - outer.top == size.height);
    CheckScrollBar(SB_HORZ, 29, 15, 2);
    CheckScrollBar(SB_VERT, 24, 12, 3);

    // On screen the five is yellow, but for the last move, which is white
    // as after any move.
    UpdateWindow(shell.boardView);
    HDC dc = GetDC(shell.boardView);
    CHECK(GetPixel(dc, 17 * (8 - 2) + 3, 17 * (5 - 3) + 9) == RGB(255, 255, 255));
    for (uint32_t col = 4; col < 8; ++col) {
        COLORREF c = GetPixel(dc, 17 * int(col - 2) + 3, 17 * (5 - 3) + 9);
        CHECK(c == RGB(255, 255, 0));
    }
    ReleaseDC(shell.boardView, dc);

    // The reply fields the last turn does not hold are written as zeros.
    Run(IDM_SAVE, {});
    CHECK(ReadBytes(folder / L"vyhra.hra") == ToStoredForm(EncodeSavedGame(won)));
}

TEST_CASE("A damaged or foreign file is refused with its message, and the game, path and title stay")
{
    StillGame game;
    TempFolder folder;
    ClickSquare(10, 10);
    ClickSquare(12, 8);
    Run(IDM_SAVEAS, {DialogScript::ChooseFile(folder / L"dobra.hra")});
    const std::vector<uint8_t> good = ReadBytes(folder / L"dobra.hra");
    const SavedGame before = BoardGame();
    const std::wstring title = MainTitle();
    const std::wstring path = shell.filePath;
    const uint16_t offset = shell.nameOffset;
    CBoard* board = shell.board.get();

    std::vector<uint8_t> cut(good.begin(), good.end() - 1);
    std::vector<uint8_t> lower = good;
    lower[0] = 'h';
    std::vector<uint8_t> swapped = good;
    std::swap(swapped[3], swapped[4]);
    // The computer's reply of the first turn moved onto the human's stone.
    SavedGame stacked = before;
    stacked.record[0].replyX = stacked.record[0].humanX;
    stacked.record[0].replyY = stacked.record[0].humanY;
    SavedGame offBoard = before;
    offBoard.record[1].humanY = 20;
    SavedGame tooWide = before;
    tooWide.width = 101;

    struct Case {
        const wchar_t* name;
        std::vector<uint8_t> bytes;
        const wchar_t* message;
    };
    for (const Case& c : {Case {L"kratky.hra", cut, NotSavedGameText},
             Case {L"mala.hra", lower, NotSavedGameText}, Case {L"verze.hra", swapped, OtherVersionText},
             Case {L"na-kameni.hra", ToStoredForm(EncodeSavedGame(stacked)), NotSavedGameText},
             Case {L"mimo.hra", ToStoredForm(EncodeSavedGame(offBoard)), NotSavedGameText},
             Case {L"siroka.hra", ToStoredForm(EncodeSavedGame(tooWide)), NotSavedGameText},
             Case {L"prazdna.hra", {}, NotSavedGameText}}) {
        CAPTURE(std::string(c.name, c.name + wcslen(c.name)));
        WriteBytes(folder / c.name, c.bytes);
        std::vector<SeenDialog> seen =
            Run(IDM_OPEN, {DialogScript::ChooseFile(folder / c.name), DialogScript::Press(IDOK)});
        REQUIRE(seen.size() == 2);
        CHECK(seen[1].caption == L"Chyba");
        CHECK(seen[1].text == c.message);
        CHECK(shell.board.get() == board);
        CHECK(BoardGame() == before);
        CHECK(MainTitle() == title);
        CHECK(std::wstring(shell.filePath) == path);
        CHECK(shell.nameOffset == offset);
    }
}

TEST_CASE("A save that fails says so, keeps the old file and changes nothing else")
{
    StillGame game;
    TempFolder folder;
    // A game with no move: New stays greyed when the save fails.
    const std::wstring missing = folder / L"neni\\partie.hra";
    wcscpy(shell.filePath, missing.c_str());
    shell.nameOffset = uint16_t(missing.size() - wcslen(L"partie.hra"));
    {
        DialogScript script({DialogScript::Press(IDOK)});
        SendCommand(IDM_SAVE);
        REQUIRE(script.seen().size() == 1);
        CHECK(script.seen()[0].caption == L"Chyba");
        CHECK(script.seen()[0].text.find(missing) != std::wstring::npos);
    }
    CHECK(Greyed(IDM_NEW));
    CHECK(folder.Names().empty());

    // A read-only file is not replaced: it keeps its bytes.
    ClickSquare(10, 10);
    Run(IDM_SAVEAS, {DialogScript::ChooseFile(folder / L"stara.hra")});
    const std::vector<uint8_t> old = ReadBytes(folder / L"stara.hra");
    REQUIRE_FALSE(old.empty());
    ClickSquare(2, 2);
    REQUIRE(SetFileAttributesW((folder / L"stara.hra").c_str(), FILE_ATTRIBUTE_READONLY));
    {
        DialogScript script({DialogScript::Press(IDOK)});
        SendCommand(IDM_SAVE);
        REQUIRE(script.seen().size() == 1);
        CHECK(script.seen()[0].caption == L"Chyba");
    }
    CHECK(ReadBytes(folder / L"stara.hra") == old);
    CHECK(folder.Names() == std::vector<std::wstring> {L"stara.hra"});

    // Save As to a file held open by someone else: the path, the name and
    // the title stay those of the last good save.
    const std::wstring title = MainTitle();
    const std::wstring path = shell.filePath;
    const uint16_t offset = shell.nameOffset;
    WriteBytes(folder / L"drzena.hra", {'x'});
    HANDLE held =
        CreateFileW((folder / L"drzena.hra").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    Run(IDM_SAVEAS,
        {DialogScript::ChooseFile(folder / L"drzena.hra"), DialogScript::Press(IDYES),
            DialogScript::Press(IDOK)});
    CloseHandle(held);
    CHECK(ReadBytes(folder / L"drzena.hra") == std::vector<uint8_t> {'x'});
    CHECK(MainTitle() == title);
    CHECK(std::wstring(shell.filePath) == path);
    CHECK(shell.nameOffset == offset);
}

TEST_CASE("Cancelling the open dialog keeps title and path, but the next Save asks for a name")
{
    StillGame game;
    TempFolder folder;
    ClickSquare(10, 10);
    Run(IDM_SAVEAS, {DialogScript::ChooseFile(folder / L"partie.hra")});
    Run(IDM_OPEN, {DialogScript::Press(IDCANCEL)});
    CHECK(MainTitle() == L"Quinterra [20x20] partie.hra");
    CHECK(std::wstring(shell.filePath) == folder / L"partie.hra");
    Run(IDM_SAVE, {DialogScript::Press(IDCANCEL)});
}

TEST_CASE("A game saved before the first move enables New, and opens as an empty board")
{
    StillGame game;
    TempFolder folder;
    REQUIRE(Greyed(IDM_NEW));
    Run(IDM_SAVEAS, {DialogScript::ChooseFile(folder / L"prazdna.hra")});
    CHECK_FALSE(Greyed(IDM_NEW));
    const std::vector<uint8_t> bytes = ReadBytes(folder / L"prazdna.hra");
    CHECK(FromStoredForm(bytes).size() == kSavedGameHeaderSize);

    ClickSquare(10, 10);
    ClickSquare(4, 4);
    REQUIRE(StonesOnBoard() == 4);
    Open(folder / L"prazdna.hra");
    CHECK(StonesOnBoard() == 0);
    CHECK(shell.board->state == NotStarted);
    CHECK(shell.board->currentTurn == -1);
    CHECK(shell.board->lastTurn == -1);
    CHECK(Greyed(IDM_UNDO));
    CHECK(Greyed(IDM_REDO));
    CHECK_FALSE(Greyed(IDM_HINT));
    // The first move starts the game as on a new board.
    ClickSquare(10, 10);
    CHECK(shell.board->state == InPlay);
    CHECK(StonesOnBoard() == 2);
}
