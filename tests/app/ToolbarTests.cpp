// The toolbar: its looks read back from the screen, the pointer and press
// state machine row by row, the buttons' commands, and which buttons the game
// enables.
#include "AppFixture.h"
#include "DialogScript.h"
#include "PanelPixels.h"
#include "Toolbar.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <string>

namespace {

// The tests give the ticks themselves: the window's own timer would add
// ticks at moments of its own choosing.
void StopRealTimer()
{
    KillTimer(shell.mainWindow, shell.timerId);
}

// Left edges of the buttons along the row.
const int NewX = 0, OpenX = 34, SaveX = 60, SettingsX = 94, UndoX = 128, RedoX = 154, HintX = 188,
          HelpX = 222;

CToolbar& Bar()
{
    return *toolbarPanel.object;
}

// The real pointer goes where the messages say, so that the timer's hover
// check sees the same place.
void PointerTo(int x, int y)
{
    POINT at {x, y};
    ClientToScreen(shell.toolbar, &at);
    SetCursorPos(at.x, at.y);
}
void PointerAway()
{
    SetCursorPos(1270, 1010);
}

void Move(int x, int y)
{
    PointerTo(x, y);
    SendMessageW(shell.toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}
void Down(int x, int y)
{
    SendMessageW(shell.toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}
void Up(int x, int y)
{
    SendMessageW(shell.toolbar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump();
}
void Click(int x, int y)
{
    Move(x, y);
    Down(x, y);
    Up(x, y);
}
void ClickBoard(uint32_t col, uint32_t row)
{
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(17 * col + 9, 17 * row + 9));
    Pump();
}
void Tick()
{
    SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);
}

enum class Frame { None, Raised, Sunken, Other };
enum class Picture { Normal, Shifted, Disabled, Other };

struct Look {
    Frame frame;
    Picture picture;
    bool operator==(const Look&) const = default;
};

const Look Flat {Frame::None, Picture::Normal};
const Look Raised {Frame::Raised, Picture::Normal};
const Look Sunken {Frame::Sunken, Picture::Shifted};
const Look Greyed {Frame::None, Picture::Disabled};

const char* Name(Frame f)
{
    const char* names[] = {"no frame", "raised", "sunken", "odd frame"};
    return names[int(f)];
}
const char* Name(Picture p)
{
    const char* names[] = {"picture", "shifted picture", "greyed picture", "odd picture"};
    return names[int(p)];
}

doctest::String toString(const Look& look)
{
    return doctest::String(Name(look.frame)) + " + " + Name(look.picture);
}

Strip Resource(uint16_t number)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    REQUIRE(bitmap);
    Strip s = CaptureBitmap(bitmap, 24, 24);
    DeleteObject(bitmap);
    return s;
}

bool PictureAt(const Strip& bar, const Strip& picture, int left, int top, int size)
{
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (bar.At(left + x, top + y) != picture.At(x, y))
                return false;
    return true;
}

// How the button with left edge x and picture number id looks on screen.
Look LookOf(int x, uint16_t id)
{
    Strip bar = Capture(shell.toolbar);
    // Every pixel of each side, corners as the frame's two pens share them.
    auto side = [&](int x0, int y0, int x1, int y1) {
        COLORREF c = bar.At(x0, y0);
        for (int y = y0; y <= y1; ++y)
            for (int xx = x0; xx <= x1; ++xx)
                if (bar.At(xx, y) != c)
                    return COLORREF(1);
        return c;
    };
    COLORREF topLeft = side(x, 4, x + 25, 4);
    COLORREF left = side(x, 5, x, 29);
    COLORREF bottom = side(x + 1, 29, x + 24, 29);
    COLORREF right = side(x + 25, 5, x + 25, 29);
    Frame frame = Frame::Other;
    if (topLeft == left && bottom == right) {
        if (left == Face && right == Face)
            frame = Frame::None;
        else if (left == Light && right == Shadow)
            frame = Frame::Raised;
        else if (left == Shadow && right == Light)
            frame = Frame::Sunken;
    }
    Picture picture = Picture::Other;
    if (PictureAt(bar, Resource(id), x + 1, 5, 24))
        picture = Picture::Normal;
    else if (PictureAt(bar, Resource(id), x + 2, 6, 23))
        picture = Picture::Shifted;
    else if (PictureAt(bar, Resource(uint16_t(id + 1)), x + 1, 5, 24))
        picture = Picture::Disabled;
    return {frame, picture};
}

}  // namespace

