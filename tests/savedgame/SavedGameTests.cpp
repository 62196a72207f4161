// Saved games as bytes: the stored form, a known file, and every refusal.
#include "SavedGame.h"

#include <doctest/doctest.h>

#include <initializer_list>

namespace {

using Bytes = std::vector<uint8_t>;

// A 20 x 20 game of the given complete turns, all on the board.
SavedGame Game(std::initializer_list<TurnRecord> turns, uint32_t w = 20, uint32_t h = 20)
{
    SavedGame g;
    g.width = w;
    g.height = h;
    g.record = turns;
    g.lastTurn = g.currentTurn = int32_t(g.record.size()) - 1;
    g.lastHasHuman = g.lastHasReply = g.record.empty() ? 0 : 1;
    g.visibleCols = w;
    g.visibleRows = h;
    return g;
}

Bytes Stored(const SavedGame& g)
{
    return ToStoredForm(EncodeSavedGame(g));
}

Refusal RefusalOf(const Bytes& stored)
{
    return DecodeSavedGame(stored).refusal;
}

// The human's row (3..7, 5) with the computer's replies on row 9.
SavedGame HumanWins()
{
    SavedGame g = Game({{3, 5, 3, 9}, {4, 5, 4, 9}, {5, 5, 5, 9}, {6, 5, 6, 9}, {7, 5, 0, 0}});
    g.lastHasReply = 0;
    return g;
}

}  // namespace

TEST_CASE("the stored form doubles every line feed and nothing else")
{
    CHECK(ToStoredForm({0x0A}) == Bytes {0x0D, 0x0A});
    CHECK(ToStoredForm({0x0D, 0x0A}) == Bytes {0x0D, 0x0D, 0x0A});
    CHECK(ToStoredForm({0x1A, 0x0D, 0x00}) == Bytes {0x1A, 0x0D, 0x00});
    CHECK(FromStoredForm({0x0D, 0x0D, 0x0A}) == Bytes {0x0D, 0x0A});
    CHECK(FromStoredForm({0x0D, 0x41, 0x0D}) == Bytes {0x0D, 0x41, 0x0D});
    CHECK(FromStoredForm({0x0A}) == Bytes {0x0A});

    for (const Bytes& logical : {Bytes {}, Bytes {0x0A, 0x0A}, Bytes {0x0D},
             Bytes {0x0D, 0x0A, 0x0D, 0x0D, 0x0A}, Bytes {0x1A, 0x0A, 0x1A}, Bytes {0x0D, 0x0D}})
        CHECK(FromStoredForm(ToStoredForm(logical)) == logical);
}

TEST_CASE("round trips: values holding 0x0A, 0x0D and 0x1A, and a 10-column board")
{
    // Column 10 is 0x0A, column 13 is 0x0D, row 26 is 0x1A; a clock of
    // 0x0A0D makes a 0x0D stand before a 0x0A in the logical stream.
    SavedGame g = Game({{10, 13, 26, 10}, {13, 26, 10, 10 + 16}, {0, 0, 9, 4}}, 30, 40);
    g.clock = 0x0A0D;
    g.currentTurn = 1;
    g.scrollX = 10;
    g.visibleCols = 20;
    const LoadResult back = DecodeSavedGame(Stored(g));
    REQUIRE(back.refusal == Refusal::None);
    CHECK(back.game == g);
    CHECK(Stored(back.game) == Stored(g));

    SavedGame narrow = Game({{9, 4, 0, 0}}, 10, 5);
    const Bytes stored = Stored(narrow);
    // The width and the visible columns each begin with the byte 0x0A.
    CHECK(stored.size() == EncodeSavedGame(narrow).size() + 2);
    const LoadResult narrowBack = DecodeSavedGame(stored);
    REQUIRE(narrowBack.refusal == Refusal::None);
    CHECK(narrowBack.game == narrow);
}

TEST_CASE("a known file: two turns on 20 x 20, written out byte by byte")
{
    SavedGame g = Game({{10, 10, 9, 9}, {11, 11, 12, 12}});
    g.clock = 26;
    const Bytes expected = {
        'H', 'R', 'A', 0x06, 0x01,  // magic, version
        0x14, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00,  // 20 x 20
        0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,  // current turn 1, last turn 1
        0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,  // last turn holds both moves
        0x1A, 0x00, 0x00, 0x00,  // clock: 26 half seconds
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // scrolled to 0, 0
        0x14, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00,  // 20 x 20 shown
        0x0D, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x0A, 0x00, 0x00, 0x00,  // human (10,10)
        0x09, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00,  // reply (9,9)
        0x0B, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00,  // human (11,11)
        0x0C, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00,  // reply (12,12)
    };
    CHECK(Stored(g) == expected);
    const LoadResult back = DecodeSavedGame(expected);
    REQUIRE(back.refusal == Refusal::None);
    CHECK(back.game == g);
}

