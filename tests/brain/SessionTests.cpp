// The brain protocol in-process: the manager's bytes cut into lines, each line
// in, its answer out, and the game the answers leave behind.
#include "BrainSession.h"
#include "LineSplitter.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <regex>
#include <sstream>

namespace {

// "WxH state" and the stones row by row, e.g. "20x20 InPlay x10,10 o9,9";
// "none" before the first START.
std::string Position(const CEngine* game)
{
    if (!game)
        return "none";
    static const char* const states[] = {"NotStarted", "InPlay", "Won", "BoardFull"};
    std::string s =
        std::to_string(game->width) + "x" + std::to_string(game->height) + " " + states[game->state];
    for (uint32_t y = 0; y < game->height; ++y)
        for (uint32_t x = 0; x < game->width; ++x)
            if (const Player owner = game->CellAt(x, y)->owner; owner != Nobody)
                s += (owner == Human ? " x" : " o") + std::to_string(x) + "," + std::to_string(y);
    return s;
}

// Whether text matches a pattern in which '*' stands for any run of characters.
bool Glob(const char* text, const char* pattern)
{
    if (*pattern == '*')
        return Glob(text, pattern + 1) || (*text && Glob(text + 1, pattern));
    return *pattern == *text && (!*text || Glob(text + 1, pattern + 1));
}

// Whether the brain's stone on x,y is the engine's own choice in the game
// without it: the position alone decides the engine's move.
bool IsEngineReply(const CEngine& game, uint32_t x, uint32_t y)
{
    CEngine e;
    InitBoard(e, game.width, game.height);
    for (uint32_t j = 0; j < game.height; ++j)
        for (uint32_t i = 0; i < game.width; ++i)
            if (game.CellAt(i, j)->owner != Nobody && (i != x || j != y))
                e.Place(game.CellAt(i, j)->owner, e.CellAt(i, j));
    const Cell* c = e.ChooseMove(Computer);
    return game.CellAt(x, y)->owner == Computer && c->x == x && c->y == y;
}

}  // namespace

TEST_CASE("bytes become lines at LF, CR LF or a lone CR, the moment the line ends")
{
    // "eof:" marks an unfinished last line, handed over only at the end of input.
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"START 20\nBEGIN\n", {"START 20", "BEGIN"}}, {"START 20\r\nBEGIN\r", {"START 20", "BEGIN"}},
        {"a\rb\r\n\nc", {"a", "b", "", "eof:c"}}, {"\r\n\r\n\r\r", {"", "", "", ""}}, {"", {}},
        {"0123456789\nx", {"0123456789", "eof:x"}}, {"0123456789ABCDEF\nEND", {"0123456789A", "eof:END"}}};
    for (const auto& [bytes, expected] : cases) {
        CAPTURE(bytes);
        CLineSplitter splitter(10);
        std::vector<std::string> lines;
        std::string line;
        for (char c : bytes)
            if (splitter.Push(c, line))
                lines.push_back(line);
        if (splitter.Finish(line))
            lines.push_back("eof:" + line);
        CHECK(lines == expected);
    }
}

