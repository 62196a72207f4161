// Start-up, the main window and the message loop.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the classes and creates the main window with its menu and its
// three children, loads the accelerators, then shows the main window with
// the given show command. False when any window could not be made; nothing
// is left behind then.
bool CreateMainWindow(HINSTANCE instance, int show);

// Offers a message to the accelerator table of the main window; true when it
// was a command key and has been carried out.
bool TranslateCommandKey(MSG& message);

// Runs the message loop until the quit request; returns its code.
int RunMessageLoop();

// The whole program: create, run, clean up. Running out of memory anywhere
// ends it with a message instead of a crash. Returns the exit code.
int RunGame(HINSTANCE instance, int show);
