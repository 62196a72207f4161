#include "Commands.h"

#include "AboutHelp.h"
#include "FileCommands.h"
#include "PanelRefresh.h"
#include "Shell.h"
#include "Texts.h"
#include "resource.h"

namespace {

void CmdExit()
{
    // The shutdown steps run when this is dispatched; the window stays.
    PostMessageW(shell.mainWindow, WM_DESTROY, 0, 0);
}

// Every command once: its menu id, the toolbar button that runs it too (0
// for none), and what it does.
const struct {
    UINT id;
    uint16_t button;
    void (*run)();
} commands[] = {
    {IDM_NEW, IDB_NEW, CmdNew},
    {IDM_OPEN, IDB_OPEN, CmdOpen},
    {IDM_SAVE, IDB_SAVE, CmdSave},
    {IDM_SAVEAS, 0, CmdSaveAs},
    {IDM_SETTINGS, IDB_SETTINGS, CmdSettings},
    {IDM_EXIT, 0, CmdExit},
    {IDM_UNDO, IDB_UNDO, CmdUndo},
    {IDM_REDO, IDB_REDO, CmdRedo},
    {IDM_HINT, IDB_HINT, CmdHint},
    {IDM_ABOUT, 0, CmdAbout},
    {IDM_HELP, IDB_HELP, CmdHelp},
};

}  // namespace

void CmdNew()
{
    if (!shell.board)
        return;
    int answer = MessageBoxW(shell.mainWindow, Text::ConfirmNewGame, Text::NewGameCaption, MB_YESNO);
    // The box runs its own message loop: anything may have happened meanwhile.
    if (answer != IDYES || !shell.board)
        return;
    shell.board->NewGame();
    shell.filePath[0] = L'\0';
    shell.nameOffset = 0;
    SetMainTitle(shell.mainWindow, shell.board->width, shell.board->height, false);
    RefreshPanels();
}

void CmdUndo()
{
    if (!shell.board)
        return;
    shell.board->Undo();
    RefreshPanels();
}

void CmdRedo()
{
    if (!shell.board)
        return;
    shell.board->Redo();
    RefreshPanels();
}

void CmdHint()
{
    if (!shell.board)
        return;
    shell.board->Play(0, 0, true);
    RefreshPanels();
}

void OnCommand(UINT id)
{
    for (const auto& command : commands)
        if (command.id == id) {
            command.run();
            return;
        }
}

void RunButtonCommand(uint16_t buttonId)
{
    for (const auto& command : commands)
        if (buttonId != 0 && command.button == buttonId) {
            command.run();
            return;
        }
}
