// Driving a brain session in-process, and the engine's own answer to compare with.
#pragma once

#include "BrainSession.h"
#include "engine/Recount.h"

#include <string>
#include <string_view>
#include <vector>

// Feeds one line and returns the answer with the CR LF of each line removed
// and the lines joined by '\n'; "" when there was no answer. Fails the test
// when an answer line does not end in CR LF.
std::string Ask(CBrainSession& s, std::string_view line);

// The answer lines of a whole session, one entry per line.
std::vector<std::string> Session(CBrainSession& s, const std::vector<std::string>& lines);

// What CEngine::ChooseMove(Computer) plays on a fresh w x h board holding
// these stones, as "x,y".
std::string EngineReply(uint32_t w, uint32_t h, const std::vector<Stone>& stones);

bool StartsWith(const std::string& s, std::string_view prefix);

// The owners of every cell, row by row ('.' empty, 'x' Human, 'o' Computer).
std::string Stones(const CEngine& e);
