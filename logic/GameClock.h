// The game clock's arithmetic: half-second ticks to "hh:mm:ss" and the rule
// of when a tick counts. No windows here.
#pragma once

#include "GameState.h"

#include <cstddef>
#include <cstdint>

// The clock counts the main window's timer ticks, one each half second.
inline constexpr unsigned ClockTickMilliseconds = 500;

// Room for the longest clock text, "-298261:37:04" and its terminator.
inline constexpr size_t ClockTextRoom = 16;

// Writes the clock text for a count of half-second ticks. Hours have at
// least two digits and no upper bound. A negative count (which only a saved
// game can bring) is shown as its size with a leading minus sign.
void FormatClock(int32_t ticks, wchar_t (&text)[ClockTextRoom]);

// The count after one timer tick: it grows only while the game is in play
// and the main window is active, and it stops at the largest count rather
// than wrapping round to a negative time.
int32_t AdvanceClock(int32_t ticks, GameState state, bool active);
