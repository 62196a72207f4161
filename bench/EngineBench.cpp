// How fast the engine answers, on the default board and on the largest one.
#include "SelfPlay.h"
#include "engine/Ladder.h"

#include <benchmark/benchmark.h>

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

// Position at the start (after the first turn), the middle, or the end (one
// move before the last) of the self-played game.
void SetUpPhase(CEngine& e, uint32_t size, int phase)
{
    const auto& game = GameOf(size);
    const size_t moves = phase == 0 ? 2 : phase == 1 ? game.size() / 2 : game.size() - 1;
    ReplayPrefix(e, size, size, game, moves & ~size_t(1));
}

const char* PhaseName(int phase)
{
    return phase == 0 ? "start" : phase == 1 ? "middle" : "end";
}

void BM_ChooseMove(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    const int phase = int(state.range(1));
    CEngine e;
    SetUpPhase(e, size, phase);
    for (auto _ : state)
        benchmark::DoNotOptimize(e.ChooseMove(Computer));
    state.SetLabel(
        std::string(PhaseName(phase)) + ", " + std::to_string(size * size - e.freeCells) + " stones");
}
BENCHMARK(BM_ChooseMove)->ArgsProduct({{20, 100}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);

// The same choice made rule by rule, one scan per rule: what the single scan saves.
void BM_ChooseMoveRuleByRule(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    const int phase = int(state.range(1));
    CEngine e;
    SetUpPhase(e, size, phase);
    for (auto _ : state)
        benchmark::DoNotOptimize(Ladder(e, Computer));
    state.SetLabel(PhaseName(phase));
}
BENCHMARK(BM_ChooseMoveRuleByRule)->ArgsProduct({{20, 100}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);

void BM_PlaceRemove(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    CEngine e;
    SetUpPhase(e, size, 1);
    Cell* c = e.ChooseMove(Computer);
    for (auto _ : state) {
        e.Place(Computer, c);
        e.Remove(c);
    }
    benchmark::DoNotOptimize(e.cells.get());
}
BENCHMARK(BM_PlaceRemove)->Arg(20)->Arg(100);

void BM_CheckOutcome(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    CEngine e;
    SetUpPhase(e, size, 1);
    for (auto _ : state) {
        e.CheckOutcome();
        benchmark::DoNotOptimize(e.state);
    }
}
BENCHMARK(BM_CheckOutcome)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);

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

// Not a speed: the bytes that Init allocates, reported as counters.
void BM_EngineMemory(benchmark::State& state)
{
    const auto size = uint32_t(state.range(0));
    CEngine e;
    for (auto _ : state) {
        e.width = e.height = size;
        e.Init();
    }
    state.counters["cells_bytes"] = double(sizeof(Cell)) * size * size;
    state.counters["fives_bytes"] = double(sizeof(Five)) * e.numFives;
    state.counters["total_KiB"] =
        (double(sizeof(Cell)) * size * size + double(sizeof(Five)) * e.numFives) / 1024;
}
BENCHMARK(BM_EngineMemory)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
