// Open, Save and Save As. The open and save dialogs write straight into the
// current file path; the name offset comes back from the dialog, and 0
// means that no file is known, so the next Save asks for a name.
#include "FileCommands.h"

#include "Commands.h"
#include "FittingHandlers.h"
#include "PanelRefresh.h"
#include "Shell.h"
#include "Texts.h"

#include <commdlg.h>
#include <windows.h>

#include <cwchar>

namespace {

const size_t PathRoom = sizeof shell.filePath / sizeof shell.filePath[0];

// The path and name offset as they were before a command that may fail.
struct FileBackup {
    wchar_t path[PathRoom];
    uint16_t nameOffset;
};

FileBackup TakeBackup()
{
    FileBackup backup {};
    wmemcpy(backup.path, shell.filePath, PathRoom);
    backup.nameOffset = shell.nameOffset;
    return backup;
}

void PutBack(const FileBackup& backup)
{
    wmemcpy(shell.filePath, backup.path, PathRoom);
    shell.nameOffset = backup.nameOffset;
}

// Runs the open or the save dialog over the current file path. Open and
// Save As share everything but the flags; the block is cleared each time,
// which forgets the name offset until the player confirms a name.
bool ChooseFile(bool forSaving)
{
    OPENFILENAMEW block {};
    shell.nameOffset = 0;
    shell.filePath[PathRoom - 1] = L'\0';
    block.lStructSize = sizeof block;
    block.hwndOwner = shell.mainWindow;
    block.lpstrFilter = Text::FileFilter;
    block.nFilterIndex = 1;
    block.lpstrFile = shell.filePath;
    block.nMaxFile = DWORD(PathRoom);
    block.lpstrDefExt = L"hra";
    if (forSaving)
        block.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;
    else
        block.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOREADONLYRETURN;
    bool chosen = forSaving ? GetSaveFileNameW(&block) : GetOpenFileNameW(&block);
    if (chosen)
        shell.nameOffset = block.nFileOffset;
    return chosen;
}

}  // namespace

void CmdOpen()
{
    if (!shell.board)
        return;
    FileBackup backup = TakeBackup();
    if (!ChooseFile(false))
        return;
    // The dialog's loop may have let anything happen meanwhile.
    if (!shell.board || !shell.board->Load(shell.filePath)) {
        PutBack(backup);
        return;
    }
    FitWindowToView();
    SetMainTitle(shell.mainWindow, shell.board->width, shell.board->height, true);
    RefreshPanels();
}

void CmdSave()
{
    if (!shell.board)
        return;
    if (shell.nameOffset > 0)
        shell.board->Save(shell.filePath);
    else
        CmdSaveAs();
}

void CmdSaveAs()
{
    if (!shell.board)
        return;
    FileBackup backup = TakeBackup();
    if (!ChooseFile(true))
        return;
    if (!shell.board || !shell.board->Save(shell.filePath)) {
        // A game that was not written has no new file to name.
        PutBack(backup);
        return;
    }
    SetMainTitle(shell.mainWindow, shell.board->width, shell.board->height, true);
}
