// The brain protocol in-process: the manager's bytes cut into lines, each line
// in, its answer out, and the game the answers leave behind.
#include "BrainSession.h"
#include "LineSplitter.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <random>
#include <regex>
#include <sstream>

namespace {

using Lines = std::vector<std::string>;

// The answer to one line without its LF, "" for none; fails unless the
// answer is at most one line.
std::string Ask(CBrainSession& s, std::string_view line)
{
    std::ostringstream out;
    s.HandleLine(line, out);
    const std::string text = out.str();
    REQUIRE(text.find('\n') == (text.empty() ? std::string::npos : text.size() - 1));
    return text.substr(0, text.size() ? text.size() - 1 : 0);
}

// "WxH state" and the stones row by row, e.g. "20x20 InPlay x10,10 o9,9".
std::string Position(const CEngine& e)
{
    static const char* const states[] = {"NotStarted", "InPlay", "Won", "BoardFull"};
    std::string s = std::to_string(e.width) + "x" + std::to_string(e.height) + " " + states[e.state];
    for (uint32_t y = 0; y < e.height; ++y)
        for (uint32_t x = 0; x < e.width; ++x)
            if (const int32_t owner = e.CellAt(x, y)->owner; owner != Nobody)
                s += (owner == Human ? " x" : " o") + std::to_string(x) + "," + std::to_string(y);
    return s;
}

// Whether a text is what a table expects: "?" any move "x,y", a trailing
// "*" a prefix, else the exact text.
bool Matches(const std::string& text, const std::string& expected)
{
    if (expected == "?")
        return std::regex_match(text, std::regex("[0-9]+,[0-9]+"));
    if (!expected.empty() && expected.back() == '*')
        return text.compare(0, expected.size() - 1, expected, 0, expected.size() - 1) == 0;
    return text == expected;
}

}  // namespace

TEST_CASE("bytes become lines at LF, CR LF or a lone CR, the moment the line ends")
{
    // A line completed by its end byte is listed as it is; "eof:" marks the
    // unfinished last line that only the end of input hands over.
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"START 20\nBEGIN\n", {"START 20", "BEGIN"}},
        {"START 20\r\nBEGIN\r", {"START 20", "BEGIN"}},
        {"a\rb\r\n\nc", {"a", "b", "", "eof:c"}},
        {"\r\n\r\n\r\r", {"", "", "", ""}},
        {"", {}},
        {"0123456789\nx", {"0123456789", "eof:x"}},
        {"0123456789ABCDEF\nEND", {"0123456789A", "eof:END"}},
    };
    for (const auto& [bytes, expected] : cases) {
        CAPTURE(bytes);
        CLineSplitter splitter(10);
        Lines lines;
        std::string line;
        for (char c : bytes)
            if (splitter.Push(c, line))
                lines.push_back(line);
        if (splitter.Finish(line))
            lines.push_back("eof:" + line);
        CHECK(lines == expected);
    }
}

TEST_CASE("answers end in the line end the session was given")
{
    for (const std::string end : {"\n", "\r\n"}) {
        CBrainSession s(end);
        std::ostringstream out;
        for (const char* line : {"START 20", "START 4", "", "RESTART"})
            s.HandleLine(line, out);
        CHECK(out.str()
            == "OK" + end + "ERROR unsupported board size 4x4: each side 5 to 100" + end + "OK" + end);
    }
}

