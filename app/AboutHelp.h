// The About box and the help viewer.
#pragma once

#include <string>

void CmdAbout();
void CmdHelp();

// The text of the About box: eleven lines, each ended by a bare CR.
const wchar_t* AboutText();

// Full path of quinterra.hlp beside the executable, in the ANSI code page
// that the help viewer takes. Where the folder's name cannot be written in
// that code page, its short form is used; failing that, the bare file name,
// which the viewer looks up on its search path.
std::string HelpFilePath();
