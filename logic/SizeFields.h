// What the settings dialog makes of the text in its two size fields. Plain
// logic, so that every odd text a player may type can be tried anywhere.
#pragma once

#include <cstdint>

// A field's text as a decimal number: leading white space, an optional sign,
// the digits up to the first other character; no digits give 0. A number
// beyond 32 bits gives the nearest 32-bit value.
int32_t ParseDecimal(const wchar_t* text);

// The board sizes a field's number stands for.
uint32_t ClampWidth(int32_t value);
uint32_t ClampHeight(int32_t value);
