// The settings dialog: its template, its reading of the fields, the
// confirmation, and the new board with its window, bars and title.
#include "AboutHelp.h"
#include "AppFixture.h"
#include "DialogScript.h"
#include "Fitting.h"
#include "SettingsDialog.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Runs Settings with the fields as given and the answers that follow; returns
// the texts of the boxes after the dialog itself.
std::vector<SeenDialog> Settings(
    const std::wstring& width, const std::wstring& height, std::vector<int> answers = {})
{
    std::vector<DialogScript::Step> steps {DialogScript::EnterSize(width, height)};
    for (int a : answers)
        steps.push_back(DialogScript::Press(a));
    DialogScript script(std::move(steps));
    SendMessageW(shell.mainWindow, WM_COMMAND, IDM_SETTINGS, 0);
    Pump();
    CHECK_FALSE(script.timedOut());
    REQUIRE(script.seen().size() == answers.size() + 1);
    CHECK(script.seen()[0].caption == L"Nastavení");
    return {script.seen().begin() + 1, script.seen().end()};
}

void CheckWindowFor(uint32_t cols, uint32_t rows)
{
    RECT outer {};
    GetWindowRect(shell.mainWindow, &outer);
    PixelSize size = WindowSizeFor(cols, rows, CurrentFrameMetrics());
    CHECK(outer.right - outer.left == size.width);
    CHECK(outer.bottom - outer.top == size.height);
}

// The dialog template as the resource holds it.
struct TemplateItem {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    WORD classAtom;
    std::wstring text;
};
struct DialogTemplate {
    DWORD style;
    short x, y, cx, cy;
    std::wstring caption;
    WORD points;
    std::wstring font;
    std::vector<TemplateItem> items;
};

// Reads one "sz_Or_Ord" field: an ordinal after 0xFFFF, or a string.
const WORD* ReadName(const WORD* p, std::wstring& text, WORD& ordinal)
{
    ordinal = 0;
    text.clear();
    if (*p == 0xFFFF) {
        ordinal = p[1];
        return p + 2;
    }
    for (; *p; ++p)
        text.push_back(wchar_t(*p));
    return p + 1;
}

DialogTemplate ReadTemplate(int id)
{
    HRSRC found =
        FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    REQUIRE(found != nullptr);
    auto base = static_cast<const BYTE*>(LockResource(LoadResource(GetModuleHandleW(nullptr), found)));
    REQUIRE(base != nullptr);
    DialogTemplate t {};
    const auto* head = reinterpret_cast<const DLGTEMPLATE*>(base);
    REQUIRE(HIWORD(head->style) != 0xFFFF);  // a plain template, not the extended one
    t.style = head->style;
    t.x = head->x;
    t.y = head->y;
    t.cx = head->cx;
    t.cy = head->cy;
    const WORD* p = reinterpret_cast<const WORD*>(base + sizeof(DLGTEMPLATE));
    std::wstring name;
    WORD ordinal = 0;
    p = ReadName(p, name, ordinal);  // menu
    p = ReadName(p, name, ordinal);  // class
    p = ReadName(p, t.caption, ordinal);
    if (t.style & DS_SETFONT) {
        t.points = *p++;
        p = ReadName(p, t.font, ordinal);
    }
    for (WORD i = 0; i < head->cdit; ++i) {
        auto at = reinterpret_cast<uintptr_t>(p);
        const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>((at + 3) & ~uintptr_t(3));
        TemplateItem it {item->style, item->x, item->y, item->cx, item->cy, item->id, 0, L""};
        p = reinterpret_cast<const WORD*>(item + 1);
        p = ReadName(p, name, it.classAtom);
        p = ReadName(p, it.text, ordinal);
        p += 1 + (*p + 1) / 2;  // creation data
        t.items.push_back(it);
    }
    return t;
}

}  // namespace

TEST_CASE("the fields read as decimal numbers, huge ones held at the limits")
{
    CHECK(ParseDecimal(L"") == 0);
    CHECK(ParseDecimal(L"  42") == 42);
    CHECK(ParseDecimal(L"\t+17x5") == 17);
    CHECK(ParseDecimal(L"-3") == -3);
    CHECK(ParseDecimal(L"abc") == 0);
    CHECK(ParseDecimal(L"2147483647") == 2147483647);
    CHECK(ParseDecimal(L"2147483648") == 2147483647);
    CHECK(ParseDecimal(L"999999999999999999") == 2147483647);
    CHECK(ParseDecimal(L"-999999999999999999") == INT32_MIN);
    CHECK(ClampWidth(ParseDecimal(L"999999999999999999")) == 100);
    CHECK(ClampWidth(ParseDecimal(L"-999999999999999999")) == 10);
    CHECK(ClampHeight(ParseDecimal(L"-1")) == 5);
    CHECK(ClampHeight(ParseDecimal(L"64")) == 64);
}

