#include "GameClock.h"

#include "GameState.h"

#include <cstdint>
#include <cwchar>
#include <limits>

void FormatClock(int32_t ticks, wchar_t (&text)[ClockTextRoom])
{
    // In 64 bits the size of the smallest count is representable too.
    int64_t t = ticks;
    const wchar_t* sign = L"";
    if (t < 0) {
        sign = L"-";
        t = -t;
    }
    int64_t hours = t / 7200;
    int64_t minutes = (t - hours * 7200) / 120;
    int64_t seconds = (t - (hours * 60 + minutes) * 120) / 2;
    swprintf(text, ClockTextRoom, L"%ls%02i:%02i:%02i", sign, int(hours), int(minutes), int(seconds));
}

int32_t AdvanceClock(int32_t ticks, GameState state, bool active)
{
    if (!active || state != InPlay || ticks == std::numeric_limits<int32_t>::max())
        return ticks;
    return ticks + 1;
}
