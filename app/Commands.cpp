#include "Commands.h"

#include "AboutHelp.h"
#include "FileCommands.h"
#include "Shell.h"
#include "Toolbar.h"
#include "resource.h"

void RefreshPanels()
{
    UpdateToolbar();
    if (shell.status)
        InvalidateRect(shell.status, nullptr, FALSE);
}

void CmdNew()
{
    if (!shell.board)
        return;
    int answer = MessageBoxW(shell.mainWindow,
        L"Opravdu si přejete zahájit novou hru,\ra tak zrušit stávající?", L"Zahájit novou hru?", MB_YESNO);
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
    switch (id) {
    case IDM_NEW: CmdNew(); break;
    case IDM_EXIT:
        // The shutdown steps run when this is dispatched; the window stays.
        PostMessageW(shell.mainWindow, WM_DESTROY, 0, 0);
        break;
    case IDM_UNDO: CmdUndo(); break;
    case IDM_REDO: CmdRedo(); break;
    case IDM_HINT: CmdHint(); break;
    case IDM_ABOUT: CmdAbout(); break;
    case IDM_HELP: CmdHelp(); break;
    case IDM_SAVEAS: CmdSaveAs(); break;
    case IDM_OPEN: CmdOpen(); break;
    case IDM_SAVE: CmdSave(); break;
    case IDM_SETTINGS: CmdSettings(); break;
    default: break;
    }
}
