#pragma once
// A compiled help file (.chm) opened for reading: its pages, style sheets
// and pictures by path, its default topic and its table of contents. Knows
// nothing of Qt, so the help window is the only part that draws.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct chmFile;

namespace swathkit {

// One entry of the table of contents (the .hhc sitemap).
struct ContentsEntry {
    std::string Name;
    std::string Local;  // the page inside the file, maybe with a #fragment
    int Depth = 0;      // 0 for the outermost list
};

// The records of the file's /#SYSTEM object, by code: 0 contents file,
// 1 index file, 2 default topic, 3 title. A record cut short by damage ends
// the list; what came before it is kept.
std::map<std::uint16_t, std::string> ParseSystemRecords(std::string_view data);

// The entries of a sitemap as written by help compilers and editors: <li>
// <object type="text/sitemap"> with <param name="Name"> and <param
// name="Local">, nested by <ul>.
std::vector<ContentsEntry> ParseContents(std::string_view sitemap);

// "/" + path with any "./" and leading slashes folded, so "merging.htm",
// "/merging.htm" and "./merging.htm" name the same object.
std::string NormalizeObjectPath(std::string_view path);

class ChmArchive {
  public:
    // Nothing when the file is missing, is not a compiled help file, or is
    // too damaged to list.
    static std::unique_ptr<ChmArchive> Open(const std::filesystem::path& file);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // The bytes of one object, nothing when there is none of that name or
    // it cannot be read whole. Names are matched without regard to case.
    std::optional<std::string> Read(std::string_view path) const;
    // Every ordinary object (pages, style sheets, pictures, the sitemaps).
    const std::vector<std::string>& Objects() const { return objects_; }

    // The page to show first, as an object path: the default topic of
    // /#SYSTEM, else /index.htm(l), else the first page found; empty when
    // the file holds no page at all.
    std::string DefaultTopic() const;
    std::string Title() const;
    std::vector<ContentsEntry> Contents() const;

  private:
    explicit ChmArchive(chmFile* file);
    bool Exists(std::string_view path) const;

    chmFile* file_;
    std::vector<std::string> objects_;
    std::map<std::uint16_t, std::string> system_;
};

}  // namespace swathkit