TEST_CASE("sessions: each line's answer, and the game it leaves")
{
    // Answers as Matches reads them; where a step names a position, the game
    // must be in it afterwards (Position, or "none" before any START).
    struct Step {
        std::string line, answer, position = "";
    };
    // A 5 x 5 board full but for 4,4, without five in a row: owners alternate
    // in pairs along the rows and at every row along the columns.
    std::vector<Step> full = {{"START 5", "OK"}, {"BOARD", ""}};
    for (uint32_t i = 0; i < 24; ++i)
        full.push_back({std::to_string(i % 5) + "," + std::to_string(i / 5) + ","
                + ((i % 5 / 2 + i / 5) % 2 ? "1" : "2"),
            ""});
    full.insert(full.end(),
        {{"DONE", "4,4", "5x5 BoardFull*"}, {"TURN 0,0", "ERROR the game is over: no free square is left"},
            {"TAKEBACK 4,4", "OK", "5x5 InPlay*"},
            {"TURN 4,4", "ERROR your move ends the game: no free square is left", "5x5 BoardFull*"}});

    const std::vector<std::vector<Step>> sessions = {
        {{"TURN 1,1", "ERROR no game: send START first", "none"}, {"BEGIN", "ERROR no game*"},
            {"TAKEBACK 1,1", "ERROR no game*"}, {"RESTART", "ERROR no game*"}, {"BOARD", "ERROR no game*"},
            {"1,1,1", ""}, {"TURN 2,2", ""}, {"DONE", "", "none"}, {"INFO timeout_turn 5000", ""},
            {"ABOUT", "name=\"Quinterra\", version=\"1.08\", country=\"CZ\""},
            {"START 10", "OK", "10x10 NotStarted"}, {"END", ""}, {"ABOUT", ""},
            {"TURN 1,1", "", "10x10 NotStarted"}},
        {{"START 4", "ERROR unsupported board size 4x4: each side 5 to 100"}, {"START 101", "ERROR *"},
            {"RECTSTART 4,20", "ERROR unsupported board size 4x20*"}, {"RECTSTART 20,101", "ERROR *", "none"},
            {"RECTSTART 100,5", "OK", "100x5 NotStarted"}, {"TURN 99,4", "?"},
            {"RESTART", "OK", "100x5 NotStarted"}, {"rectstart 5 , 100", "OK", "5x100 NotStarted"},
            {"START 5,5", "ERROR START: *", "5x100 NotStarted"},
            {"START", "ERROR START needs the board size"}, {"START 5", "OK", "5x5 NotStarted"},
            {"BEGIN", "?"}},
        // The manager's four closed at 1,5: the brain must block 6,5.
        {{"START 20", "OK"}, {"TURN 15,15", "?"}, {"BOARD", ""}, {"2,5,2", ""}, {" 3 , 5 , 2 ", ""},
            {"4,5,2", ""}, {"5,5,2", ""}, {"1,5,1", ""},
            {"5,5,1", "ERROR BOARD line: square 5,5 is given twice"},
            {"20,0,1", "ERROR BOARD line: square 20,0 is off the 20x20 board"},
            {"0,20,2", "ERROR BOARD line: square 0,20 is off*"},
            {"1,1,0", "ERROR BOARD line: field 0 is not 1, 2 or 3"}, {"1,1,4", "ERROR BOARD line: field 4*"},
            {"1,1", "ERROR BOARD line, expected x,y,field or DONE: *"}, {"TURN 1,1", "ERROR BOARD line, *"},
            {"3,3,3", ""}, {"", ""}, {std::string(1001, '1'), "ERROR line too long: at most 1000 characters"},
            {"done", "6,5", "20x20 InPlay o1,5 x2,5 x3,5 x4,5 x5,5 o6,5"}, {"TAKEBACK 6,5", "OK"},
            {"TURN 6,5", "ERROR your move ends the game: five in a row",
                "20x20 Won o1,5 x2,5 x3,5 x4,5 x5,5 x6,5"},
            {"TURN 15,15", "ERROR the game is over: five in a row"},
            {"BEGIN", "ERROR BEGIN needs an empty board; BOARD sets up a position"},
            {"Takeback 6,5", "OK", "20x20 InPlay o1,5 x2,5 x3,5 x4,5 x5,5"}, {"TURN 0,0", "6,5"},
            {"TAKEBACK 6,5", "OK"}, {"TAKEBACK 1,5", "OK", "20x20 InPlay x0,0 x2,5 x3,5 x4,5 x5,5"}},
        // Its own five comes before blocking the manager's open four.
        {{"START 20", "OK"}, {"BOARD", ""}, {"1,1,2", ""}, {"2,1,2", ""}, {"3,1,2", ""}, {"4,1,2", ""},
            {"8,2,2", ""}, {"8,3,1", ""}, {"8,4,1", ""}, {"8,5,1", ""}, {"8,6,1", ""},
            {"DONE", "8,7", "20x20 Won x1,1 x2,1 x3,1 x4,1 x8,2 o8,3 o8,4 o8,5 o8,6 o8,7"},
            {"TURN 0,1", "ERROR the game is over: five in a row"}, {"BOARD", ""}, {"0,0,2", ""},
            {"1,1,2", ""}, {"2,2,2", ""}, {"3,3,2", ""}, {"4,4,2", ""},
            {"DONE", "ERROR the game is over: five in a row", "20x20 Won x0,0 x1,1 x2,2 x3,3 x4,4"},
            {"TAKEBACK 2,2", "OK", "20x20 InPlay x0,0 x1,1 x3,3 x4,4"},
            {"TURN 2,2", "ERROR your move ends the game: five in a row"}},
        // A refused BOARD drops its lines up to DONE; END ends even inside one.
        {{"START 20", "OK"}, {"BOARD now", "ERROR BOARD takes no arguments"}, {"1,1,1", ""}, {"junk", ""},
            {std::string(5000, 'A'), ""}, {"DONE", "", "20x20 NotStarted"}, {"BOARD", ""}, {"1,1,1", ""},
            {"End now", ""}, {"DONE", ""}, {"ABOUT", "", "20x20 NotStarted"}},
        full,
    };
    for (const auto& session : sessions) {
        CBrainSession s("\n");
        for (const Step& step : session) {
            CAPTURE(step.line);
            CHECK(Matches(Ask(s, step.line), step.answer));
            if (!step.position.empty())
                CHECK(Matches(s.Game() ? Position(*s.Game()) : "none", step.position));
        }
        if (s.Game())
            CHECK(RecountMismatch(*s.Game()) == "");
    }
}