TEST_CASE("the settings dialog's template: size, font, the seven controls in tab order")
{
    const DialogTemplate t = ReadTemplate(IDD_SETTINGS);
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    CHECK((t.style & frame) == frame);
    CHECK((t.style & (DS_CENTER | DS_ABSALIGN)) == 0);
    CHECK(t.x == 0);
    CHECK(t.y == 0);
    CHECK(t.cx == 117);
    CHECK(t.cy == 90);
    CHECK(t.caption == L"Nastavení");
    CHECK(t.points == 8);
    CHECK(t.font == L"MS Sans Serif");

    const WORD Button = 0x80, Edit = 0x81, Static = 0x82;
    const DWORD field = ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    const TemplateItem expected[] = {
        {BS_GROUPBOX, 5, 5, 105, 60, IDC_SIZEGROUP, Button, L"&Velikost hrací plochy"},
        {BS_DEFPUSHBUTTON | WS_TABSTOP, 5, 70, 52, 17, IDOK, Button, L"&OK"},
        {BS_PUSHBUTTON | WS_TABSTOP, 65, 70, 45, 17, IDCANCEL, Button, L"&Storno"},
        {SS_LEFT | WS_GROUP, 15, 20, 18, 8, 0xFFFF, Static, L"Šířka"},
        {SS_LEFT | WS_GROUP, 15, 40, 20, 8, 0xFFFF, Static, L"Výška"},
        {field, 40, 20, 39, 12, IDC_WIDTH, Edit, L""},
        {field, 40, 40, 40, 12, IDC_HEIGHT, Edit, L""},
    };
    REQUIRE(t.items.size() == std::size(expected));
    for (size_t i = 0; i < t.items.size(); ++i) {
        const TemplateItem& got = t.items[i];
        const TemplateItem& want = expected[i];
        CAPTURE(i);
        CHECK(got.id == want.id);
        CHECK(got.classAtom == want.classAtom);
        CHECK(got.text == want.text);
        CHECK((got.style & 0xF) == (want.style & 0xF));  // the control's kind
        CHECK((got.style & want.style) == want.style);
        CHECK(((got.style & WS_TABSTOP) != 0) == ((want.style & WS_TABSTOP) != 0));
        CHECK((got.style & (WS_CHILD | WS_VISIBLE)) == (WS_CHILD | WS_VISIBLE));
        CHECK(got.x == want.x);
        CHECK(got.y == want.y);
        CHECK(got.cx == want.cx);
        CHECK(got.cy == want.cy);
    }
}

TEST_CASE("the dialog opens over the main window's client area, focus on OK, with the board's size")
{
    GameFixture game;
    InstallEmptyBoard(33, 17);
    bool inspected = false;
    auto inspect = [&](HWND dialog) {
        inspected = true;
        CHECK(GetDlgCtrlID(GetFocus()) == IDOK);
        wchar_t text[32] = {};
        GetDlgItemTextW(dialog, IDC_WIDTH, text, 32);
        CHECK(std::wstring(text) == L"33");
        GetDlgItemTextW(dialog, IDC_HEIGHT, text, 32);
        CHECK(std::wstring(text) == L"17");
        POINT owner {0, 0};
        ClientToScreen(shell.mainWindow, &owner);
        POINT own {0, 0};
        ClientToScreen(dialog, &own);
        CHECK(own.x == owner.x);
        CHECK(own.y == owner.y);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    {
        DialogScript script({inspect});
        SendMessageW(shell.mainWindow, WM_COMMAND, IDM_SETTINGS, 0);
        Pump();
        CHECK_FALSE(script.timedOut());
    }
    CHECK(inspected);
    CHECK(shell.board->width == 33);
}

TEST_CASE("sizes outside the limits are brought within them; no question before the first move")
{
    GameFixture game;
    struct Case {
        const wchar_t* width;
        const wchar_t* height;
        uint32_t cols;
        uint32_t rows;
    };
    for (const Case& c : {Case {L"7", L"3", 10, 5}, Case {L"250", L"101", 100, 100}, Case {L"30", L"", 30, 5},
             Case {L"12", L"99999999999999999", 12, 100}, Case {L"30", L"15", 30, 15}}) {
        CAPTURE(c.cols);
        CAPTURE(c.rows);
        CHECK(Settings(c.width, c.height).empty());
        CHECK(shell.board->width == c.cols);
        CHECK(shell.board->height == c.rows);
        CHECK(shell.board->state == NotStarted);
        CHECK(
            MainTitle() == L"Quinterra [" + std::to_wstring(c.cols) + L"x" + std::to_wstring(c.rows) + L"]");
    }
    // The last one, 30 x 15, fits the window as a whole.
    CheckWindowFor(30, 15);
    CheckScrollBar(SB_HORZ, 29, 30, 0);
    CheckScrollBar(SB_VERT, 14, 15, 0);
}

TEST_CASE("100 x 100 is shown 40 x 20 from the corner")
{
    GameFixture game;
    Settings(L"100", L"100");
    CHECK(shell.board->visibleCols == 40);
    CHECK(shell.board->visibleRows == 20);
    CHECK(shell.board->scrollX == 0);
    CHECK(shell.board->scrollY == 0);
    CheckWindowFor(40, 20);
    CheckScrollBar(SB_HORZ, 99, 40, 0);
    CheckScrollBar(SB_VERT, 99, 20, 0);
    CHECK(MainTitle() == L"Quinterra [100x100]");
}

TEST_CASE("a started game is given up only after Yes; No, Storno and the same size keep it")
{
    GameFixture game;
    ClickSquare(10, 10);
    wcscpy(shell.filePath, L"C:\\hry\\partie.hra");
    shell.nameOffset = 7;
    SetMainTitle(shell.mainWindow, 20, 20, true);
    CBoard* board = shell.board.get();

    std::vector<SeenDialog> asked = Settings(L"30", L"15", {IDNO});
    REQUIRE(asked.size() == 1);
    CHECK(asked[0].caption == L"Změnit velikost?");
    CHECK(asked[0].text == L"Opravdu si přejete změnit velikost hrací plochy\ra tím zrušit stávající hru?");
    CHECK(shell.board.get() == board);
    CHECK(StonesOnBoard() == 2);
    CHECK(MainTitle() == L"Quinterra [20x20] partie.hra");
    CHECK(shell.nameOffset == 7);

    // The same size asks nothing and keeps everything.
    CHECK(Settings(L"20", L"20").empty());
    CHECK(shell.board.get() == board);
    CHECK(MainTitle() == L"Quinterra [20x20] partie.hra");

    // Storno, and the close box with new sizes typed in.
    auto closeBox = [](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_WIDTH, L"50");
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    };
    for (const DialogScript::Step& close : {DialogScript::Press(IDCANCEL), DialogScript::Step(closeBox)}) {
        DialogScript script({close});
        SendMessageW(shell.mainWindow, WM_COMMAND, IDM_SETTINGS, 0);
        Pump();
        CHECK_FALSE(script.timedOut());
        CHECK(script.seen().size() == 1);
        CHECK(shell.board.get() == board);
        CHECK(shell.board->width == 20);
    }

    CHECK(Settings(L"30", L"15", {IDYES}).size() == 1);
    CHECK(shell.board->width == 30);
    CHECK(StonesOnBoard() == 0);
    CHECK(shell.board->state == NotStarted);
    CHECK(MainTitle() == L"Quinterra [30x15]");
    CHECK(shell.nameOffset == 0);
    CHECK(shell.filePath[0] == L'\0');
}