TEST_CASE("the toolbar's four looks, its etched edge and its separators, read from the screen")
{
    GameFixture game;
    StopRealTimer();
    PointerAway();
    Pump();
    Strip bar = Capture(shell.toolbar);
    REQUIRE(bar.height == 32);
    for (int x : {0, 100, bar.width - 1}) {
        CHECK(bar.At(x, 0) == Shadow);
        CHECK(bar.At(x, 1) == Light);
    }
    // Separators: shadow then light in their fourth and fifth columns, rows 4 to 29 only.
    for (int edge : {26, 86, 120, 180, 214}) {
        for (int y = 4; y <= 29; ++y) {
            CHECK(bar.At(edge + 3, y) == Shadow);
            CHECK(bar.At(edge + 4, y) == Light);
        }
        for (int x = edge; x < edge + 8; ++x) {
            CHECK(bar.At(x, 3) == Face);
            CHECK(bar.At(x, 30) == Face);
            if (x != edge + 3 && x != edge + 4)
                CHECK(bar.At(x, 15) == Face);
        }
    }
    // Nothing beyond the last button.
    for (int x = 248; x < bar.width; ++x)
        CHECK(bar.At(x, 15) == Face);

    // A fresh game: only New game, Undo and Redo are greyed.
    CHECK(LookOf(NewX, IDB_NEW) == Greyed);
    CHECK(LookOf(UndoX, IDB_UNDO) == Greyed);
    CHECK(LookOf(RedoX, IDB_REDO) == Greyed);
    CHECK(LookOf(OpenX, IDB_OPEN) == Flat);
    CHECK(LookOf(SaveX, IDB_SAVE) == Flat);
    CHECK(LookOf(SettingsX, IDB_SETTINGS) == Flat);
    CHECK(LookOf(HintX, IDB_HINT) == Flat);
    CHECK(LookOf(HelpX, IDB_HELP) == Flat);

    Move(OpenX + 5, 10);
    CHECK(LookOf(OpenX, IDB_OPEN) == Raised);
    Down(OpenX + 5, 10);
    CHECK(LookOf(OpenX, IDB_OPEN) == Sunken);
    // Moving off cancels the press; the release then opens nothing.
    Move(SaveX + 5, 10);
    CHECK(LookOf(OpenX, IDB_OPEN) == Flat);
    CHECK(LookOf(SaveX, IDB_SAVE) == Raised);
    Up(SaveX + 5, 10);
    CHECK(LookOf(SaveX, IDB_SAVE) == Raised);

    // A greyed button neither rises nor sinks, and its command does not run.
    {
        BoxAnswerer no(IDNO);
        Move(NewX + 5, 10);
        CHECK(LookOf(NewX, IDB_NEW) == Greyed);
        CHECK(LookOf(SaveX, IDB_SAVE) == Flat);
        Down(NewX + 5, 10);
        CHECK(LookOf(NewX, IDB_NEW) == Greyed);
        Up(NewX + 5, 10);
        CHECK(no.boxesSeen() == 0);
    }
    CHECK(Bar().hot == nullptr);
    CHECK(Bar().pressed == nullptr);
}

TEST_CASE("HitTest: the rows and columns that belong to a button")
{
    GameFixture game;
    StopRealTimer();
    CToolbar& bar = Bar();
    CHECK(bar.HitTest(10, 3).button == nullptr);
    CHECK(bar.HitTest(10, 30).button == nullptr);
    CHECK(bar.HitTest(10, 4).button->id == IDB_NEW);
    CHECK(bar.HitTest(10, 29).button->id == IDB_NEW);
    // Disabled buttons are hit too; separators and the rest of the strip are not.
    CHECK(bar.HitTest(0, 15).x == 0);
    CHECK(bar.HitTest(25, 15).button->id == IDB_NEW);
    CHECK(bar.HitTest(26, 15).button == nullptr);
    CHECK(bar.HitTest(33, 15).button == nullptr);
    CToolbar::Hit open = bar.HitTest(34, 15);
    REQUIRE(open.button);
    CHECK(open.button->id == IDB_OPEN);
    CHECK(open.x == OpenX);
    CHECK(bar.HitTest(59, 15).button->id == IDB_OPEN);
    CHECK(bar.HitTest(60, 15).button->id == IDB_SAVE);
    const struct {
        int x;
        uint16_t id;
    } edges[] = {{SettingsX, IDB_SETTINGS}, {UndoX, IDB_UNDO}, {RedoX, IDB_REDO}, {HintX, IDB_HINT},
        {HelpX, IDB_HELP}};
    for (const auto& e : edges) {
        CHECK(bar.HitTest(e.x, 15).button->id == e.id);
        CHECK(bar.HitTest(e.x, 15).x == e.x);
        CHECK(bar.HitTest(e.x + 25, 15).button->id == e.id);
    }
    CHECK(bar.HitTest(247, 29).button->id == IDB_HELP);
    CHECK(bar.HitTest(248, 15).button == nullptr);
    CHECK(bar.HitTest(-1, 15).button == nullptr);
}

