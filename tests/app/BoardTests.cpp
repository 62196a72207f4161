// The board in the game's own view: the turn flow keeping record, engine, menus
// and picture in step; the pixels of the squares; which pixels name a square.
#include "BoardView.h"
#include "Harness.h"
#include "SettingsDialog.h"
#include "Toolbar.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <random>

namespace {

const COLORREF Grey = RGB(192, 192, 192), White = RGB(255, 255, 255), Yellow = RGB(255, 255, 0),
               Light = RGB(224, 224, 224), Dark = RGB(128, 128, 128);

// "" when the square shown at visible column c, row r holds the owner's mark
// (none for Nobody) on the interior colour, probed where a mark cannot miss
// or reach; the raised frame's corners besides.
std::string SquareMismatch(const Picture& p, int c, int r, Player owner, COLORREF interior)
{
    const COLORREF mark = owner == Human ? RGB(192, 0, 0) : RGB(0, 0, 192);
    const struct {
        int dx, dy;
        COLORREF want;
    } probes[] = {{9, 17, Dark}, {17, 9, Dark}, {9, 9, owner == Human ? mark : interior},
        {11, 11, owner == Human ? mark : interior}, {9, 3, owner == Computer ? mark : interior},
        {15, 9, owner == Computer ? mark : interior}, {2, 1, owner == Human ? mark : White}};
    for (const auto& probe : probes)
        if (p.At(17 * c + probe.dx, 17 * r + probe.dy) != probe.want)
            return "square " + std::to_string(c) + "," + std::to_string(r) + " at " + std::to_string(probe.dx)
                + "," + std::to_string(probe.dy);
    return "";
}

// The square at view column c, row r with its dark lines, one letter a pixel:
// d dark, l light, w white, . grey, y yellow, X the cross's red, O the circle's blue.
std::string SquareArt(const Picture& p, int c, int r)
{
    const std::pair<COLORREF, char> letters[] = {{Dark, 'd'}, {Light, 'l'}, {White, 'w'}, {Grey, '.'},
        {Yellow, 'y'}, {RGB(192, 0, 0), 'X'}, {RGB(0, 0, 192), 'O'}};
    std::string rows;
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
            char letter = '?';
            for (auto [colour, l] : letters)
                letter = p.At(17 * c + x, 17 * r + y) == colour ? l : letter;
            rows += letter;
        }
        rows += y < 17 ? " " : "";
    }
    return rows;
}

// "" when the winning five is shown yellow, but for the newest move's square,
// which stays white.
std::string FiveMismatch()
{
    const CBoard& b = *shell.board;
    if (!b.winningFive)
        return "no five";
    const Picture p = Snapshot(shell.boardView);
    const TurnRecord& t = b.record[b.currentTurn];
    const Cell* newest =
        b.HoldsReply(b.currentTurn) ? b.CellAt(t.replyX, t.replyY) : b.CellAt(t.humanX, t.humanY);
    for (const Cell* c : b.winningFive->cells)
        if (std::string m = SquareMismatch(p, int(c->x - b.View().scrollX), int(c->y - b.View().scrollY),
                c->owner, c == newest ? White : Yellow);
            !m.empty())
            return m;
    return "";
}

// The newest cross and circle as Wine draws them with the game's 3-pixel pens.
const std::string NewestCross = "dddddddddddddddddd dwXXXllllllllllXld dXXXXXwwwwwwwXXXXd "
                                "dXXXXXXwwwwwXXXXwd dwXXXXXXwwwXXXXXXd dlwXXXXXXwXXXXXXwd "
                                "dlwwXXXXXXXXXXXwwd dlwwwXXXXXXXXXwwwd dlwwwwXXXXXXXwwwwd "
                                "dlwwwwXXXXXXXwwwwd dlwwwXXXXXXXXXwwwd dlwwXXXXXXXXXXXwwd "
                                "dlwXXXXXXwXXXXXXwd dlXXXXXXwwwXXXXXXd dXXXXXXwwwwwXXXXwd "
                                "dXXXXXwwwwwwwXXXXd dlXXXwwwwwwwwwwXwd dddddddddddddddddd";
const std::string NewestCircle = "dddddddddddddddddd dwwwwllOOOOOOlllld dwwwwOOOOOOOOOOwwd "
                                 "dwwOOOOOOOOOOOOOwd dwOOOOOOOwwOOOOwwd dlOOOOOwwwwwOOOOOd "
                                 "dOOOOOwwwwwwwOOOwd dOOOwwwwwwwwwOOOOd dOOOOwwwwwwwwwOOOd "
                                 "dOOOOwwwwwwwwwOOOd dOOOwwwwwwwwwOOOOd dOOOOOwwwwwwwOOOwd "
                                 "dlOOOOOwwwwwOOOOOd dlOOOOOOOwwOOOOwwd dlwOOOOOOOOOOOOOwd "
                                 "dlwwwOOOOOOOOOOwwd dlwwwwwOOOOOOwwwwd dddddddddddddddddd";

}  // namespace

