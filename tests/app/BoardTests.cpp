// The board in the game's own view: turns, undo, redo and new games keeping
// the record, the engine, the menu, the toolbar and the picture in step; the
// pixels of the squares; which pixels name a square.
#include "BoardView.h"
#include "Harness.h"
#include "SettingsDialog.h"
#include "Toolbar.h"
#include "engine/Recount.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <random>

namespace {

const COLORREF Grey = RGB(192, 192, 192), White = RGB(255, 255, 255), Yellow = RGB(255, 255, 0);
const COLORREF LightLine = RGB(224, 224, 224), DarkLine = RGB(128, 128, 128);
const COLORREF CrossRed = RGB(192, 0, 0), CircleBlue = RGB(0, 0, 192);

// Pixel (u, v) of an empty raised square, both 0..16 from its top left.
COLORREF EmptySquarePixel(int u, int v, COLORREF interior)
{
    if (u == 16 || v == 16)
        return DarkLine;
    if ((v == 0 && u < 4) || (u == 0 && v < 4))
        return White;
    return u == 0 || v == 0 ? LightLine : interior;
}

// "" when the square shown at visible column vc, row vr holds the owner's
// mark on the interior colour, probed where a mark cannot miss or reach.
std::string SquareMismatch(const Picture& p, int vc, int vr, int32_t owner, COLORREF interior)
{
    struct Probe {
        int dx, dy;
        COLORREF want;
    };
    std::vector<Probe> probes {{9, 17, DarkLine}, {17, 9, DarkLine}};
    if (owner == Human)
        probes.insert(
            probes.end(), {{9, 9, CrossRed}, {5, 12, CrossRed}, {9, 3, interior}, {3, 9, interior}});
    else if (owner == Computer)
        probes.insert(probes.end(), {{9, 3, CircleBlue}, {15, 9, CircleBlue}, {9, 9, interior}});
    else
        probes.insert(probes.end(), {{2, 1, White}, {1, 9, LightLine}, {9, 9, interior}, {5, 12, interior}});
    for (const Probe& probe : probes) {
        COLORREF got = p.At(17 * vc + probe.dx, 17 * vr + probe.dy);
        if (got != probe.want)
            return "square " + std::to_string(vc) + "," + std::to_string(vr) + " pixel "
                + std::to_string(probe.dx) + "," + std::to_string(probe.dy) + " is " + std::to_string(got);
    }
    return "";
}

// The stones of the record replayed on an empty engine: "" when the board's
// engine holds exactly them. A game not over is InPlay once a move was asked.
std::string RecordMismatch(const CBoard& b, bool started)
{
    if (b.currentTurn < -1 || b.currentTurn > b.lastTurn || b.lastTurn >= int32_t(b.RecordRoom()))
        return "turns " + std::to_string(b.currentTurn) + " of " + std::to_string(b.lastTurn);
    CEngine replay;
    InitBoard(replay, b.width, b.height);
    for (int32_t i = 0; i <= b.currentTurn; ++i) {
        const TurnRecord& t = b.record[i];
        for (int32_t player : {Human, Computer}) {
            if (player == Human ? !b.HoldsHuman(i) : !b.HoldsReply(i))
                continue;
            Cell* c =
                replay.CellAt(player == Human ? t.humanX : t.replyX, player == Human ? t.humanY : t.replyY);
            if (c->owner != Nobody || replay.state == Won || replay.state == BoardFull)
                return "turn " + std::to_string(i) + " cannot be replayed";
            replay.Place(player, c);
            replay.CheckOutcome();
        }
    }
    if (replay.state == NotStarted && started)
        replay.state = InPlay;
    return EngineDifference(b, replay);
}

// The enabled items among New, Undo, Redo and Hint, as the menu shows them
// and as the game says they should be; Undo, Redo and Hint also on the toolbar.
std::string MenuShown()
{
    std::string s;
    for (auto [id, name] :
        {std::pair {IDM_NEW, "New"}, {IDM_UNDO, " Undo"}, {IDM_REDO, " Redo"}, {IDM_HINT, " Hint"}})
        s += Greyed(id) ? "" : name;
    for (auto [id, name] : {std::pair {IDB_UNDO, " undo"}, {IDB_REDO, " redo"}, {IDB_HINT, " hint"}})
        s += toolbarPanel.object->Find(id).button->enabled ? name : "";
    return s;
}
std::string MenuDue(const CBoard& b, bool newEnabled)
{
    bool undo = b.currentTurn >= 0, redo = b.currentTurn < b.lastTurn;
    bool hint = b.state == NotStarted || b.state == InPlay;
    return std::string(newEnabled ? "New" : "") + (undo ? " Undo" : "") + (redo ? " Redo" : "")
        + (hint ? " Hint" : "") + (undo ? " undo" : "") + (redo ? " redo" : "") + (hint ? " hint" : "");
}

// Paints the whole view afresh: "" when the squares the game operations drew
// one by one already showed exactly that.
std::string RepaintDifference()
{
    const Picture drawn = Snapshot(shell.boardView);
    HDC dc = GetDC(shell.boardView);
    shell.board->Paint(dc);
    ReleaseDC(shell.boardView, dc);
    return FirstDifference(drawn, Snapshot(shell.boardView));
}

}  // namespace

