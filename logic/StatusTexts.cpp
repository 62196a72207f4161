#include "StatusTexts.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

StatusText MoveCounterText(int32_t currentTurn, int32_t lastTurn)
{
    StatusText s;
    // Turn numbers stay far below the limits of int: at most one per two squares.
    swprintf(s.text, std::size(s.text), L"%i/%i", int(currentTurn + 1), int(lastTurn + 1));
    return s;
}

StatusText CoordinatesText(int32_t col, int32_t row, uint32_t boardCols, uint32_t boardRows)
{
    StatusText s;
    swprintf(s.text, std::size(s.text), L"[%i,%i]", int(std::min<int64_t>(col, boardCols)),
        int(std::min<int64_t>(row, boardRows)));
    return s;
}
