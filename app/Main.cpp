// The program's entry point; everything else lives in the app library so
// that the tests can start the same windows in their own process.
#include "MainWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    return RunGame(instance, show);
}
