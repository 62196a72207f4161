// Cuts a byte stream into lines as they arrive. A line ends at LF, at CR LF
// or at a lone CR; the CR of a CR LF ends the line at once, so that the answer
// never waits for a byte that a manager may not send.
#pragma once

#include <cstddef>
#include <string>

class CLineSplitter {
public:
    // A line keeps at most this many bytes plus one; the rest of it is dropped,
    // and the extra byte tells the reader that the line was longer than allowed.
    explicit CLineSplitter(size_t maxLen) : maxLength(maxLen) { }

    // Takes one byte. Returns true when it completed a line, which is then in
    // `line` (without its end) until the next call.
    bool Push(char c, std::string& line);
    // At the end of input: returns true, with the text in `line`, when an
    // unfinished last line is pending.
    bool Finish(std::string& line);

private:
    size_t maxLength;
    std::string pending;
    bool afterCr = false;
    bool started = false;
};
