#include "SizeFields.h"

#include "BoardSize.h"

#include <algorithm>

int32_t ParseDecimal(const wchar_t* text)
{
    const wchar_t* c = text;
    while (*c == L' ' || (*c >= L'\t' && *c <= L'\r'))
        ++c;
    bool negative = *c == L'-';
    if (*c == L'-' || *c == L'+')
        ++c;
    // Counted in 64 bits and held at the 32-bit limits from the first digit
    // that would cross them.
    const int64_t limit = negative ? -int64_t(INT32_MIN) : INT32_MAX;
    int64_t value = 0;
    for (; *c >= L'0' && *c <= L'9'; ++c)
        value = std::min(limit, value * 10 + (*c - L'0'));
    return int32_t(negative ? -value : value);
}

uint32_t ClampWidth(int32_t value)
{
    return uint32_t(std::clamp<int32_t>(value, MinBoardCols, MaxBoardSide));
}

uint32_t ClampHeight(int32_t value)
{
    return uint32_t(std::clamp<int32_t>(value, MinBoardRows, MaxBoardSide));
}
