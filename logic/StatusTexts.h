// The texts of the status panel's move counter and coordinates fields. No
// windows here, so the texts are tested without one.
#pragma once

#include <cstdint>

// One field's text, with room for any numbers.
struct StatusText {
    wchar_t text[32];
};

// "current/recorded", 1-based: 0/0 before the first turn. The turn indexes
// are the record's, -1 when there is no such turn.
StatusText MoveCounterText(int32_t currentTurn, int32_t lastTurn);

// "[column,row]" of the 1-based square under the pointer. The view's closing
// frame line and, while the window is being sized, a strip past the last
// square give numbers beyond the board: they name the board's last square.
StatusText CoordinatesText(int32_t col, int32_t row, uint32_t boardCols, uint32_t boardRows);
