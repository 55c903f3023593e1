// Runs the model benchmarks and, after the usual table, prints how many
// times faster the program's count is than the literal one on each game.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            std::string name = run.benchmark_name();
            name = name.substr(0, name.find("/iterations:"));
            // The processor time of the one thread, which other programs on
            // the machine do not stretch as they stretch the wall clock.
            const double seconds = run.GetAdjustedCPUTime();
            if (name.rfind("Fast/", 0) == 0) fast[name.substr(5)] = seconds;
            if (name.rfind("Literal/", 0) == 0) literal[name.substr(8)] = seconds;
        }
    }
    void PrintRatios() const {
        std::printf("\nliteral / fast (same games, same options; processor time):\n");
        for (const auto& [game, literalTime] : literal)
            if (auto f = fast.find(game); f != fast.end() && f->second > 0)
                std::printf("  %-40s %8.1fx\n", game.c_str(), literalTime / f->second);
    }

private:
    std::map<std::string, double> fast, literal;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
