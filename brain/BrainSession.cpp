#include "BrainSession.h"

#include "Outcome.h"
#include "ProtocolParse.h"

#include <optional>
#include <string>

#ifndef QUINTERRA_VERSION
#error "QUINTERRA_VERSION must name the game's version"
#endif

namespace {

// A fresh board, or nullptr when it cannot be had; the caller keeps its old
// game then, so that a failed allocation loses nothing.
std::unique_ptr<CEngine> NewBoard(uint32_t width, uint32_t height)
{
    auto e = std::make_unique<CEngine>();
    e->width = width;
    e->height = height;
    try {
        e->Init();
    } catch (const CEngine::ExMalloc&) {
        return nullptr;
    }
    return e;
}

// Brings state and winningFive in line with the stones, whatever was placed
// or taken off since: an empty board is a game not yet begun.
void Settle(CEngine& e)
{
    SettleOutcome(e, e.freeCells == e.width * e.height ? NotStarted : InPlay);
}

// Why the game is over, or nullptr while it goes on.
const char* Outcome(const CEngine& e)
{
    if (e.winningFive)
        return "five in a row";
    if (e.freeCells == 0)
        return "no free square is left";
    return nullptr;
}

std::string SquareName(uint32_t x, uint32_t y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

std::optional<std::string> OffBoard(const CEngine& e, uint32_t x, uint32_t y)
{
    if (x < e.width && y < e.height)
        return std::nullopt;
    return "square " + SquareName(x, y) + " is off the " + std::to_string(e.width) + "x"
        + std::to_string(e.height) + " board";
}

// Reads "x,y" and checks that the square is on e's board.
std::optional<std::string> ReadSquare(const CEngine& e, std::string_view args, uint32_t& x, uint32_t& y)
{
    uint32_t xy[2];
    if (auto error = ParseNumberList(args, xy, 2))
        return error;
    if (auto error = OffBoard(e, xy[0], xy[1]))
        return error;
    x = xy[0];
    y = xy[1];
    return std::nullopt;
}

constexpr const char* noGame = "no game: send START first";

}  // namespace

CBrainSession::CBrainSession(std::string_view answerLineEnd) : lineEnd(answerLineEnd)
{
}
CBrainSession::~CBrainSession() = default;

void CBrainSession::Say(std::ostream& out, std::string_view text) const
{
    out << text << lineEnd;
}

void CBrainSession::Error(std::ostream& out, std::string_view reason) const
{
    out << "ERROR " << reason << lineEnd;
}

void CBrainSession::HandleLine(std::string_view line, std::ostream& out)
{
    if (ended)
        return;
    if (line.size() > maxLineLength) {
        if (mode != Mode::SkipBoard)
            Error(out, "line too long: at most " + std::to_string(maxLineLength) + " characters");
        return;
    }
    if (mode == Mode::Commands)
        Command(line, out);
    else
        BoardLine(line, out);
}

void CBrainSession::Command(std::string_view line, std::ostream& out)
{
    const CommandLine cmd = SplitCommand(line);
    const std::string_view args = cmd.rest;
    auto is = [&](std::string_view name) { return SameWord(cmd.word, name); };
    auto noArgs = [&]() {
        if (args.empty())
            return true;
        Error(out, std::string(cmd.word) + " takes no arguments");
        return false;
    };

    if (cmd.word.empty())
        return;  // a blank line says nothing
    if (is("END")) {
        ended = true;
    } else if (is("START")) {
        uint32_t size = 0;
        if (args.empty())
            Error(out, "START needs the board size");
        else if (auto error = ParseNumberList(args, &size, 1))
            Error(out, "START: " + *error);
        else
            Start(size, size, out);
    } else if (is("RECTSTART")) {
        uint32_t size[2] = {};
        if (auto error = ParseNumberList(args, size, 2))
            Error(out, "RECTSTART: " + *error);
        else
            Start(size[0], size[1], out);
    } else if (is("RESTART")) {
        if (!noArgs())
            return;
        if (!game)
            Error(out, noGame);
        else
            Start(game->width, game->height, out);
    } else if (is("BEGIN")) {
        Begin(args, out);
    } else if (is("TURN")) {
        Turn(args, out);
    } else if (is("BOARD")) {
        Board(args, out);
    } else if (is("TAKEBACK")) {
        Takeback(args, out);
    } else if (is("INFO")) {
        // No setting changes the engine's play; an INFO needs only its key.
        if (args.empty())
            Error(out, "INFO needs a key");
    } else if (is("ABOUT")) {
        if (noArgs())
            Say(out, "name=\"Quinterra\", version=\"" QUINTERRA_VERSION "\", country=\"CZ\"");
    } else if (is("DONE")) {
        Error(out, "DONE without BOARD");
    } else {
        Say(out, "UNKNOWN command " + Quoted(cmd.word) + " is not supported");
    }
}

void CBrainSession::Start(uint32_t width, uint32_t height, std::ostream& out)
{
    if (width < minSize || width > maxSize || height < minSize || height > maxSize) {
        Error(out,
            "unsupported board size " + std::to_string(width) + "x" + std::to_string(height) + ": each side "
                + std::to_string(minSize) + " to " + std::to_string(maxSize));
        return;
    }
    auto fresh = NewBoard(width, height);
    if (!fresh) {
        Error(out, "out of memory for the board");
        return;
    }
    game = std::move(fresh);
    Say(out, "OK");
}

void CBrainSession::Begin(std::string_view args, std::ostream& out)
{
    if (!args.empty())
        Error(out, "BEGIN takes no arguments");
    else if (!game)
        Error(out, noGame);
    else if (game->freeCells != game->width * game->height)
        Error(out, "BEGIN needs an empty board; BOARD sets up a position");
    else
        Reply(out);
}

void CBrainSession::Turn(std::string_view args, std::ostream& out)
{
    if (!game) {
        Error(out, noGame);
        return;
    }
    uint32_t x = 0, y = 0;
    if (auto error = ReadSquare(*game, args, x, y)) {
        Error(out, "TURN: " + *error);
        return;
    }
    if (const char* over = Outcome(*game)) {
        Error(out, std::string("the game is over: ") + over);
        return;
    }
    Cell* c = game->CellAt(x, y);
    if (c->owner != Nobody) {
        Error(out, "TURN: square " + SquareName(x, y) + " is taken");
        return;
    }
    game->Place(Human, c);
    Settle(*game);
    if (const char* over = Outcome(*game)) {
        Error(out, std::string("your move ends the game: ") + over);
        return;
    }
    Reply(out);
}

void CBrainSession::Reply(std::ostream& out)
{
    // ChooseMove promises an empty cell while one is free; every caller has
    // made sure one is.
    Cell* c = game->ChooseMove(Computer);
    if (!c || c->owner != Nobody) {
        Error(out, "the engine found no move");
        return;
    }
    game->Place(Computer, c);
    Settle(*game);
    Say(out, SquareName(c->x, c->y));
}

void CBrainSession::Board(std::string_view args, std::ostream& out)
{
    // A refused BOARD still owns the lines up to its DONE: read as commands,
    // they would each draw an answer that nobody waits for.
    mode = Mode::SkipBoard;
    if (!args.empty()) {
        Error(out, "BOARD takes no arguments");
        return;
    }
    if (!game) {
        Error(out, noGame);
        return;
    }
    draft = NewBoard(game->width, game->height);
    if (!draft) {
        Error(out, "out of memory for the board");
        return;
    }
    mode = Mode::Board;
}

void CBrainSession::BoardLine(std::string_view line, std::ostream& out)
{
    const std::string_view text = TrimBlanks(line);
    if (SameWord(SplitCommand(text).word, "END")) {
        ended = true;
        return;
    }
    if (SameWord(text, "DONE")) {
        if (mode == Mode::Board)
            FinishBoard(out);
        mode = Mode::Commands;
        draft.reset();
        return;
    }
    if (mode == Mode::SkipBoard || text.empty())
        return;

    uint32_t v[3] = {};
    if (auto error = ParseNumberList(text, v, 3)) {
        Error(out, "BOARD line, expected x,y,field or DONE: " + *error);
        return;
    }
    const uint32_t x = v[0], y = v[1];
    if (auto error = OffBoard(*draft, x, y)) {
        Error(out, "BOARD line: " + *error);
        return;
    }
    if (v[2] < 1 || v[2] > 3) {
        Error(out, "BOARD line: field " + std::to_string(v[2]) + " is not 1, 2 or 3");
        return;
    }
    if (v[2] == 3)
        return;  // a stone that does not take part in this game
    Cell* c = draft->CellAt(x, y);
    if (c->owner != Nobody) {
        Error(out, "BOARD line: square " + SquareName(x, y) + " is given twice");
        return;
    }
    draft->Place(v[2] == 1 ? Computer : Human, c);
}

void CBrainSession::FinishBoard(std::ostream& out)
{
    Settle(*draft);
    game = std::move(draft);
    if (const char* over = Outcome(*game)) {
        Error(out, std::string("the game is over: ") + over);
        return;
    }
    Reply(out);
}

void CBrainSession::Takeback(std::string_view args, std::ostream& out)
{
    if (!game) {
        Error(out, noGame);
        return;
    }
    uint32_t x = 0, y = 0;
    if (auto error = ReadSquare(*game, args, x, y)) {
        Error(out, "TAKEBACK: " + *error);
        return;
    }
    Cell* c = game->CellAt(x, y);
    if (c->owner == Nobody) {
        Error(out, "TAKEBACK: square " + SquareName(x, y) + " is empty");
        return;
    }
    game->Remove(c);
    Settle(*game);
    Say(out, "OK");
}
