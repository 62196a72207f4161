#include "PanelRefresh.h"

#include "Shell.h"
#include "Toolbar.h"

void RefreshPanels()
{
    UpdateToolbar();
    if (shell.status)
        InvalidateRect(shell.status, nullptr, FALSE);
}
