// Saved games as bytes: the game turned into the stored form of an "hra" file
// and back, with every check a file must pass before it may become the game
// on the board. No file, window or message box here: the board and the shell
// do those.
#pragma once

#include "RecordReplay.h"
#include "SavedGame.h"

#include <cstdint>
#include <string>
#include <vector>

// Why a file was not taken. The player is told one of two things: that it is
// no saved game (or a damaged one), or that it comes from another version.
enum class Refusal {
    None,
    NotSavedGame,
    OtherVersion,
};

struct LoadResult {
    Refusal refusal = Refusal::None;
    std::string reason;  // for tests and logs: which check failed
    SavedGame game;  // valid only when refusal is None
};

constexpr size_t kSavedGameHeaderSize = 49;

// The logical stream: magic, version, eleven little-endian fields, the turns.
std::vector<uint8_t> EncodeSavedGame(const SavedGame& game);

// The stored form writes every 0x0A as 0x0D 0x0A; reading turns each such
// pair back into 0x0A and keeps every other byte.
std::vector<uint8_t> ToStoredForm(const std::vector<uint8_t>& logical);
std::vector<uint8_t> FromStoredForm(const std::vector<uint8_t>& stored);

// Reads a whole stored file and accepts it only when it describes a game this
// program could have played; nothing about the current game is touched.
LoadResult DecodeSavedGame(const std::vector<uint8_t>& stored);

// The checks, each giving "" when the game passes, else the reason.
// The header: board size, turn indices within the record's room, the view
// within the board.
std::string HeaderProblem(const SavedGame& game);
