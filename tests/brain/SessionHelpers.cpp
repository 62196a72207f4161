#include "SessionHelpers.h"

#include <doctest/doctest.h>

#include <sstream>

std::string Ask(CBrainSession& s, std::string_view line)
{
    std::ostringstream out;
    s.HandleLine(line, out);
    std::string text = out.str();
    std::string joined;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        REQUIRE_MESSAGE(end != std::string::npos, "answer without CR LF: ", text);
        if (!joined.empty())
            joined += '\n';
        joined += text.substr(start, end - start);
        start = end + 2;
    }
    return joined;
}

std::vector<std::string> Session(CBrainSession& s, const std::vector<std::string>& lines)
{
    std::vector<std::string> answers;
    for (const std::string& line : lines) {
        std::string a = Ask(s, line);
        std::istringstream split(a);
        for (std::string piece; std::getline(split, piece);)
            answers.push_back(piece);
    }
    return answers;
}

std::string EngineReply(uint32_t w, uint32_t h, const std::vector<Stone>& stones)
{
    CEngine e;
    InitBoard(e, w, h);
    PlaceStones(e, stones);
    const Cell* c = e.ChooseMove(Computer);
    return std::to_string(c->x) + "," + std::to_string(c->y);
}

std::string Stones(const CEngine& e)
{
    std::string s;
    for (uint32_t y = 0; y < e.height; ++y) {
        for (uint32_t x = 0; x < e.width; ++x) {
            const int32_t owner = e.CellAt(x, y)->owner;
            s += owner == Human ? 'x' : owner == Computer ? 'o' : '.';
        }
        s += '\n';
    }
    return s;
}

bool StartsWith(const std::string& s, std::string_view prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}
