#pragma once
// The passes of one side written for other farm software.

#include <optional>
#include <string>
#include <vector>

#include "core/exchange_records.h"
#include "core/files.h"
#include "core/guidance_line.h"
#include "geo/geo.h"

namespace swathkit {

const std::vector<ExportEntry>& ExportFormats();
const ExportEntry& ExportFormatEntry(ExportFormat format);

// The file name the format is known by: "TASKDATA.XML", "lines.kml",
// "lines.geojson".
std::string DefaultExportName(ExportFormat format);

// What the format cannot hold of these lines, one sentence each, to be said
// before the file is written.
std::vector<Words> ExportLimitations(ExportFormat format, bool straight);

// The files for the passes in use of image whose coordinates are a place on
// earth; name is the guidance group's or document's name.
std::vector<ExportFile> ExportFiles(ExportFormat format, const CardImage& image, bool straight,
                                    const std::string& name);
// The bytes of the first of them: the whole file of a one-file format.
std::string ExportText(ExportFormat format, const CardImage& image, bool straight,
                       const std::string& name);

struct ExportResult {
    bool Written = false;
    std::optional<FileError> Failure;  // why not, where a step on a file failed
    fs::path File;                     // the file written, or that was to be
    std::size_t Passes = 0;            // passes in the file
    std::vector<int> LeftOut;  // fields not written: their coordinates are no place on earth
};

// The file an export to path would take the place of, to be asked about
// first; none when there is none. For a folder format it is the first of
// its files already in that folder. It is the file the disk itself finds at
// that name: on a disk that tells case apart LINES.KML is not lines.kml and
// stays. Only a TaskData also takes the place of a TASKDATA.XML spelled
// otherwise beside it, as terminals look for that one spelling.
std::optional<fs::path> ExportReplaces(Files& disk, const fs::path& path, ExportFormat format);

// Written safely, the old file kept whole on failure. A TaskData file named
// TASKDATA.XML in any case is written in capitals, which is how terminals
// look for it, and takes the place of one spelled otherwise. Nothing is
// written when no pass is a place on earth.
ExportResult WriteExport(Files& disk, const fs::path& path, ExportFormat format,
                         const CardImage& image, bool straight, const std::string& name);

// A zip in memory holding one file of that name; empty when it cannot be made.
std::string ZipOf(const std::string& name, const std::string& bytes);

// The sentence that says which fields were left out; empty when none was.
Words LeftOutText(const std::vector<int>& fields);

}  // namespace swathkit
