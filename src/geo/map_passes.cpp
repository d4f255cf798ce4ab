#include "geo/map_passes.h"

namespace swathkit {

std::vector<MapPass> PassesShown(const Program& program, const ListedFields& listed) {
    const bool straight = program.Menus.StraightTrack;
    std::vector<MapPass> passes;
    for (int side : {CardSide, ImageSide}) {
        const int otherSide = side == CardSide ? ImageSide : CardSide;
        const CardImage& image = program.Table.Current(side);
        const CardImage& other = program.Table.Current(otherSide);
        for (const PlacedLine& line : PlacedLines(image, straight)) {
            const auto found = listed[side].find(line.Field);
            if (found == listed[side].end())
                continue;
            MapPass pass{side, line, found->second, false};
            pass.Conflict = listed[otherSide].count(line.Field) > 0 &&
                            !SameCoordinates(image.Line(line.Field), other.Line(line.Field));
            passes.push_back(pass);
        }
    }
    return passes;
}

}  // namespace swathkit
