// The About box and the help.
#pragma once

#include "HelpChoice.h"

#include <windows.h>

#include <string>

void CmdAbout();
// Shows the help in the form this system can show (see ChooseHelpForm).
void CmdHelp();
// Tells the help viewer to quit at the end, where the help went to the viewer.
void QuitHelp(HWND mainWindow);

// Shows the help in the given form: quinterra.hlp in the help viewer, or
// quinterra.html in the default browser, both looked for beside the program.
// A missing file, or a browser that cannot be started, gets a message box.
void ShowHelp(HWND owner, HelpForm form);

// Full path of quinterra.hlp beside the executable, in the ANSI code page
// that the help viewer takes. Where the folder's name cannot be written in
// that code page, its short form is used; failing that, the bare file name,
// which the viewer looks up on its search path.
std::string HelpFilePath();
