#include "ProtocolParse.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

}  // namespace

std::string Quoted(std::string_view s)
{
    constexpr size_t limit = 20;
    std::string q = "\"";
    for (char c : s.substr(0, limit))
        q += (unsigned char)c < 0x20 || c == 0x7f ? '?' : c;
    if (s.size() > limit)
        q += "...";
    q += "\"";
    return q;
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

CommandLine SplitCommand(std::string_view line)
{
    line = TrimBlanks(line);
    size_t end = 0;
    while (end < line.size() && !IsBlank(line[end]))
        ++end;
    return {line.substr(0, end), TrimBlanks(line.substr(end))};
}

bool SameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

std::optional<std::string> ParseNumber(std::string_view s, uint32_t& value)
{
    if (s.empty())
        return "a number is missing";
    uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return Quoted(s) + " is not a number";
        // Checked digit by digit, so that no length of input can wrap around.
        v = v * 10 + uint64_t(c - '0');
        if (v > UINT32_MAX)
            return Quoted(s) + " is too large";
    }
    value = uint32_t(v);
    return std::nullopt;
}

std::optional<std::string> ParseNumberList(std::string_view s, uint32_t* values, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const size_t comma = s.find(',');
        const bool last = i + 1 == count;
        if (last && comma != std::string_view::npos)
            return "expected " + std::to_string(count) + " numbers, found more";
        if (!last && comma == std::string_view::npos)
            return "expected " + std::to_string(count) + " comma-separated numbers";
        const std::string_view piece = TrimBlanks(s.substr(0, comma));
        if (auto error = ParseNumber(piece, values[i]))
            return error;
        if (!last)
            s.remove_prefix(comma + 1);
    }
    return std::nullopt;
}