TEST_CASE("games the program writes load back: empty, won, with taken-back turns")
{
    const SavedGame empty = Game({});
    const Bytes stored = Stored(empty);
    CHECK(stored.size() == 49);
    CHECK(DecodeSavedGame(stored).refusal == Refusal::None);

    SavedGame won = HumanWins();
    CHECK(DecodeSavedGame(Stored(won)).refusal == Refusal::None);
    won.currentTurn = 3;  // the winning move taken back
    CHECK(DecodeSavedGame(Stored(won)).refusal == Refusal::None);

    SavedGame undone = Game({{10, 10, 9, 9}, {11, 11, 12, 12}, {1, 1, 2, 2}});
    undone.currentTurn = -1;
    const LoadResult back = DecodeSavedGame(Stored(undone));
    REQUIRE(back.refusal == Refusal::None);
    CHECK(back.game == undone);

    // Bytes after the announced record are not part of the game.
    Bytes longer = Stored(undone);
    longer.push_back(0x42);
    CHECK(DecodeSavedGame(longer).refusal == Refusal::None);
}

TEST_CASE("magic and version: which message a foreign file gets")
{
    const Bytes good = Stored(Game({{10, 10, 9, 9}}));
    Bytes lower = good;
    lower[0] = 'h', lower[1] = 'r', lower[2] = 'a';
    CHECK(RefusalOf(lower) == Refusal::NotSavedGame);
    Bytes swapped = good;
    std::swap(swapped[3], swapped[4]);
    CHECK(RefusalOf(swapped) == Refusal::OtherVersion);
    CHECK(RefusalOf({}) == Refusal::NotSavedGame);
    CHECK(RefusalOf({'H', 'R'}) == Refusal::NotSavedGame);
    CHECK(RefusalOf({'H', 'R', 'A'}) == Refusal::OtherVersion);
    CHECK(RefusalOf({'H', 'R', 'A', 0x06}) == Refusal::OtherVersion);
    CHECK(RefusalOf({'H', 'R', 'A', 0x06, 0x01}) == Refusal::NotSavedGame);
}

TEST_CASE("files that break a limit or hold an impossible game are refused as damaged")
{
    const Bytes good = Stored(Game({{10, 10, 9, 9}, {11, 11, 12, 12}}));
    for (size_t cut = 5; cut < good.size(); ++cut) {
        CAPTURE(cut);
        CHECK(RefusalOf(Bytes(good.begin(), good.begin() + long(cut))) == Refusal::NotSavedGame);
    }

    auto refused = [](SavedGame g) {
        const LoadResult r = DecodeSavedGame(Stored(g));
        INFO("reason: " << r.reason);
        return r.refusal == Refusal::NotSavedGame;
    };
    const SavedGame base = Game({{10, 10, 9, 9}, {11, 11, 12, 12}});
    SavedGame g;

    g = base, g.width = 9, g.visibleCols = 9;
    CHECK(refused(g));
    g = base, g.width = 101;
    CHECK(refused(g));
    g = base, g.height = 4, g.visibleRows = 4;
    CHECK(refused(g));
    g = base, g.height = 101;
    CHECK(refused(g));
    g = base, g.currentTurn = -2;
    CHECK(refused(g));
    g = base, g.currentTurn = 2;
    CHECK(refused(g));
    g = base, g.visibleCols = 0;
    CHECK(refused(g));
    g = base, g.scrollX = 1;
    CHECK(refused(g));
    g = base, g.scrollY = 0xFFFFFFFF, g.visibleRows = 1;
    CHECK(refused(g));
    g = base, g.visibleRows = 21;
    CHECK(refused(g));

    // 10 x 5 holds 25 turns at most.
    g = Game({}, 10, 5);
    g.lastTurn = 25;
    g.record.resize(26);
    CHECK(refused(g));

    g = base, g.record[1].replyX = 20;  // off the board
    CHECK(refused(g));
    g = base, g.record[1].humanY = 0xFFFFFFFF;
    CHECK(refused(g));
    g = base, g.record[1].replyX = 10, g.record[1].replyY = 10;  // on the human's stone
    CHECK(refused(g));
    g = base, g.record[0].replyX = 10, g.record[0].replyY = 10;  // on its own turn's move
    CHECK(refused(g));
    g = base, g.currentTurn = 0, g.record[1].humanX = 9, g.record[1].humanY = 9;  // a taken-back turn
    CHECK(refused(g));
    g = base, g.lastHasHuman = 0;
    CHECK(refused(g));
    g = base, g.lastHasReply = 0;  // the game went on, so the reply must be there
    CHECK(refused(g));

    g = HumanWins(), g.lastHasReply = 1, g.record[4].replyX = 0, g.record[4].replyY = 19;
    CHECK(refused(g));  // a reply after the human's five
    g = HumanWins(), g.lastHasReply = 1;
    g.record.push_back({15, 15, 16, 16}), g.lastTurn = g.currentTurn = 5;
    CHECK(refused(g));  // a turn after the game ended
}
