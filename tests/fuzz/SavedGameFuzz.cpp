// Any bytes at all may be opened as a saved game. Whatever the loader
// accepts must replay into an engine whose bookkeeping is exact, and must
// save back to the same game.
#include "SavedGame.h"
#include "engine/Recount.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Expect(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "accepted file breaks: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> stored(data, data + size);
    const LoadResult loaded = DecodeSavedGame(stored);
    if (loaded.refusal != Refusal::None)
        return 0;
    const SavedGame& g = loaded.game;

    // Replay what the board would put on screen.
    CEngine e;
    InitBoard(e, g.width, g.height);
    for (int32_t i = 0; i <= g.currentTurn; ++i) {
        const TurnRecord& t = g.record[size_t(i)];
        const bool last = i == g.lastTurn;
        Expect(e.CellAt(t.humanX, t.humanY)->owner == Nobody, "human move on a stone");
        e.Place(Human, e.CellAt(t.humanX, t.humanY));
        if (!last || g.lastHasReply) {
            Expect(e.CellAt(t.replyX, t.replyY)->owner == Nobody, "reply on a stone");
            e.Place(Computer, e.CellAt(t.replyX, t.replyY));
        }
    }
    e.CheckOutcome();
    Expect(RecountMismatch(e).empty(), "engine bookkeeping");
    if (e.state == InPlay || e.state == NotStarted)
        Expect(e.ChooseMove(Computer)->owner == Nobody, "a reply on a stone");

    const std::vector<uint8_t> again = ToStoredForm(EncodeSavedGame(g));
    const LoadResult reloaded = DecodeSavedGame(again);
    Expect(reloaded.refusal == Refusal::None && reloaded.game == g, "save and load again");
    return 0;
}
