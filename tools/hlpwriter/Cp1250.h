#pragma once
// The help viewer reads narrow text in the Central European code page, so
// every string that goes into the help file is Windows-1250.

#include <string>
#include <string_view>

namespace hlp {

// Converts UTF-8 text to Windows-1250. On failure returns false and leaves a
// message in `error` naming the character that the code page cannot hold
// (or the malformed byte); `out` is then incomplete.
bool EncodeCp1250(std::string_view utf8, std::string& out, std::string& error);

// Converts text that EncodeCp1250 wrote back to UTF-8.
std::string DecodeCp1250(std::string_view cp1250);

}  // namespace hlp
