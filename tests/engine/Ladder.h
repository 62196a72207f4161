// The move choice spelled out rule by rule, each rule one plain scan of the
// arrays: the reference that CEngine's rules and ChooseMove must agree with.
#pragma once

#include "Engine.h"

enum class LadderRule { Four, SplitThree, OpenThree, BestThree, BestOfCells };

// What rule r finds for player q, or nullptr.
Cell* LadderRuleFor(const CEngine& e, LadderRule r, Player q);
// The rules for p and then for the opponent, ending with the better best cell.
Cell* Ladder(const CEngine& e, Player p);