TEST_CASE("a won game still asks before a new size")
{
    GameFixture game;
    InstallEmptyBoard(10, 5);
    // Fill the small board until the game ends one way or the other.
    for (uint32_t i = 0; i < 50 && (shell.board->state == NotStarted || shell.board->state == InPlay); ++i)
        SendMessageW(shell.mainWindow, WM_COMMAND, IDM_HINT, 0);
    REQUIRE((shell.board->state == Won || shell.board->state == BoardFull));
    CHECK(Settings(L"20", L"20", {IDNO}).size() == 1);
    CHECK(shell.board->width == 10);
}

TEST_CASE("About shows its eleven lines; the help file is looked for beside the program")
{
    GameFixture game;
    {
        DialogScript script({DialogScript::Press(IDOK)});
        SendMessageW(shell.mainWindow, WM_COMMAND, IDM_ABOUT, 0);
        Pump();
        REQUIRE(script.seen().size() == 1);
        CHECK(script.seen()[0].caption == L"O programu");
        const std::wstring text = script.seen()[0].text;
        CHECK(std::count(text.begin(), text.end(), L'\r') >= 10);
        CHECK(text.rfind(L"Quinterra verze 1.08 (alfa)\rAlgoritmus verze 1.01\r", 0) == 0);
        CHECK(text.find(L"\r\rUPOZORNĚNÍ: Tento program se vyvíjí.") != std::wstring::npos);
    }
    const std::wstring about = AboutText();
    CHECK(std::count(about.begin(), about.end(), L'\r') == 11);
    CHECK(about.back() == L'\r');

    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring expected = module;
    expected = expected.substr(0, expected.find_last_of(L'\\') + 1) + L"quinterra.hlp";
    const std::string help = HelpFilePath();
    CHECK(std::wstring(help.begin(), help.end()) == expected);
}

TEST_CASE("a board that cannot get its memory leaves the old game in place")
{
    GameFixture game;
    ClickSquare(10, 10);
    CBoard* board = shell.board.get();
    {
        DialogScript script({DialogScript::Press(IDOK)});
        ChangeBoardSize(shell.mainWindow, 60000, 60000);
        Pump();
        REQUIRE(script.seen().size() == 1);
        CHECK(script.seen()[0].caption == L"Chyba");
    }
    CHECK(shell.board.get() == board);
    CHECK(StonesOnBoard() == 2);
    CHECK(MainTitle() == L"Quinterra [20x20]");
    CHECK_FALSE(shell.outOfMemory);
    // The game goes on.
    ClickSquare(3, 3);
    CHECK(StonesOnBoard() == 4);
}
