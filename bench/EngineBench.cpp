// How fast the engine answers, on the default board and on the largest one.
// Every figure is also printed as a ratio to BM_PlainPass (see PassRatio.cpp),
// which therefore runs first.
#include "HeapCount.h"
#include "SelfPlay.h"
#include "engine/Ladder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

namespace {

// Self-played games are deterministic; play each size once.
const std::vector<const Cell*>& GameOf(uint32_t size)
{
    static std::map<uint32_t, std::pair<CEngine, std::vector<const Cell*>>> games;
    auto& entry = games[size];
    if (entry.second.empty())
        entry.second = SelfPlayedGame(entry.first, size, size);
    return entry.second;
}

// The position of the game whose ChooseMove, for the side to move, took
// longest in a quick timing of every position; found once per size.
size_t SlowestPosition(uint32_t size)
{
    static std::map<uint32_t, size_t> found;
    if (auto known = found.find(size); known != found.end())
        return known->second;
    const auto& game = GameOf(size);
    CEngine e;
    ReplayPrefix(e, size, size, game, 0);
    size_t slowest = 0;
    auto longest = std::chrono::steady_clock::duration::zero();
    for (size_t k = 0; k < game.size(); ++k) {
        const Player side = k % 2 == 0 ? Human : Computer;
        auto fastest = std::chrono::steady_clock::duration::max();
        for (int batch = 0; batch < 5; ++batch) {
            const auto start = std::chrono::steady_clock::now();
            for (int call = 0; call < 20; ++call)
                benchmark::DoNotOptimize(e.ChooseMove(side));
            fastest = std::min(fastest, std::chrono::steady_clock::now() - start);
        }
        if (fastest > longest) {
            longest = fastest;
            slowest = k;
        }
        e.Place(side, e.CellAt(game[k]->x, game[k]->y));
    }
    return found[size] = slowest;
}

enum Phase { Start, Middle, End, Slowest, Over };

// Sets e to a position of the self-played game and returns the side to move:
// after the first turn, half-way, one turn before the end, the slowest
// position for ChooseMove, or the finished game.
Player SetUpPhase(CEngine& e, uint32_t size, int64_t phase)
{
    const auto& game = GameOf(size);
    size_t moves = game.size();
    switch (phase) {
    case Start: moves = 2; break;
    case Middle: moves = (game.size() / 2) & ~size_t(1); break;
    case End: moves = (game.size() - 1) & ~size_t(1); break;
    case Slowest: moves = SlowestPosition(size); break;
    }
    ReplayPrefix(e, size, size, game, moves);
    return moves % 2 == 0 ? Human : Computer;
}

const char* PhaseName(int64_t phase)
{
    const char* names[] = {"start", "middle", "end", "slowest", "over"};
    return names[phase];
}

std::string Label(const CEngine& e, int64_t phase)
{
    return std::string(PhaseName(phase)) + ", " + std::to_string(e.width * e.height - e.freeCells)
        + " stones";
}

// The yardstick: one pass that reads every five of a 100 x 100 board.
void BM_PlainPass(benchmark::State& state)
{
    CEngine e;
    SetUpPhase(e, 100, Middle);
    for (auto _ : state) {
        int32_t sum = 0;
        for (uint32_t i = 0; i < e.numFives; ++i)
            sum += e.fives[i].owner + e.fives[i].count;
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel(std::to_string(e.numFives) + " fives");
}
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMicrosecond);

void BM_ChooseMove(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    CEngine e;
    const Player side = SetUpPhase(e, size, state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(e.ChooseMove(side));
    state.SetLabel(Label(e, state.range(1)));
}
BENCHMARK(BM_ChooseMove)
    ->ArgsProduct({{20, 100}, {Start, Middle, End, Slowest}})
    ->Unit(benchmark::kMicrosecond);

// The same choice made by the literal ladder, one scan per rule.
void BM_ChooseMoveRuleByRule(benchmark::State& state)
{
    CEngine e;
    const Player side = SetUpPhase(e, 100, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Ladder(e, side));
    state.SetLabel(Label(e, state.range(0)));
}
BENCHMARK(BM_ChooseMoveRuleByRule)->DenseRange(Start, Slowest)->Unit(benchmark::kMicrosecond);

void BM_PlaceRemove(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    CEngine e;
    const Player side = SetUpPhase(e, size, Middle);
    Cell* c = e.ChooseMove(side);
    for (auto _ : state) {
        e.Place(side, c);
        e.Remove(c);
    }
    benchmark::DoNotOptimize(e.cells.get());
}
BENCHMARK(BM_PlaceRemove)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);

// In the middle of the game, with no five, and once the game is won.
void BM_CheckOutcome(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    CEngine e;
    SetUpPhase(e, size, state.range(1));
    for (auto _ : state) {
        e.CheckOutcome();
        benchmark::DoNotOptimize(e.state);
    }
    state.SetLabel(Label(e, state.range(1)));
}
BENCHMARK(BM_CheckOutcome)->ArgsProduct({{20, 100}, {Middle, Over}})->Unit(benchmark::kMicrosecond);

void BM_WholeSelfPlayedGame(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    CEngine e;
    size_t moves = 0;
    for (auto _ : state)
        moves = SelfPlayedGame(e, size, size).size();
    state.SetLabel(std::to_string(moves) + " moves");
}
BENCHMARK(BM_WholeSelfPlayedGame)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

// Init again on an engine that had the board already (a new game), and on a
// fresh engine, whose memory the system has yet to hand over page by page.
void BM_Init(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    const bool fresh = state.range(1) != 0;
    CEngine reused;
    for (auto _ : state) {
        if (fresh) {
            CEngine e;
            e.width = e.height = size;
            e.Init();
            benchmark::DoNotOptimize(e.cells.get());
        } else {
            reused.width = reused.height = size;
            reused.Init();
        }
    }
    state.SetLabel(fresh ? "fresh engine" : "reused engine");
}
BENCHMARK(BM_Init)->ArgsProduct({{20, 100}, {0, 1}})->Unit(benchmark::kMicrosecond);

// Not a speed: the bytes that Init allocates on a fresh engine.
void BM_EngineMemory(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    size_t bytes = 0;
    for (auto _ : state) {
        CEngine e;
        e.width = e.height = size;
        const size_t before = HeapBytesRequested();
        e.Init();
        bytes = HeapBytesRequested() - before;
    }
    state.counters["bytes"] = double(bytes);
    state.counters["MiB"] = double(bytes) / (1024 * 1024);
}
BENCHMARK(BM_EngineMemory)->Arg(20)->Arg(100)->Iterations(3);

}  // namespace
