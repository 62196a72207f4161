// The move choice spelled out rule by rule, one scan of the board per rule:
// the reference that CEngine::ChooseMove must always agree with.
#pragma once

#include "Engine.h"

Cell* Ladder(const CEngine& e, int32_t p);
