// Writes the fuzzer's seed games into a folder: one of every kind of game the
// loader must take, so that mutations start from wins, full boards, turns
// taken back and the largest board rather than from two turns alone.
// Usage: savedgame_seeds FOLDER
#include "SampleGames.h"
#include "SavedGameCodec.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool Write(const std::string& folder, const char* name, const SavedGame& game)
{
    const std::vector<uint8_t> bytes = ToStoredForm(EncodeSavedGame(game));
    if (const LoadResult r = DecodeSavedGame(bytes); r.refusal != Refusal::None)
        return std::fprintf(stderr, "seed %s is no game the loader takes: %s\n", name, r.reason.c_str()),
               false;
    std::ofstream(folder + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: savedgame_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const SavedGame won = SelfPlayed(20, 20, 200);
    SavedGame takenBack = won;
    takenBack.currentTurn = takenBack.lastTurn - 3;
    SavedGame large = SelfPlayed(100, 100, 30);
    large.view.scrollX = 60;
    large.view.scrollY = 80;
    SavedGame started = SelfPlayed(11, 7, 3);
    started.clock = 0;
    bool ok = Write(folder, "won.hra", won) && Write(folder, "taken-back.hra", takenBack)
        && Write(folder, "full-board.hra", FilledWithoutFive(10, 5))
        && Write(folder, "full-odd-board.hra", FilledWithoutFive(11, 5)) && Write(folder, "large.hra", large)
        && Write(folder, "not-started.hra", started);
    return ok ? 0 : 1;
}
