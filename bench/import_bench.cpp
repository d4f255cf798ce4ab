// The line readers against their goals: time linear in the file (Complexity
// reports the fit; O(N) is the goal), and peak memory under ten times the
// file's size, whatever the file holds. Memory is counted by the allocator
// itself: every block taken while a read runs, at its usable size, so the
// figure is the read's own and not the benchmark's.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>

#include "exchange/import_lines.h"

namespace {

std::atomic<std::size_t> allocated{0};
std::atomic<std::size_t> peakAllocated{0};

void Took(void* block) {
    if (block == nullptr)
        return;
    const std::size_t now = allocated += malloc_usable_size(block);
    std::size_t peak = peakAllocated.load(std::memory_order_relaxed);
    while (now > peak && !peakAllocated.compare_exchange_weak(peak, now)) {
    }
}

void Gave(void* block) {
    if (block != nullptr)
        allocated -= malloc_usable_size(block);
}

}  // namespace

// glibc's allocator under its own names, with every block counted on the way.
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);

void* malloc(std::size_t size) {
    void* block = __libc_malloc(size);
    Took(block);
    return block;
}
void* calloc(std::size_t count, std::size_t size) {
    void* block = __libc_calloc(count, size);
    Took(block);
    return block;
}
void* realloc(void* old, std::size_t size) {
    Gave(old);
    void* block = __libc_realloc(old, size);
    Took(block != nullptr ? block : (size != 0 ? old : nullptr));
    return block;
}
void free(void* block) {
    Gave(block);
    __libc_free(block);
}
void* memalign(std::size_t alignment, std::size_t size) {
    void* block = __libc_memalign(alignment, size);
    Took(block);
    return block;
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
    return memalign(alignment, size);
}
int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
    *out = memalign(alignment, size);
    return *out != nullptr ? 0 : 12;  // ENOMEM
}
}

using namespace swathkit;
namespace fs = std::filesystem;

namespace {

std::string Repeated(const std::string& text, std::size_t bytes) {
    std::string all;
    all.reserve(bytes + text.size());
    while (all.size() < bytes) all += text;
    return all;
}

constexpr std::size_t kNearLimit = 63u << 20;  // the largest a reader takes
constexpr std::size_t kReal = 6u << 20;

// Lines written as this program's exports write them, without the blanks.
const char* kPlacemark =
    "<Placemark><name>12</name><ExtendedData><Data name=\"heading\"><value>45.0000</value>"
    "</Data></ExtendedData><LineString><tessellate>1</tessellate><coordinates>"
    "-93.656228000,41.122184000,0 -93.654321000,41.123456000,0 -93.652414000,41.124728000,0"
    "</coordinates></LineString></Placemark>";
const char* kFeature =
    R"({"type":"Feature","properties":{"field":12,"kind":"straight","heading":45.0,)"
    R"("point":[-93.654321,41.123456]},"geometry":{"type":"LineString","coordinates":)"
    R"([[-93.656228,41.122184],[-93.654321,41.123456],[-93.652414,41.124728]]}},)";

struct Case {
    const char* file;
    std::string (*text)();
};

const Case kCases[] = {
    {"empty-elements.kml", [] { return "<kml>" + Repeated("<a/>", kNearLimit - 12) + "</kml>"; }},
    {"empty-lists.geojson",
     [] {
         return R"({"type":"FeatureCollection","features":[)" + Repeated("[],", kNearLimit) +
                "[]]}";
     }},
    {"empty-objects.geojson",
     [] {
         return R"({"type":"FeatureCollection","features":[)" + Repeated("{},", kNearLimit) +
                "{}]}";
     }},
    {"one-long-line.geojson",
     [] {
         return R"({"type":"Feature","geometry":{"type":"LineString","coordinates":[)" +
                Repeated("[-93.123456789,41.123456789],", kReal) + "[1,2]]}}";
     }},
    {"lines.kml",
     [] { return "<kml><Document>" + Repeated(kPlacemark, kReal) + "</Document></kml>"; }},
    {"lines.geojson",
     [] {
         return R"({"type":"FeatureCollection","features":[)" + Repeated(kFeature, kReal) + "{}]}";
     }},
    {"TASKDATA.XML",
     [] {
         return R"(<ISO11783_TaskData VersionMajor="4"><PFD A="F"><GGP A="G">)" +
                Repeated(
                    R"(<GPN B="7" C="2" G="1"><LSG A="5"><PNT A="6" C="1" D="2"/></LSG></GPN>)",
                    kReal) +
                "</GGP></PFD></ISO11783_TaskData>";
     }},
};

// One file of each kind read whole; counters: the file's size in MiB, the
// read's peak in MiB and in times the file, lines and left-out rows kept,
// and whether the file was refused.
void PeakMemory(benchmark::State& state) {
    const Case& one = kCases[state.range(0)];
    const fs::path path =
        fs::temp_directory_path() / ("swathkit-import-bench-" + std::string(one.file));
    {
        std::ofstream out(path, std::ios::binary);
        const std::string text = one.text();
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    const double size = static_cast<double>(fs::file_size(path));
    state.SetLabel(one.file);
    std::size_t peak = 0;
    for (auto _ : state) {
        const std::size_t before = allocated.load();
        peakAllocated = before;
        auto read = ReadImportFile(path);
        peak = peakAllocated.load() - before;
        if (const auto* result = std::get_if<ImportResult>(&read)) {
            state.counters["lines"] = static_cast<double>(result->Lines.size());
            state.counters["left_out"] = static_cast<double>(result->Skipped.size());
            state.counters["refused"] = 0;
        } else {
            state.counters["refused"] = 1;
        }
        benchmark::DoNotOptimize(read);
    }
    fs::remove(path);
    state.counters["file_MiB"] = size / (1 << 20);
    state.counters["peak_MiB"] = static_cast<double>(peak) / (1 << 20);
    state.counters["peak_x_file"] = static_cast<double>(peak) / size;
    if (static_cast<double>(peak) >= 10 * size)
        state.SkipWithError(("the read took ten times the file or more: " +
                             std::to_string(static_cast<double>(peak) / size))
                                .c_str());
}
BENCHMARK(PeakMemory)
    ->DenseRange(0, std::size(kCases) - 1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Empty objects as features: each was once a rescan of all before it.
void ReadGeoJsonEmptyObjects(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const std::string text =
        R"({"type":"FeatureCollection","features":[)" + Repeated("{},", 3 * count - 3) + "{}]}";
    for (auto _ : state) {
        auto read = ReadGeoJson(text);
        benchmark::DoNotOptimize(read);
    }
    state.SetComplexityN(static_cast<benchmark::IterationCount>(count));
}
BENCHMARK(ReadGeoJsonEmptyObjects)
    ->RangeMultiplier(4)
    ->Range(100'000, 1'600'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// A TaskData of thousands of guidance patterns, each in two copies as farm
// software often leaves them.
void ReadTaskDataPatterns(benchmark::State& state) {
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

}  // namespace
