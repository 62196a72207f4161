#pragma once
// Turns a parsed help source into one UTF-8 HTML page, for systems whose help
// viewer cannot show the .hlp file: any browser reads it, without a network.

#include "HelpSource.h"

#include <string>

namespace hlp {

// Every topic becomes a section whose id is the topic's id in lower case (ids
// are compared without regard to case), and every link a reference to it.
// The document must come from ParseHelpSource without errors.
std::string WriteHelpHtml(const HelpDocument& document);

}  // namespace hlp
