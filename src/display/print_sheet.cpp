#include "display/print_sheet.h"

#include <algorithm>
#include <cstdio>

#include "core/master_copy.h"
#include "display/coordinate_text.h"

namespace swathkit {

PrintSheet MakePrintSheet(const Program& program, int side, const std::map<int, bool>& listed,
                          Date today) {
    const bool straight = program.Menus.StraightTrack;
    const bool onlySelected =
        std::any_of(listed.begin(), listed.end(), [](const auto& row) { return row.second; });
    const CardImage& image = program.Table.Current(side);

    PrintSheet sheet;
    sheet.Title = kSideCaption[side];
    if (onlySelected)
        sheet.Title = Words{SAY("%1, selected passes"), {kSideCaption[side]}};
    if (side == CardSide)
        sheet.Source = program.CardFile ? PathText(program.CardFile->Path) : "";
    else
        sheet.Source = PathText(MasterCopyFile(program, straight));
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", today.Year, today.Month, today.Day);
    sheet.Printed = date;

    for (const PlacedLine& line : PlacedLines(image, straight)) {
        const auto found = listed.find(line.Field);
        if (found == listed.end() || (onlySelected && !found->second))
            continue;
        const GuidanceLine& stored = image.Line(line.Field);
        sheet.Rows.push_back({line.Field, straight ? SAY("Straight") : SAY("Circle"),
                              FormatCoordinate(stored.Latitude, program.Menus.ShowDMS),
                              FormatCoordinate(stored.Longitude, program.Menus.ShowDMS),
                              straight ? FormatHeading(stored) : ""});
        // A pass that is no place on earth keeps its row but has no spot on
        // the map, which would otherwise be stretched round the world.
        if (OnEarth(line.Point))
            sheet.Passes.push_back({side, line, false, false});
    }
    return sheet;
}

}  // namespace swathkit
