#include "LineSplitter.h"

bool CLineSplitter::Push(char c, std::string& line)
{
    const bool lfOfCrLf = c == '\n' && afterCr;
    afterCr = c == '\r';
    if (lfOfCrLf)
        return false;
    if (c == '\n' || c == '\r') {
        line.swap(pending);
        pending.clear();
        started = false;
        return true;
    }
    started = true;
    if (pending.size() <= maxLength)
        pending += c;
    return false;
}

bool CLineSplitter::Finish(std::string& line)
{
    if (!started)
        return false;
    line.swap(pending);
    pending.clear();
    started = false;
    return true;
}