TEST_CASE("sessions: each line's answer, and the game it leaves")
{
    // An answer "?" is any move "x,y", else a Glob pattern. A line leaves the
    // game as it was unless its step gives the position that must follow.
    struct Step {
        std::string line, answer = "", position = "";
    };
    // 5 x 5 full but for 4,4 and without a five: owners alternate in pairs, and by row.
    std::vector<Step> full = {{"START 5", "OK", "*"}, {"BOARD"}};
    for (uint32_t i = 0; i < 24; ++i)
        full.push_back(
            {std::to_string(i % 5) + "," + std::to_string(i / 5) + ((i % 5 / 2 + i / 5) % 2 ? ",1" : ",2")});
    full.insert(full.end(),
        {{"DONE", "4,4", "5x5 BoardFull*"}, {"TURN 0,0", "ERROR the game is over: no free square is left"},
            {"TAKEBACK 4,4", "OK", "5x5 InPlay*"},
            {"TURN 4,4", "ERROR your move ends the game: no free square is left", "5x5 BoardFull*"}});

    const std::vector<std::vector<Step>> sessions = {
        {{"TURN 1,1", "ERROR no game: send START first"}, {"BEGIN", "ERROR no game*"},
            {"TAKEBACK 1,1", "ERROR no game*"}, {"RESTART", "ERROR no game*"}, {"BOARD", "ERROR no game*"},
            {"1,1,1"}, {"TURN 2,2"}, {"DONE"}, {"INFO timeout_turn 5000"},
            {"ABOUT", "name=\"Quinterra\", version=\"1.08\", country=\"CZ\""},
            {"START 10", "OK", "10x10 NotStarted"}, {"END"}, {"ABOUT"}, {"TURN 1,1"}},
        {{"START 4", "ERROR unsupported board size 4x4: each side 5 to 100"},
            {"START 101", "ERROR unsupported*101x101*"}, {"RECTSTART 4,20", "ERROR unsupported*4x20*"},
            {"RECTSTART 20,101", "ERROR unsupported*20x101*"}, {"RECTSTART 100,5", "OK", "100x5 NotStarted"},
            {"TURN 99,4", "?", "100x5 InPlay*"},
            {"TURN 4,5", "ERROR TURN: square 4,5 is off the 100x5 board"},
            {"RESTART", "OK", "100x5 NotStarted"}, {"rectstart 5 , 100", "OK", "5x100 NotStarted"},
            {"START 5,5", "ERROR START: *"}, {"START", "ERROR START needs the board size"},
            {"START 5", "OK", "5x5 NotStarted"}, {"BEGIN", "?", "5x5 InPlay o*"}},
        // Whatever is refused leaves the game alone; blanks and case do not matter.
        {{"START 20", "OK", "*"}, {"TURN 10,10", "?", "*"}, {"TURN 11,10", "?", "*"},
            {"TURN 10,12", "?", "*"}, {"TURN 10,10", "ERROR TURN: square 10,10 is taken"},
            {"TURN 4294967295,0", "ERROR TURN: square 4294967295,0 is off*"},
            {"TURN 4294967296,0", "ERROR TURN: \"4294967296\" is too large"},
            {"TURN 0,12345678901234567890", "ERROR TURN: \"12345678901234567890\" is too large"},
            {"TURN 0,123456789012345678901", "ERROR TURN: \"12345678901234567890...\" is too large"},
            {"TURN 1", "ERROR TURN: expected 2 comma-*"},
            {"TURN 1,2,3", "ERROR TURN: expected 2 numbers, found*"},
            {"TURN 1,", "ERROR TURN: a number is missing"},
            {"TURN -1,0", "ERROR TURN: \"-1\" is not a number"},
            {"TURN 1 2,3", "ERROR TURN: \"1 2\" is not a number"},
            {"TURN 1,2\r", "ERROR TURN: \"2?\" is not a number"},
            {"TAKEBACK 0,0", "ERROR TAKEBACK: square 0,0 is empty"},
            {"TAKEBACK 20,0", "ERROR TAKEBACK: square 20,0 is off*"},
            {"BEGIN", "ERROR BEGIN needs an empty board*"}, {"BEGIN 1", "ERROR BEGIN takes no arguments"},
            {"RESTART now", "ERROR RESTART takes no arguments"},
            {"aBoUt x", "ERROR aBoUt takes no arguments"}, {"INFO", "ERROR INFO needs a key"},
            {"DONE", "ERROR DONE without BOARD"}, {"PLAY 1,1", "UNKNOWN command \"PLAY\"*"},
            {std::string("START\0 20", 9), "UNKNOWN command \"START?\"*"},
            {"\x01\x02\x1b[2J\x7f", "UNKNOWN command \"???[2J?\" is not supported"},
            {std::string(1001, '7'), "ERROR line too long: at most 1000 characters"}, {""}, {" \t "},
            {"INFO timeout_turn 5000"}, {" turn\t12 ,\t13 ", "?", "*x12,13*"}, {"TAKEBACK 12,13", "OK", "*"},
            {"TURN 012,0013", "?", "*x12,13*"}, {"TAKEBACK 12,13", "OK", "*"},
            {"TURN 12,13" + std::string(990, ' '), "?", "*x12,13*"}},
        // The manager's four closed at 1,5: the brain must block 6,5.
        {{"START 20", "OK", "*"}, {"TURN 15,15", "?", "*"}, {"BOARD"}, {"2,5,2"}, {" 3 , 5 , 2 "}, {"4,5,2"},
            {"5,5,2"}, {"1,5,1"}, {"4,5,1", "ERROR BOARD line: square 4,5 is given twice"},
            {"20,0,1", "ERROR BOARD line: square 20,0 is off*"},
            {"1,1,0", "ERROR BOARD line: field 0 is not 1, 2 or 3"}, {"1,1,4", "ERROR BOARD line: field 4*"},
            {"1,1", "ERROR BOARD line, expected x,y,field or DONE*"}, {"TURN 1,1", "ERROR BOARD line, *"},
            {"3,3,3"}, {""}, {std::string(1001, '1'), "ERROR line too long: at most 1000 characters"},
            {"done", "6,5", "20x20 InPlay o1,5 x2,5 x3,5 x4,5 x5,5 o6,5"},
            {"TURN 1,5", "ERROR TURN: square 1,5 is taken"}, {"TAKEBACK 6,5", "OK", "*"},
            {"TURN 6,5", "ERROR your move ends the game: five in a row",
                "20x20 Won o1,5 x2,5 x3,5 x4,5 x5,5 x6,5"},
            {"TURN 15,15", "ERROR the game is over: five in a row"},
            {"BEGIN", "ERROR BEGIN needs an empty board; BOARD sets up a position"},
            {"Takeback 6,5", "OK", "20x20 InPlay o1,5 x2,5 x3,5 x4,5 x5,5"}, {"TURN 0,0", "6,5", "*"},
            {"TAKEBACK 6,5", "OK", "*"}, {"TAKEBACK 1,5", "OK", "20x20 InPlay x0,0 x2,5 x3,5 x4,5 x5,5"}},
        // Its own five comes before blocking the manager's open four.
        {{"START 20", "OK", "*"}, {"BOARD"}, {"1,1,2"}, {"2,1,2"}, {"3,1,2"}, {"4,1,2"}, {"8,2,2"}, {"8,3,1"},
            {"8,4,1"}, {"8,5,1"}, {"8,6,1"},
            {"DONE", "8,7", "20x20 Won x1,1 x2,1 x3,1 x4,1 x8,2 o8,3 o8,4 o8,5 o8,6 o8,7"},
            {"TURN 0,1", "ERROR the game is over: five in a row"}, {"BOARD"}, {"0,0,2"}, {"1,1,2"}, {"2,2,2"},
            {"3,3,2"}, {"4,4,2"},
            {"DONE", "ERROR the game is over: five in a row", "20x20 Won x0,0 x1,1 x2,2 x3,3 x4,4"}},
        // A refused BOARD drops its lines up to DONE; END ends even inside one.
        {{"START 20", "OK", "*"}, {"BOARD now", "ERROR BOARD takes no arguments"}, {"1,1,1"}, {"junk"},
            {std::string(5000, 'A')}, {"DONE"}, {"BOARD"}, {"1,1,1"}, {"End now"}, {"DONE"}, {"ABOUT"}},
        full};
    for (const auto& session : sessions)
        for (const std::string end : {"\n", "\r\n"}) {
            CBrainSession s(end);
            for (const Step& step : session) {
                CAPTURE(step.line);
                // One answer line at most, ending in the session's line end.
                const std::string before = Position(s.Game());
                std::ostringstream out;
                s.HandleLine(step.line, out);
                const std::string text = out.str(),
                                  answer = text.substr(0, text.size() - std::min(text.size(), end.size()));
                CHECK((text.empty() || answer + end == text));
                CHECK(answer.find_first_of("\r\n") == std::string::npos);
                std::smatch m;
                const bool moved = std::regex_match(answer, m, std::regex("([0-9]+),([0-9]+)"));
                CHECK_MESSAGE(
                    (step.answer == "?" ? moved : Glob(answer.c_str(), step.answer.c_str())), answer);
                const std::string after = Position(s.Game());
                CHECK_MESSAGE(
                    Glob(after.c_str(), (step.position.empty() ? before : step.position).c_str()), after);
                if (moved)
                    CHECK(IsEngineReply(*s.Game(), uint32_t(std::stoul(m[1])), uint32_t(std::stoul(m[2]))));
            }
        }
}