TEST_CASE("the event table of hot and pressed, row by row")
{
    GameFixture game;
    StopRealTimer();
    CToolbar& bar = Bar();
    CToolbar::Button* open = bar.HitTest(OpenX, 10).button;
    CToolbar::Button* save = bar.HitTest(SaveX, 10).button;

    SUBCASE("onto an enabled button while none is hot: it rises")
    {
        CToolbar::Redraws r = bar.PointerMoved(OpenX + 3, 10);
        CHECK(bar.hot == open);
        CHECK(bar.hotX == OpenX);
        REQUIRE(r.count == 1);
        CHECK(r.looks[0].button == open);
        CHECK(r.looks[0].raised);
        CHECK_FALSE(r.looks[0].pressed);

        // Within the hot button: nothing changes, nothing is drawn.
        CHECK(bar.PointerMoved(OpenX + 20, 25).count == 0);
        CHECK(bar.hot == open);

        // Left button down on it: pressed, hot unchanged, drawn sunken.
        r = bar.ButtonPressed(OpenX + 20, 25);
        CHECK(bar.pressed == open);
        CHECK(bar.pressedX == OpenX);
        CHECK(bar.hot == open);
        REQUIRE(r.count == 1);
        CHECK(r.looks[0].raised);
        CHECK(r.looks[0].pressed);

        // Off the hot button onto another: that one rises, the press is gone.
        r = bar.PointerMoved(SaveX + 1, 10);
        CHECK(bar.hot == save);
        CHECK(bar.pressed == nullptr);
        CHECK(bar.pressedX == -1);
        REQUIRE(r.count == 2);
        CHECK(r.looks[0].button == open);
        CHECK_FALSE(r.looks[0].raised);
        CHECK(r.looks[1].button == save);
        CHECK(r.looks[1].raised);
        CHECK_FALSE(r.looks[1].pressed);

        // Release with nothing pressed: no command, nothing drawn.
        CToolbar::Redraws none;
        CHECK(bar.ButtonReleased(none) == 0);
        CHECK(none.count == 0);

        // Release of a press on the hot button: its id, raised again.
        bar.ButtonPressed(SaveX + 1, 10);
        CToolbar::Redraws up;
        CHECK(bar.ButtonReleased(up) == IDB_SAVE);
        CHECK(bar.pressed == nullptr);
        CHECK(bar.hot == save);
        REQUIRE(up.count == 1);
        CHECK(up.looks[0].raised);
        CHECK_FALSE(up.looks[0].pressed);
    }
    SUBCASE("off the hot button onto nothing: no button is hot")
    {
        bar.PointerMoved(OpenX, 10);
        bar.PointerMoved(30, 10);
        CHECK(bar.hot == nullptr);
        CHECK(bar.hotX == -1);
    }
    SUBCASE("moves with no hot button and no enabled button under it keep the press")
    {
        bar.ButtonPressed(OpenX, 10);
        REQUIRE(bar.pressed == open);
        CHECK(bar.PointerMoved(NewX + 3, 10).count == 0);  // greyed
        CHECK(bar.PointerMoved(30, 10).count == 0);  // separator
        CHECK(bar.hot == nullptr);
        CHECK(bar.pressed == open);

        // Back onto the pressed button: drawn sunken.
        CToolbar::Redraws r = bar.PointerMoved(OpenX + 2, 10);
        REQUIRE(r.count == 1);
        CHECK(r.looks[0].raised);
        CHECK(r.looks[0].pressed);
    }
    SUBCASE("left button down elsewhere clears the press and leaves hot alone")
    {
        bar.ButtonPressed(OpenX, 10);
        bar.PointerMoved(SaveX, 10);  // hot was none: the press stays
        REQUIRE(bar.pressed == open);
        CToolbar::Redraws r = bar.ButtonPressed(SaveX, 2);
        CHECK(bar.pressed == nullptr);
        CHECK(bar.hot == save);
        REQUIRE(r.count == 1);
        CHECK(r.looks[0].button == open);
        CHECK_FALSE(r.looks[0].raised);
        CHECK_FALSE(r.looks[0].pressed);

        bar.ButtonPressed(OpenX, 10);
        bar.ButtonPressed(NewX, 10);  // greyed: no press
        CHECK(bar.pressed == nullptr);
    }
    SUBCASE("the timer drops the hot button once the pointer is elsewhere, not the press")
    {
        bar.PointerMoved(OpenX, 10);
        bar.ButtonPressed(OpenX, 10);
        CHECK(bar.HoverChecked(true, OpenX + 10, 10).count == 0);
        CHECK(bar.hot == open);
        CHECK(bar.pointerInside == 1);
        CToolbar::Redraws r = bar.HoverChecked(true, 30, 10);
        CHECK(bar.hot == nullptr);
        CHECK(bar.pressed == open);
        REQUIRE(r.count == 1);
        CHECK_FALSE(r.looks[0].raised);

        bar.PointerMoved(SaveX, 10);
        bar.HoverChecked(false, SaveX, 10);  // still over Save, but outside the window
        CHECK(bar.hot == nullptr);
        CHECK(bar.pointerInside == 0);
    }
}

