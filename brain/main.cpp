// pbrain-quinterra: the engine as a gomoku brain on standard input and output.
#include "BrainSession.h"
#include "LineSplitter.h"

#include <cstdio>
#include <sstream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Answers end as text lines end where the brain runs: a manager on Linux that
// cuts only the LF would read "OK\r" and refuse the brain.
#ifdef _WIN32
constexpr const char* answerLineEnd = "\r\n";
#else
constexpr const char* answerLineEnd = "\n";
#endif

// Answers one line and hands the answer to the manager at once.
void Handle(CBrainSession& session, const std::string& line)
{
    std::ostringstream answer;
    session.HandleLine(line, answer);
    const std::string text = answer.str();
    if (text.empty())
        return;
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

int main()
{
#ifdef _WIN32
    // The session writes CR LF itself and reads any line end; text mode would
    // double the CR on the way out and hold a lone CR back on the way in.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    CBrainSession session(answerLineEnd);
    CLineSplitter splitter(CBrainSession::maxLineLength);
    std::string line;
    int c;
    while (!session.Ended() && (c = std::getchar()) != EOF)
        if (splitter.Push(char(c), line))
            Handle(session, line);
    if (!session.Ended() && splitter.Finish(line))
        Handle(session, line);
    return 0;
}