TEST_CASE(
    "after any mix of clicks, hints, undos, redos and new games the record, engine, menus and picture agree")
{
    struct Setup {
        uint32_t width, height, scrollY;
        unsigned seed;
    };
    for (Setup s : {Setup {11, 5, 0, 2}, Setup {12, 8, 0, 1}, Setup {30, 25, 4, 3}}) {
        CAPTURE(s.seed);
        Game game;
        ChangeBoardSize(shell.mainWindow, s.width, s.height);
        SendMessageW(shell.boardView, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, s.scrollY), 0);
        Pump();
        std::mt19937 random(s.seed);
        auto below = [&](int n) { return int(random() % unsigned(n)); };
        bool started = false, newEnabled = false;
        for (int step = 0; step < 250; ++step) {
            CAPTURE(step);
            const int op = below(40);
            const uint32_t freeBefore = shell.board->freeCells;
            if (op < 8) {
                // Anywhere on the view, the outer line and points past it included.
                const int x = below(17 * int(shell.board->visibleCols) + 40) - 5;
                const int y = below(17 * int(shell.board->visibleRows) + 40) - 5;
                started |= shell.board->CellAtPoint(x, y) != nullptr;
                ClickAt(x, y);
            } else if (op < 26) {
                Command(IDM_HINT);
                started = true;
            } else if (op < 34) {
                Command(IDM_UNDO);
            } else if (op < 39) {
                Command(IDM_REDO);
            } else {
                Answering({Press(IDYES)}, [] { Command(IDM_NEW); });
                started = newEnabled = false;
            }
            newEnabled |= op < 26 && shell.board->freeCells < freeBefore;
            REQUIRE(RecordMismatch(*shell.board, started) == "");
            REQUIRE(RecountMismatch(*shell.board) == "");
            REQUIRE(MenuShown() == MenuDue(*shell.board, newEnabled));
            REQUIRE(RepaintDifference() == "");
        }
    }
}