TEST_CASE("buttons run their commands on release, as a player presses them")
{
    GameFixture game;
    StopRealTimer();
    PointerAway();

    SUBCASE("Hint pressed and released in place runs once and stays raised")
    {
        Click(HintX + 10, 15);
        CHECK(OwnerAt(4, 4) == Human);
        CHECK(OwnerAt(5, 4) == Computer);
        CHECK(shell.board->currentTurn == 0);
        CHECK(LookOf(HintX, IDB_HINT) == Raised);
    }
    SUBCASE("a press survives a one-pixel move within the button")
    {
        Move(HintX + 10, 15);
        Down(HintX + 10, 15);
        Move(HintX + 11, 15);
        CHECK(LookOf(HintX, IDB_HINT) == Sunken);
        Up(HintX + 11, 15);
        CHECK(shell.board->currentTurn == 0);
    }
    SUBCASE("press on Undo, release on Redo: nothing runs")
    {
        ClickBoard(10, 10);
        ClickBoard(3, 3);
        Click(UndoX + 5, 15);
        REQUIRE(shell.board->currentTurn == 0);
        Move(UndoX + 5, 15);
        Down(UndoX + 5, 15);
        Move(RedoX + 5, 15);
        CHECK(LookOf(UndoX, IDB_UNDO) == Flat);
        CHECK(LookOf(RedoX, IDB_REDO) == Raised);
        Up(RedoX + 5, 15);
        CHECK(shell.board->currentTurn == 0);
        CHECK(LookOf(RedoX, IDB_REDO) == Raised);
    }
    SUBCASE("a double click on Undo takes back two turns")
    {
        CHECK((GetClassLongPtrW(shell.toolbar, GCL_STYLE) & CS_DBLCLKS) == 0);
        ClickBoard(10, 10);
        ClickBoard(3, 3);
        ClickBoard(15, 5);
        REQUIRE(shell.board->currentTurn == 2);
        Move(UndoX + 5, 15);
        Down(UndoX + 5, 15);
        Up(UndoX + 5, 15);
        Down(UndoX + 5, 15);
        Up(UndoX + 5, 15);
        CHECK(shell.board->currentTurn == 0);
        CHECK(shell.board->lastTurn == 2);
    }
    SUBCASE("the timer flattens the raised button after the pointer has left")
    {
        Move(HintX + 10, 15);
        REQUIRE(LookOf(HintX, IDB_HINT) == Raised);
        Tick();
        CHECK(LookOf(HintX, IDB_HINT) == Raised);
        PointerAway();
        Tick();
        CHECK(LookOf(HintX, IDB_HINT) == Flat);
        CHECK(Bar().hot == nullptr);
    }
    SUBCASE("held down and taken out of the toolbar: flat at the next tick, released elsewhere runs nothing")
    {
        Move(HintX + 10, 15);
        Down(HintX + 10, 15);
        PointerAway();
        Tick();
        CHECK(LookOf(HintX, IDB_HINT) == Flat);
        // The release goes to the window under the pointer, not to the toolbar.
        SendMessageW(shell.boardView, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Pump();
        CHECK(StonesOnBoard() == 0);
        CHECK(Bar().pressed != nullptr);
    }
    SUBCASE("New game asks first, like the menu")
    {
        ClickBoard(10, 10);
        BoxAnswerer yes(IDYES);
        Click(NewX + 5, 15);
        CHECK(yes.boxesSeen() == 1);
        CHECK(StonesOnBoard() == 0);
        CHECK(LookOf(NewX, IDB_NEW) == Greyed);
    }
}

TEST_CASE("which buttons apply: the rule")
{
    // state, currentTurn, lastTurn, file name -> New game, Undo, Redo, Hint
    const struct {
        int32_t state, current, last;
        bool file;
        ButtonStates expected;
    } rows[] = {
        {NotStarted, -1, -1, false, {false, false, false, true}},
        {NotStarted, -1, -1, true, {true, false, false, true}},
        {InPlay, 0, 0, false, {true, true, false, true}},
        {InPlay, -1, 2, false, {true, false, true, true}},
        {InPlay, 1, 2, false, {true, true, true, true}},
        {Won, 4, 4, false, {true, true, false, false}},
        {BoardFull, 24, 24, true, {true, true, false, false}},
    };
    for (const auto& row : rows) {
        CAPTURE(row.state);
        CAPTURE(row.current);
        ButtonStates s = ButtonStatesFor(row.state, row.current, row.last, row.file);
        CHECK(s.newGame == row.expected.newGame);
        CHECK(s.undo == row.expected.undo);
        CHECK(s.redo == row.expected.redo);
        CHECK(s.hint == row.expected.hint);
    }
}

TEST_CASE("the buttons follow the game")
{
    GameFixture game;
    StopRealTimer();
    PointerAway();
    auto enabled = [](uint16_t id) { return Bar().Find(id).button->enabled != 0; };

    ClickBoard(10, 10);
    CHECK(enabled(IDB_NEW));
    CHECK(enabled(IDB_UNDO));
    CHECK_FALSE(enabled(IDB_REDO));
    CHECK(LookOf(UndoX, IDB_UNDO) == Flat);

    Click(UndoX + 5, 15);
    CHECK_FALSE(enabled(IDB_UNDO));
    CHECK(enabled(IDB_REDO));
    CHECK(enabled(IDB_NEW));
    CHECK(LookOf(UndoX, IDB_UNDO) == Greyed);

    // A small board (still wide enough for the whole row of buttons) fills
    // or is won quickly; either way Hint turns grey.
    InstallEmptyBoard(12, 5);
    int guard = 0;
    while ((shell.board->state == NotStarted || shell.board->state == InPlay) && ++guard < 40) {
        SendMessageW(shell.mainWindow, WM_COMMAND, IDM_HINT, 0);
        Pump();
    }
    REQUIRE((shell.board->state == Won || shell.board->state == BoardFull));
    CHECK_FALSE(enabled(IDB_HINT));
    PointerAway();
    CHECK(LookOf(HintX, IDB_HINT) == Greyed);
    SendMessageW(shell.mainWindow, WM_COMMAND, IDM_UNDO, 0);
    Pump();
    CHECK(shell.board->state == InPlay);
    CHECK(enabled(IDB_HINT));
    CHECK(enabled(IDB_REDO));
}

TEST_CASE("Save As of a game that has not started shows on New game only at the next update")
{
    GameFixture game;
    StopRealTimer();
    auto newEnabled = [] { return Bar().Find(IDB_NEW).button->enabled != 0; };
    REQUIRE_FALSE(newEnabled());
    wchar_t folder[MAX_PATH] = {};
    REQUIRE(GetTempPathW(MAX_PATH, folder) > 0);
    std::wstring path = std::wstring(folder) + L"toolbar-prazdna.hra";
    DeleteFileW(path.c_str());
    {
        DialogScript script({DialogScript::ChooseFile(path)});
        SendMessageW(shell.mainWindow, WM_COMMAND, IDM_SAVEAS, 0);
        Pump();
        REQUIRE_FALSE(script.timedOut());
    }
    REQUIRE(shell.filePath[0] != L'\0');
    CHECK(shell.board->state == NotStarted);
    // Saving does not update the toolbar: the button keeps its grey.
    CHECK_FALSE(newEnabled());
    CHECK(LookOf(NewX, IDB_NEW) == Greyed);
    // Undo with nothing to take back changes no stone, but updates the buttons.
    SendMessageW(shell.mainWindow, WM_COMMAND, IDM_UNDO, 0);
    Pump();
    CHECK(newEnabled());
    CHECK(LookOf(NewX, IDB_NEW) == Flat);
    DeleteFileW(path.c_str());
}
