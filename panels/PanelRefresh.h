// What every change of the game ends with: the panels show it.
#pragma once

// The toolbar's buttons follow the game, and the status panel repaints.
void RefreshPanels();
