// The pieces of a brain protocol line: the command word, its arguments and
// the numbers in them. Strict on purpose: whatever a manager sends that does
// not read exactly as a number is refused with a reason, never guessed at.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A line split at its first run of blanks: the command word and the rest,
// both without surrounding blanks (spaces and tabs).
struct CommandLine {
    std::string_view word;
    std::string_view rest;
};
CommandLine SplitCommand(std::string_view line);

// s without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view s);

// Whether a and b are the same word, letters compared without case.
bool SameWord(std::string_view a, std::string_view b);

// s in double quotes for a message: cut short, so that a huge line makes a
// short answer, and with control bytes shown as '?', so that the answer stays
// one line.
std::string Quoted(std::string_view s);

// Reads a decimal number of 0..4294967295 from the whole of s: digits only,
// no sign, no blanks. On success stores it in value and returns nothing,
// otherwise returns the reason.
std::optional<std::string> ParseNumber(std::string_view s, uint32_t& value);

// Reads exactly count comma-separated numbers (blanks allowed around each)
// into values. Returns the reason when the text is anything else.
std::optional<std::string> ParseNumberList(std::string_view s, uint32_t* values, size_t count);
