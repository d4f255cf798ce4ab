// Reading a TaskData of thousands of guidance patterns, each in two copies as
// farm software often leaves them: the time per pattern must not grow with
// the file (Complexity reports the fit; O(N) is the goal).

#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "exchange/import_lines.h"

using namespace swathkit;

static void ReadTaskDataPatterns(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::string xml = R"(<ISO11783_TaskData VersionMajor="4"><PFD A="F"><GGP A="G">)";
    for (int copy = 0; copy < 2; ++copy)
        for (int i = 0; i < count; ++i)
            xml += R"(<GPN A="N)" + std::to_string(i) + R"(" B="7" C="2" G="1"><LSG A="5">)" +
                   R"(<PNT A="6" C="1" D="2"/></LSG></GPN>)";
    xml += "</GGP></PFD></ISO11783_TaskData>";
    for (auto _ : state) {
        auto read = ReadTaskData(xml);
        benchmark::DoNotOptimize(read);
        if (std::get<ImportResult>(read).Lines.size() != static_cast<std::size_t>(count))
            state.SkipWithError("patterns lost");
    }
    state.SetComplexityN(count);
}
BENCHMARK(ReadTaskDataPatterns)->RangeMultiplier(2)->Range(5000, 40000)->Complexity();