TEST_CASE("a cross and a circle pixel by pixel, where their squares are, scrolled or not")
{
    Game game;
    // 40 columns and 20 rows shown, scrolled down so far that the row's
    // number passes the columns shown.
    ChangeBoardSize(shell.mainWindow, 50, 60);
    SendMessageW(shell.boardView, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 35), 0);
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    const TurnRecord t = shell.board->record[0];
    REQUIRE(std::pair {t.humanX, t.humanY} == std::pair {10u, 45u});
    for (auto [dx, dy] : {std::pair {0, 0}, {3, 0}, {3, 2}}) {
        CAPTURE(dx * 10 + dy);
        SendMessageW(shell.boardView, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, dx), 0);
        SendMessageW(shell.boardView, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 35 + dy), 0);
        UpdateWindow(shell.boardView);
        REQUIRE(std::pair {shell.board->View().scrollX, shell.board->View().scrollY}
            == std::pair {uint32_t(dx), uint32_t(35 + dy)});
        const Picture p = Snapshot(shell.boardView);
        CHECK(SquareArt(p, 10 - dx, 10 - dy) == NewestCross);
        CHECK(SquareArt(p, int(t.replyX) - dx, int(t.replyY) - 35 - dy) == NewestCircle);
    }
}

TEST_CASE("after any clicks, hints, undos, redos and new games the menu, toolbar and picture follow the game")
{
    for (auto [width, height, scrollY, seed] : {std::tuple {11u, 5u, 0, 2u}, {12u, 40u, 9, 3u}}) {
        CAPTURE(seed);
        Game game;
        ChangeBoardSize(shell.mainWindow, width, height);
        SendMessageW(shell.boardView, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, scrollY), 0);
        std::mt19937 random(seed);
        auto below = [&](int n) { return int(random() % unsigned(n)); };
        for (int step = 0; step < 120; ++step) {
            CAPTURE(step);
            const int op = below(40);
            if (op < 8) {  // anywhere on the view, its outer line and points past it included
                ClickAt(below(17 * int(shell.board->View().visibleCols) + 40) - 5,
                    below(17 * int(shell.board->View().visibleRows) + 40) - 5);
            } else if (op < 39) {
                Command(op < 26 ? IDM_HINT : op < 34 ? IDM_UNDO : IDM_REDO);
            } else {
                Answering({Press(IDYES)}, [] { Command(IDM_NEW); });
            }
            const CommandStates due = shell.board->Commands();
            const std::string menu = std::string(due.newGame ? " New" : "") + (due.undo ? " Undo" : "")
                + (due.redo ? " Redo" : "") + (due.hint ? " Hint" : "");
            REQUIRE(MenuText() == menu.substr(menu.empty() ? 0 : 1));
            for (auto [id, on] : {std::pair {IDB_NEW, due.newGame}, {IDB_UNDO, due.undo}, {IDB_REDO, due.redo},
                     {IDB_HINT, due.hint}})
                REQUIRE(bool(toolbarPanel.object->Find(id).button->enabled) == on);
            // What the operations drew square by square is what a full repaint draws.
            REQUIRE(RepaintDifference() == "");
        }
    }
}

TEST_CASE("the board is drawn as raised grey squares; the newest turn white, older ones grey, a five yellow")
{
    Game game;
    const Picture empty = Snapshot(shell.boardView);
    REQUIRE(empty.pixels.size() == 341 * 341);
    int wrong = 0;
    for (int y = 0; y < empty.height; ++y)
        for (int x = 0; x < empty.width; ++x) {
            const int u = (x + 16) % 17, v = (y + 16) % 17;  // 0..16 within the square
            const bool dark = x == 0 || y == 0 || u == 16 || v == 16, edge = u * v == 0;
            wrong += empty.At(x, y) != (dark ? Dark : edge && u + v < 4 ? White : edge ? Light : Grey);
        }
    CHECK(wrong == 0);

    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    for (UINT id : {IDM_HINT, IDM_UNDO, IDM_REDO})  // the older turn turns grey on a replay too
        Command(id);
    const TurnRecord t = shell.board->record[1];
    const Picture p = Snapshot(shell.boardView);
    CHECK(SquareMismatch(p, 10, 10, Human, Grey) == "");
    CHECK(SquareMismatch(p, 9, 9, Computer, Grey) == "");
    CHECK(SquareMismatch(p, int(t.humanX), int(t.humanY), Human, White) == "");
    CHECK(SquareMismatch(p, int(t.replyX), int(t.replyY), Computer, White) == "");

    while (shell.board->state == InPlay)
        Command(IDM_HINT);
    REQUIRE(shell.board->state == Won);
    CHECK(FiveMismatch() == "");
}

