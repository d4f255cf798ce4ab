#pragma once
// The passes of one side written for other farm software.

#include <string>
#include <vector>

#include "core/files.h"
#include "core/guidance_line.h"

namespace swathkit {

enum class ExportFormat { TaskData, Kml, GeoJson };

// The file name the format is known by: "TASKDATA.XML", "lines.kml",
// "lines.geojson".
std::string DefaultExportName(ExportFormat format);

// What the format cannot hold of these lines, one sentence each, to be said
// before the file is written.
std::vector<std::string> ExportLimitations(ExportFormat format, bool straight);

// The whole file text for the passes in use of image; name is the guidance
// group's or document's name.
std::string ExportText(ExportFormat format, const CardImage& image, bool straight,
                       const std::string& name);

// Written safely, the old file kept whole on failure.
bool WriteExport(Files& disk, const fs::path& path, ExportFormat format, const CardImage& image,
                 bool straight, const std::string& name);

}  // namespace swathkit
