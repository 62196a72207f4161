// Saved games as bytes: the stored form, one file byte by byte, the games the
// program writes, and every check that keeps a foreign or damaged file out.
#include "SampleGames.h"
#include "SavedGameCodec.h"

#include <doctest/doctest.h>

#include <functional>

namespace {

using Bytes = std::vector<uint8_t>;

// A w x h game of these complete turns, the last one shown, the board shown whole.
SavedGame Game(std::vector<TurnRecord> turns, uint32_t w = 20, uint32_t h = 20)
{
    SavedGame g;
    g.width = w, g.height = h, g.view.visibleCols = w, g.view.visibleRows = h;
    g.record = std::move(turns);
    g.lastTurn = g.currentTurn = int32_t(g.record.size()) - 1;
    g.lastHasHuman = g.lastHasReply = !g.record.empty();
    return g;
}

Bytes Stored(const SavedGame& g)
{
    return ToStoredForm(EncodeSavedGame(g));
}

}  // namespace

TEST_CASE("the stored form doubles every line feed and nothing else")
{
    const std::vector<std::pair<Bytes, Bytes>> logicalAndStored = {{{}, {}}, {{0x0A}, {0x0D, 0x0A}},
        {{0x0D, 0x0A}, {0x0D, 0x0D, 0x0A}}, {{0x0A, 0x0A, 0x0D}, {0x0D, 0x0A, 0x0D, 0x0A, 0x0D}},
        {{0x1A, 0x0D, 0x00, 0x0D, 0x41, 0x0D, 0x0D}, {0x1A, 0x0D, 0x00, 0x0D, 0x41, 0x0D, 0x0D}}};
    for (const auto& [logical, stored] : logicalAndStored) {
        CHECK(ToStoredForm(logical) == stored);
        CHECK(FromStoredForm(stored) == logical);
    }
    CHECK(FromStoredForm({0x41, 0x0A}) == Bytes {0x41, 0x0A});
}

TEST_CASE("a known file: two turns on 20 x 20, byte by byte")
{
    SavedGame g = Game({{10, 10, 9, 9}, {11, 11, 12, 12}});
    g.clock = 26;
    const Bytes file = {'H', 'R', 'A', 0x06, 0x01,  // magic, version
        0x14, 0, 0, 0, 0x14, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,  // 20 x 20, current and last turn 1
        1, 0, 0, 0, 1, 0, 0, 0, 0x1A, 0, 0, 0,  // the last turn holds both moves; 26 half seconds
        0, 0, 0, 0, 0, 0, 0, 0, 0x14, 0, 0, 0, 0x14, 0, 0, 0,  // scrolled to 0, 0; 20 x 20 shown
        0x0D, 0x0A, 0, 0, 0, 0x0D, 0x0A, 0, 0, 0, 9, 0, 0, 0, 9, 0, 0, 0,  // (10,10), reply (9,9)
        0x0B, 0, 0, 0, 0x0B, 0, 0, 0, 0x0C, 0, 0, 0, 0x0C, 0, 0, 0};  // (11,11), reply (12,12)
    CHECK(Stored(g) == file);
    CHECK(DecodeSavedGame(file).game == g);
}

TEST_CASE("every game the program can write loads back as it was")
{
    SavedGame bytes = Game({{10, 13, 26, 10}, {13, 26, 10, 26}, {0, 0, 9, 4}}, 30, 40);
    bytes.clock = 0x0A0D, bytes.currentTurn = 1, bytes.view.scrollX = 10, bytes.view.visibleCols = 20;
    SavedGame wonTakenBack = WonAcrossTheTop(20, 20),
              allTakenBack = Game({{10, 10, 9, 9}, {11, 11, 12, 12}, {13, 13, 14, 14}});
    wonTakenBack.currentTurn = 3, allTakenBack.currentTurn = -1;
    SavedGame corner = Game({}, 100, 100);
    corner.view.scrollX = 99, corner.view.visibleCols = 1, corner.view.scrollY = 4,
    corner.view.visibleRows = 96;

    for (const SavedGame& g : {Game({}), bytes, Game({{9, 4, 0, 0}}, 10, 5), WonAcrossTheTop(20, 20),
             wonTakenBack, allTakenBack, ComputerWon(), FilledWithoutFive(11, 5), corner}) {
        const LoadResult back = DecodeSavedGame(Stored(g));
        INFO(g.width << " x " << g.height << ", " << g.lastTurn + 1 << " turns: " << back.reason);
        CHECK(back.refusal == Refusal::None);
        CHECK(back.game == g);
    }
    Bytes longer = Stored(Game({{10, 10, 9, 9}}));
    longer.push_back(0x42);  // not part of the game
    CHECK(DecodeSavedGame(longer).refusal == Refusal::None);
}