TEST_CASE("a pixel names a square up to the board's last pixel; the context menu and a click act only there")
{
    Game game;
    auto placeable = [](int x, int y) {
        HMENU menu = BuildBoardMenu(shell.board.get(), x, y);
        const bool enabled = (GetMenuState(menu, IDM_PLACE_MARK, MF_BYCOMMAND) & MF_GRAYED) == 0;
        CHECK(enabled == (GetMenuDefaultItem(menu, FALSE, 0) == IDM_PLACE_MARK));
        CHECK((GetMenuState(menu, IDM_SETTINGS, MF_BYCOMMAND) & MF_GRAYED) == 0);
        wchar_t place[32] = {}, settings[32] = {};
        GetMenuStringW(menu, IDM_PLACE_MARK, place, 32, MF_BYCOMMAND);
        GetMenuStringW(menu, IDM_SETTINGS, settings, 32, MF_BYCOMMAND);
        CHECK(std::wstring(place) + L"|" + settings == L"Umístit značku|Nastavení...");
        DestroyMenu(menu);
        return enabled;
    };
    // The outer line belongs to the first square, 17 still to the first, 18
    // to the next; 340 is the last square's last pixel.
    for (auto [x, y, col, row] : {std::tuple {0, 0, 0u, 0u}, {17, 17, 0u, 0u}, {18, 1, 1u, 0u},
             {340, 340, 19u, 19u}, {341, 10, 20u, 0u}, {10, 341, 0u, 20u}}) {
        CAPTURE(x + 1000 * y);
        const bool onBoard = col < 20 && row < 20;
        shell.board->NewGame();
        CHECK(placeable(x, y) == onBoard);
        ClickAt(x, y);
        CHECK(shell.board->lastTurn == (onBoard ? 0 : -1));
        CHECK(shell.board->state == (onBoard ? InPlay : NotStarted));
        if (onBoard)
            CHECK(shell.board->CellAt(col, row)->owner == Human);
        CHECK_FALSE(placeable(x, y));
    }
    shell.board->NewGame();
    const Step chooseFirst = [](HWND menu) {  // the menu's own loop reads the keyboard
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    };
    Answering({chooseFirst},
        [] { SendMessageW(shell.boardView, WM_RBUTTONDOWN, 0, MAKELPARAM(17 * 6 + 5, 17 * 6 + 5)); });
    CHECK(shell.board->CellAt(6, 6)->owner == Human);
    CHECK(placeable(17 * 15 + 5, 17 * 15 + 5));
    shell.board->state = Won;
    CHECK_FALSE(placeable(17 * 15 + 5, 17 * 15 + 5));
}

TEST_CASE("the wheel scrolls rows, with Shift columns, as the scroll bars do; a board shown whole stays put")
{
    Game game;
    ChangeBoardSize(shell.mainWindow, 100, 100);
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    // The wheel reaches whichever of the two has the focus.
    auto wheel = [](HWND to, int keys, int delta) {
        SendMessageW(to, WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), MAKELPARAM(100, 100));
        Pump();
    };
    auto view = [] {
        return std::tuple {shell.board->View().scrollX, shell.board->View().scrollY,
            GetScrollPos(shell.boardView, SB_HORZ), GetScrollPos(shell.boardView, SB_VERT)};
    };
    wheel(shell.mainWindow, 0, -WHEEL_DELTA);  // pulled back a notch: three rows on
    CHECK(view() == std::tuple {0u, 3u, 0, 3});
    CHECK(SquareMismatch(Snapshot(shell.boardView), 10, 7, Human, White) == "");
    wheel(shell.boardView, MK_SHIFT, -WHEEL_DELTA);
    CHECK(view() == std::tuple {3u, 3u, 3, 3});
    CHECK(SquareMismatch(Snapshot(shell.boardView), 7, 7, Human, White) == "");
    wheel(shell.mainWindow, 0, 2 * WHEEL_DELTA);  // six rows back stop at the top
    for (int quarter = 0; quarter < 2; ++quarter)  // a finer wheel: two quarters make a column
        wheel(shell.mainWindow, MK_SHIFT, WHEEL_DELTA / 4);
    CHECK(view() == std::tuple {2u, 0u, 2, 0});
    CHECK(SquareMismatch(Snapshot(shell.boardView), 8, 10, Human, White) == "");
    SendMessageW(shell.boardView, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 79), 0);
    wheel(shell.mainWindow, 0, -WHEEL_DELTA);  // the last rows stop it
    CHECK(shell.board->View().scrollY == 80);

    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    CHECK(lines == 3);
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, WHEEL_PAGESCROLL, nullptr, 0);
    wheel(shell.mainWindow, 0, WHEEL_DELTA);  // set to a page a notch
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
    CHECK(shell.board->View().scrollY == 80 - shell.board->View().visibleRows);

    ChangeBoardSize(shell.mainWindow, 20, 20);
    ValidateRect(shell.boardView, nullptr);
    for (int keys : {0, MK_SHIFT})
        for (int delta : {-WHEEL_DELTA, WHEEL_DELTA})
            SendMessageW(shell.mainWindow, WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), 0);
    CHECK(view() == std::tuple {0u, 0u, 0, 0});
    CHECK_FALSE(GetUpdateRect(shell.boardView, nullptr, FALSE));
}