TEST_CASE("the board is drawn as raised grey squares; the newest turn white, older ones grey, a five yellow")
{
    Game game;
    const Picture empty = Snapshot(shell.boardView);
    REQUIRE(empty.width == 17 * 20 + 1);
    REQUIRE(empty.height == 17 * 20 + 1);
    int wrong = 0;
    for (int y = 0; y < empty.height; ++y)
        for (int x = 0; x < empty.width; ++x)
            wrong += empty.At(x, y)
                != (x == 0 || y == 0 ? DarkLine : EmptySquarePixel((x - 1) % 17, (y - 1) % 17, Grey));
    CHECK(wrong == 0);

    ClickSquare(10, 10);
    CHECK(SquareMismatch(Snapshot(shell.boardView), 10, 10, Human, White) == "");
    CHECK(SquareMismatch(Snapshot(shell.boardView), 9, 9, Computer, White) == "");
    Command(IDM_HINT);
    const TurnRecord t = shell.board->record[1];
    const Picture p = Snapshot(shell.boardView);
    CHECK(SquareMismatch(p, 10, 10, Human, Grey) == "");
    CHECK(SquareMismatch(p, 9, 9, Computer, Grey) == "");
    CHECK(SquareMismatch(p, int(t.humanX), int(t.humanY), Human, White) == "");
    CHECK(SquareMismatch(p, int(t.replyX), int(t.replyY), Computer, White) == "");
    Command(IDM_UNDO);
    CHECK(SquareMismatch(Snapshot(shell.boardView), int(t.humanX), int(t.humanY), Nobody, Grey) == "");

    // Hints on both sides until someone wins: the five yellow but for the
    // newest stone, which is white as after any move.
    while (shell.board->state == InPlay)
        Command(IDM_HINT);
    REQUIRE(shell.board->state == Won);
    const Picture won = Snapshot(shell.boardView);
    const TurnRecord last = shell.board->record[shell.board->lastTurn];
    const bool replyWon = shell.board->lastHasReply;
    for (const Cell* c : shell.board->winningFive->cells) {
        bool newest =
            c->x == (replyWon ? last.replyX : last.humanX) && c->y == (replyWon ? last.replyY : last.humanY);
        CHECK(SquareMismatch(won, int(c->x), int(c->y), c->owner, newest ? White : Yellow) == "");
    }
}

TEST_CASE("a pixel names a square up to the board's last pixel; past it a click plays nowhere")
{
    Game game;
    struct Case {
        int x, y;
        bool onBoard;
        uint32_t col, row;
    };
    // The outer line belongs to the first square; 17 is still the first
    // square's, 18 the next one's; 340 is the last square's last pixel.
    for (Case c : {Case {0, 0, true, 0, 0}, Case {17, 17, true, 0, 0}, Case {18, 1, true, 1, 0},
             Case {340, 340, true, 19, 19}, Case {341, 10, false, 0, 0}, Case {10, 341, false, 0, 0}}) {
        CAPTURE(c.x);
        CAPTURE(c.y);
        shell.board->NewGame();
        HMENU menu = BuildBoardMenu(shell.board.get(), c.x, c.y);
        CHECK(((GetMenuState(menu, IDM_PLACE_MARK, MF_BYCOMMAND) & MF_GRAYED) == 0) == c.onBoard);
        DestroyMenu(menu);
        ClickAt(c.x, c.y);
        CHECK(shell.board->lastTurn == (c.onBoard ? 0 : -1));
        CHECK(shell.board->state == (c.onBoard ? InPlay : NotStarted));
        if (c.onBoard)
            CHECK(shell.board->CellAt(c.col, c.row)->owner == Human);
    }
}

TEST_CASE("the context menu places a mark only on a free square of a game that goes on")
{
    Game game;
    auto placeable = [](int x, int y) {
        HMENU menu = BuildBoardMenu(shell.board.get(), x, y);
        bool enabled = (GetMenuState(menu, IDM_PLACE_MARK, MF_BYCOMMAND) & MF_GRAYED) == 0;
        CHECK(enabled == (GetMenuDefaultItem(menu, FALSE, 0) == IDM_PLACE_MARK));
        CHECK((GetMenuState(menu, IDM_SETTINGS, MF_BYCOMMAND) & MF_GRAYED) == 0);
        DestroyMenu(menu);
        return enabled;
    };
    CHECK(placeable(17 * 6 + 5, 17 * 6 + 5));
    Answering({ChooseFirstItem()}, [] {
        SendMessageW(shell.boardView, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(17 * 6 + 5, 17 * 6 + 5));
    });
    CHECK(shell.board->CellAt(6, 6)->owner == Human);
    CHECK(shell.board->currentTurn == 0);
    CHECK_FALSE(placeable(17 * 6 + 5, 17 * 6 + 5));
    CHECK(placeable(17 * 15 + 5, 17 * 15 + 5));
    shell.board->state = Won;
    CHECK_FALSE(placeable(17 * 15 + 5, 17 * 15 + 5));
}
