// The benchmark's main: the console report with every time also given as a
// ratio to one plain pass over the fives of a 100 x 100 board, measured in
// the same run, so that figures from different machines and loads compare.
// CPU time, since the machines we measure on are often shared. Reports that
// carry counters are sizes, not speeds, and get no ratio.
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

class PassRatioReporter : public benchmark::ConsoleReporter {
public:
    PassRatioReporter() : ConsoleReporter(OO_Tabular) { }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        std::vector<Run> withRatios = runs;
        for (Run& run : withRatios) {
            const double seconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.run_name.function_name == "BM_PlainPass")
                passSeconds = seconds;
            if (passSeconds <= 0 || run.run_type != Run::RT_Iteration || !run.counters.empty())
                continue;
            char ratio[48];
            std::snprintf(ratio, sizeof ratio, "%.3g passes", seconds / passSeconds);
            run.report_label = run.report_label.empty() ? ratio : run.report_label + "; " + ratio;
        }
        ConsoleReporter::ReportRuns(withRatios);
    }

private:
    double passSeconds = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    PassRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
