#include "display/line_list.h"

#include <cmath>

#include "core/number_text.h"
#include "display/coordinate_text.h"

namespace swathkit {

std::vector<Column> ListColumns(const MenuChoices& menus) {
    std::vector<Column> columns = {{SAY("Field #"), 400}};
    if (menus.Kind() == TrackKind::Straight)
        columns.push_back({SAY("Heading"), 1000});
    if (menus.ShowLonLat) {
        columns.push_back({SAY("Latitude"), 1000});
        columns.push_back({SAY("Longitude"), 1000});
    }
    return columns;
}

std::vector<ListRow> ListRows(const CardImage& image, const MenuChoices& menus) {
    std::vector<ListRow> rows;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const GuidanceLine& line = image.Line(slot);
        if (!LineInUse(line))
            continue;
        std::vector<std::string> row = {
            DefaultNumberText(std::floor(LeadingNumber(line.FieldNum)))};
        if (menus.Kind() == TrackKind::Straight)
            row.push_back(FormatHeading(line));
        if (menus.ShowLonLat) {
            row.push_back(FormatCoordinate(line.Latitude, menus.ShowDMS));
            row.push_back(FormatCoordinate(line.Longitude, menus.ShowDMS));
        }
        rows.push_back({slot, std::move(row)});
    }
    return rows;
}

void FillLineList(const Program& program, Ports& ports, int index, const CardImage& image) {
    ports.List(index).Show(ListColumns(program.Menus), ListRows(image, program.Menus));
}

void SetCardCommandsEnabled(Program& program, Ports& ports, bool enabled) {
    program.CardLoaded = enabled;
    ports.Controls.SetCardCommandsEnabled(enabled);
}

}  // namespace swathkit
