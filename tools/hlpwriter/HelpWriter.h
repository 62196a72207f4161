#pragma once
// Turns a parsed help source into the bytes of a WinHelp 3.1 file.

#include "HelpSource.h"

#include <cstdint>
#include <vector>

namespace hlp {

// The document must come from ParseHelpSource without errors. Throws
// std::length_error if it outgrows the simple layout we write.
std::vector<std::uint8_t> WriteHelpFile(const HelpDocument& document);

}  // namespace hlp