TEST_CASE("a refused or quiet line leaves the game as it was; other spellings of a move are the move")
{
    const Lines opening = {"START 20", "TURN 10,10", "TURN 11,10", "TURN 10,12"};
    // "=" marks a line that must do exactly what "TURN 12,13" does.
    const std::vector<std::pair<std::string, std::string>> lines = {
        {"TURN 10,10", "ERROR TURN: square 10,10 is taken"},
        {"TURN 29,3", "ERROR TURN: square 29,3 is off the 20x20 board"},
        {"TURN 3,20", "ERROR TURN: square 3,20 is off the 20x20 board"},
        {"TURN 4294967295,0", "ERROR TURN: square 4294967295,0 is off*"},
        {"TURN 4294967296,0", "ERROR TURN: \"4294967296\" is too large"},
        {"TURN 0,12345678901234567890", "ERROR TURN: \"12345678901234567890\" is too large"},
        {"TURN 0,123456789012345678901", "ERROR TURN: \"12345678901234567890...\" is too large"},
        {"TURN 1", "ERROR TURN: expected 2 comma-separated numbers"},
        {"TURN 1,2,3", "ERROR TURN: expected 2 numbers, found more"},
        {"TURN 1,", "ERROR TURN: a number is missing"},
        {"TURN -1,0", "ERROR TURN: \"-1\" is not a number"},
        {"TURN 1,+2", "ERROR TURN: \"+2\" is not a number"},
        {"TURN 1 2,3", "ERROR TURN: \"1 2\" is not a number"},
        {std::string("TURN 1,2\0", 9), "ERROR TURN: \"2?\" is not a number"},
        {"TURN 1,2\r", "ERROR TURN: \"2?\" is not a number"},
        {"TAKEBACK 0,0", "ERROR TAKEBACK: square 0,0 is empty"},
        {"TAKEBACK 20,0", "ERROR TAKEBACK: square 20,0 is off the 20x20 board"},
        {"BEGIN", "ERROR BEGIN needs an empty board; BOARD sets up a position"},
        {"BEGIN 1", "ERROR BEGIN takes no arguments"},
        {"RESTART now", "ERROR RESTART takes no arguments"},
        {"aBoUt x", "ERROR aBoUt takes no arguments"},
        {"INFO", "ERROR INFO needs a key"},
        {"DONE", "ERROR DONE without BOARD"},
        {"PLAY 1,1", "UNKNOWN command \"PLAY\" is not supported"},
        {std::string("START\0 20", 9), "UNKNOWN command \"START?\" is not supported"},
        {"\x01\x02\x1b[2J\x7f", "UNKNOWN command \"???[2J?\" is not supported"},
        {std::string(1001, '7'), "ERROR line too long: at most 1000 characters"},
        {"", ""},
        {" \t ", ""},
        {"INFO timeout_turn 5000", ""},
        {"info folder C:\\tmp", ""},
        {" turn\t12 ,\t13 ", "="},
        {"TURN 012,0013", "="},
        {"TURN 12,13" + std::string(990, ' '), "="},
    };
    CBrainSession plain("\n");
    for (const std::string& line : opening)
        Ask(plain, line);
    const std::string reply = Ask(plain, "TURN 12,13");
    for (const auto& [line, answer] : lines) {
        CAPTURE(line);
        CBrainSession s("\n");
        for (const std::string& l : opening)
            Ask(s, l);
        CHECK(Matches(Ask(s, line), answer == "=" ? reply : answer));
        if (answer != "=")
            CHECK(Ask(s, "TURN 12,13") == reply);
        CHECK(Position(*s.Game()) == Position(*plain.Game()));
    }
}

TEST_CASE("every reply is the game's own move in the same position, to the end of the game")
{
    for (const auto& [w, h] : {std::pair {20u, 20u}, {7u, 5u}, {5u, 100u}, {100u, 100u}}) {
        for (unsigned seed = 1; seed <= 2; ++seed) {
            INFO(w << "x" << h << ", seed " << seed);
            CBrainSession s("\n");
            REQUIRE(Ask(s, "RECTSTART " + std::to_string(w) + "," + std::to_string(h)) == "OK");
            CEngine referee;
            InitBoard(referee, w, h);
            std::mt19937 random(seed);
            // The manager plays random free squares, for some 30 turns at most.
            while (referee.state != Won && referee.state != BoardFull && referee.freeCells + 60 > w * h) {
                uint32_t x, y;
                do
                    x = uint32_t(random() % w), y = uint32_t(random() % h);
                while (referee.CellAt(x, y)->owner != Nobody);
                const std::string answer = Ask(s, "TURN " + std::to_string(x) + "," + std::to_string(y));
                referee.Place(Human, referee.CellAt(x, y));
                referee.state = InPlay;
                referee.CheckOutcome();
                if (referee.state != InPlay) {
                    CHECK(Matches(answer, "ERROR your move ends the game: *"));
                    break;
                }
                const Cell* reply = referee.ChooseMove(Computer);
                REQUIRE(answer == std::to_string(reply->x) + "," + std::to_string(reply->y));
                referee.Place(Computer, referee.CellAt(reply->x, reply->y));
                referee.CheckOutcome();
            }
            CHECK(Position(*s.Game()) == Position(referee));
            CHECK(RecountMismatch(*s.Game()) == "");
        }
    }
}