TEST_CASE("a foreign file gets the message for it, a cut one is damaged")
{
    const Bytes good = Stored(Game({{10, 10, 9, 9}, {11, 11, 12, 12}}));
    auto with = [&](size_t at, uint8_t a, uint8_t b) {
        Bytes changed = good;
        changed[at] = a, changed[at + 1] = b;
        return changed;
    };
    const std::vector<std::pair<Bytes, Refusal>> files = {{with(0, 'h', 'r'), Refusal::NotSavedGame},
        {with(1, 'R', 'a'), Refusal::NotSavedGame}, {with(3, 0x01, 0x06), Refusal::OtherVersion},
        {with(3, 0x06, 0x02), Refusal::OtherVersion}, {{}, Refusal::NotSavedGame},
        {{'H', 'R'}, Refusal::NotSavedGame}, {{'H', 'R', 'A'}, Refusal::OtherVersion},
        {{'H', 'R', 'A', 0x06}, Refusal::OtherVersion}};
    for (const auto& [file, refusal] : files)
        CHECK(DecodeSavedGame(file).refusal == refusal);
    for (size_t cut = 5; cut < good.size(); ++cut)
        CHECK(
            DecodeSavedGame(Bytes(good.begin(), good.begin() + long(cut))).refusal == Refusal::NotSavedGame);
}

TEST_CASE("a file beyond a limit, or of a game this program could not have played, is damaged")
{
    const std::vector<std::function<void(SavedGame&)>> breaks = {
        [](SavedGame& g) { g.width = g.view.visibleCols = 9; }, [](SavedGame& g) { g.width = 101; },
        [](SavedGame& g) { g.height = g.view.visibleRows = 4; }, [](SavedGame& g) { g.height = 101; },
        [](SavedGame& g) { g.currentTurn = -2; }, [](SavedGame& g) { g.currentTurn = 2; },
        [](SavedGame& g) { g.view.visibleCols = 0; }, [](SavedGame& g) { g.view.scrollX = 1; },
        [](SavedGame& g) { g.view.scrollX = 0xFFFFFFFF, g.view.visibleCols = 1; },
        [](SavedGame& g) { g.view.visibleRows = 0; }, [](SavedGame& g) { g.view.visibleRows = 21; },
        [](SavedGame& g) { g.view.scrollY = 0xFFFFFFFF, g.view.visibleRows = 1; },
        [](SavedGame& g) { g.record[1].humanY = 20; }, [](SavedGame& g) { g.record[1].replyX = 30; },
        [](SavedGame& g) { g.record[1].humanX = 1; },  // on its own earlier stone
        [](SavedGame& g) { g.record[1].replyX = 2, g.record[1].replyY = 1; },  // on this turn's move
        [](SavedGame& g) { g.currentTurn = 0, g.record[1].humanX = 0, g.record[1].humanY = 0; },
        [](SavedGame& g) { g.lastHasHuman = 0; },
        [](SavedGame& g) { g.lastHasReply = 0; },  // though the game went on
        [](SavedGame& g) { g = WonAcrossTheTop(30, 20), g.lastHasReply = 1, g.record[4].replyY = 19; },
        [](SavedGame& g) {
            g = ComputerWon(), g.record.push_back({1, 1, 0, 0}), g.lastTurn = 5, g.lastHasReply = 0;
        }};
    for (size_t i = 0; i < breaks.size(); ++i) {
        SavedGame g = Game({{1, 1, 0, 0}, {2, 1, 3, 3}}, 30, 20);
        breaks[i](g);
        const LoadResult r = DecodeSavedGame(Stored(g));
        INFO("case " << i << ": " << r.reason);
        CHECK(r.refusal == Refusal::NotSavedGame);
    }
}
