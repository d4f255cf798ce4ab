// The duplicate search and the exports on the largest merge: a full card and
// a full image, 250 straight lines each. The lines are driven side by side
// across one field, their points on one row, so that every pair passes the
// quick latitude check and needs a full distance: the search's worst case.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "exchange/export_lines.h"
#include "geo/duplicates.h"
#include "geo/geo.h"

namespace {

using namespace swathkit;

std::string Stored(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%+024.8f", value);
    return text;
}

// Lines every `spacing` metres east of the corner, heading north; the image's
// are offset by half a spacing so that nothing repeats across the sides.
CardImage FullField(double offset, double spacing) {
    CardImage image = NewBlankImage();
    image.IsStraight = true;
    const GeoPoint corner{52.1, 5.3};
    for (int field = 1; field <= kSlotCount; ++field) {
        const GeoPoint at = Travel(corner, 90, offset + field * spacing);
        GuidanceLine& line = image.Line(field);
        line.Latitude = Stored(at.Latitude);
        line.Longitude = Stored(at.Longitude);
        line.HeadingNorth = Stored(1);
        line.HeadingEast = Stored(0);
    }
    return image;
}

// Lines 3 m apart: the default 5 m limit finds neighbours on both sides.
void BM_DuplicatesFullCardAndImage(benchmark::State& state) {
    const CardImage card = FullField(0, 3);
    const CardImage image = FullField(1.5, 3);
    std::size_t found = 0;
    for (auto _ : state) {
        const auto pairs = FindDuplicates(card, image, true, true, DuplicateLimits{});
        found = pairs.size();
        benchmark::DoNotOptimize(pairs.data());
    }
    state.counters["pairs"] = static_cast<double>(found);
}
BENCHMARK(BM_DuplicatesFullCardAndImage)->Unit(benchmark::kMillisecond);

void BM_ExportFullSide(benchmark::State& state) {
    const CardImage image = FullField(0, 3);
    const auto format = static_cast<ExportFormat>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = ExportText(format, image, true, "Your Card");
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportFullSide)
    ->Arg(static_cast<int>(ExportFormat::TaskData))
    ->Arg(static_cast<int>(ExportFormat::Kml))
    ->Arg(static_cast<int>(ExportFormat::GeoJson))
    ->Unit(benchmark::kMillisecond);

}  // namespace
