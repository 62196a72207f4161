// Any bytes at all may be opened as a saved game. What the loader accepts
// must replay into an engine whose bookkeeping is exact, and must save back
// to the same game.
#include "SavedGameCodec.h"
#include "engine/Recount.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const LoadResult loaded = DecodeSavedGame(std::vector<uint8_t>(data, data + size));
    if (loaded.refusal != Refusal::None)
        return 0;
    const SavedGame& g = loaded.game;
    auto expect = [](bool ok, const char* what) {
        if (!ok)
            std::fprintf(stderr, "accepted file breaks: %s\n", what), std::abort();
    };
    // The moves the board replays: the human's, then the reply the turn holds.
    CEngine e;
    InitBoard(e, g.width, g.height);
    for (int32_t i = 0; i <= g.currentTurn; ++i) {
        const TurnRecord& t = g.record[size_t(i)];
        const bool holdsReply = i < g.lastTurn || g.lastHasReply;
        for (const Stone& s : {Stone {t.humanX, t.humanY, Human}, Stone {t.replyX, t.replyY, Computer}}) {
            if (s.player == Computer && !holdsReply)
                break;
            expect(s.x < g.width && s.y < g.height && e.CellAt(s.x, s.y)->owner == Nobody,
                "a move off the board or on a stone");
            e.Place(s.player, e.CellAt(s.x, s.y));
        }
    }
    e.CheckOutcome();
    expect(RecountMismatch(e).empty(), "engine bookkeeping");
    const LoadResult again = DecodeSavedGame(ToStoredForm(EncodeSavedGame(g)));
    expect(again.refusal == Refusal::None && again.game == g, "save and load again");
    return 0;
}
