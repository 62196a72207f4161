// The boards the game is played on. The engine itself takes any board of at
// least a five each way; the game offers from 10 columns by 5 rows to 100 by
// 100, and every run starts on 20 by 20.
#pragma once

#include <cstdint>

constexpr uint32_t MinEngineSide = 5;
constexpr uint32_t MinBoardCols = 10;
constexpr uint32_t MinBoardRows = 5;
constexpr uint32_t MaxBoardSide = 100;
constexpr uint32_t StartBoardSide = 20;
