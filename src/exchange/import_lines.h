#pragma once
// Guidance lines read from other farm software: ISO 11783-10 TaskData (a
// TASKDATA.XML, its folder or a zip of it), KML, KMZ and GeoJSON. Reading only:
// the lines land in the temporary card image through ImportIntoImage.

#include <cstddef>
#include <filesystem>
#include <stop_token>
#include <string>
#include <variant>
#include <vector>

#include "core/exchange_records.h"
#include "geo/geo.h"

namespace swathkit {

// The sentences a preview shows for what it does not show; none when the
// whole file is there.
std::vector<Words> ImportNotes(const ImportResult& result);
// The same for rows left out by the preview itself (lines of the other kind).
Words LeftOutNote();

// Reads the file the operator chose, by its kind (TASKDATA.XML, .zip, .kml,
// .kmz, .geojson, .json). Never reads outside that file, or outside its folder for
// a TaskData's external files; refuses files too big, too deeply nested or a
// zip that unpacks to too much, quickly and with a clear message; nor a
// file whose elements would take more memory than a file of lines could
// need. Stops within moments once stop is requested, and then fails.
std::variant<ImportResult, ImportFailure> ReadImportFile(const std::filesystem::path& path,
                                                         std::stop_token stop = {});

// The same from text already in memory, for each format (the fuzzers' way
// in). folder is where TaskData's external files are looked for; empty for
// none.
std::variant<ImportResult, ImportFailure> ReadTaskData(const std::string& xml,
                                                       const std::filesystem::path& folder = {},
                                                       std::stop_token stop = {});
// A zip of a TaskData, in memory: its TASKDATA.XML (the shallowest, in any
// case) and the further files beside it inside the zip.
std::variant<ImportResult, ImportFailure> ReadTaskDataZip(const std::string& bytes,
                                                          std::stop_token stop = {});
std::variant<ImportResult, ImportFailure> ReadKml(const std::string& text,
                                                  std::stop_token stop = {});
// A KMZ, in memory: the KML inside it (doc.kml, else the shallowest .kml),
// unpacked within the same limits as a TaskData zip.
std::variant<ImportResult, ImportFailure> ReadKmz(const std::string& bytes,
                                                  std::stop_token stop = {});
std::variant<ImportResult, ImportFailure> ReadGeoJson(const std::string& text,
                                                      std::stop_token stop = {});

}  // namespace swathkit
