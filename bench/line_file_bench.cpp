// Reading and writing a full card file, beside a plain read of the same
// bytes, so that the parser's own cost can be seen.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/line_file.h"

namespace {

using namespace swathkit;

CardImage FullImage() {
    CardImage image = NewBlankImage();
    for (int slot = kFirstUsableField; slot <= kSlotCount; ++slot) {
        image.Line(slot).Latitude = "+0000000000041.12345600";
        image.Line(slot).Longitude = "-0000000000093.65432100";
        image.Line(slot).HeadingNorth = "+0000000000000.70710678";
        image.Line(slot).HeadingEast = "+0000000000000.70710678";
    }
    return image;
}

fs::path BenchFile() {
    static const fs::path path = [] {
        const fs::path p = fs::temp_directory_path() / "swathkit-bench-ablines.dat";
        std::ofstream(p, std::ios::binary) << LineFileText(FullImage(), LineLayout::Card);
        return p;
    }();
    return path;
}

void PlainRead(benchmark::State& state) {
    const fs::path path = BenchFile();
    for (auto _ : state) {
        auto contents = RealFiles().Read(path, kLineFileLimit);
        benchmark::DoNotOptimize(contents);
    }
}
BENCHMARK(PlainRead);

void ReadCardFile(benchmark::State& state) {
    const fs::path path = BenchFile();
    for (auto _ : state) {
        CardImage image = TryReadLineFile(path).value_or(CardImage{});
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(ReadCardFile);

void ParseCardFile(benchmark::State& state) {
    const std::string bytes = LineFileText(FullImage(), LineLayout::Card);
    for (auto _ : state) {
        auto image = ParseLineFile(bytes);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(ParseCardFile);

void FormatCardFile(benchmark::State& state) {
    const CardImage image = FullImage();
    for (auto _ : state) {
        std::string bytes = LineFileText(image, LineLayout::Card);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(FormatCardFile);

void WriteCardFileSafely(benchmark::State& state) {
    const fs::path path = fs::temp_directory_path() / "swathkit-bench-write.dat";
    const CardImage image = FullImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RealFiles().Replace(path, LineFileText(image, LineLayout::Card)));
    }
    fs::remove(path);
}
BENCHMARK(WriteCardFileSafely)->Unit(benchmark::kMicrosecond);

}  // namespace
