#include "ui/chm_archive.h"

#include <chm_lib.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>

namespace swathkit {

namespace {

// No page of ours comes near this; a damaged directory entry can claim
// gigabytes, which must not turn into one allocation.
constexpr std::uint64_t kLargestObject = 64u << 20;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string Lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), Lower);
    return result;
}

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && Lowered(text.substr(text.size() - tail.size())) == tail;
}

bool IsPage(std::string_view path) {
    return EndsWithNoCase(path, ".htm") || EndsWithNoCase(path, ".html");
}

std::uint16_t Word(std::string_view data, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[at]) |
                                      (static_cast<unsigned char>(data[at + 1]) << 8));
}

// A file of another kind is refused here, so chmlib's header parser only
// ever sees files that claim to be compiled help.
bool LooksLikeChm(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    char signature[4] = {};
    return in.read(signature, sizeof signature) && std::string_view(signature, 4) == "ITSF";
}

std::string DecodeEntities(std::string_view text) {
    static const std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (end == std::string_view::npos || end - i > 8) {
            result += text[i];
            continue;
        }
        const std::string_view name = text.substr(i + 1, end - i - 1);
        bool done = false;
        if (name.size() > 1 && name[0] == '#') {
            int code = 0;
            for (char c : name.substr(1))
                code = std::isdigit(static_cast<unsigned char>(c)) ? code * 10 + (c - '0') : -1000;
            // Latin-1 as the pages are written; anything wider stays as it was.
            if (code > 0 && code < 256) {
                result += static_cast<char>(code);
                done = true;
            }
        }
        for (const auto& [entity, c] : kNamed) {
            if (!done && name == entity) {
                result += c;
                done = true;
            }
        }
        if (done)
            i = end;
        else
            result += text[i];
    }
    return result;
}

// The value of one attribute inside a tag's text, quoted or not.
std::optional<std::string> Attribute(std::string_view tag, std::string_view name) {
    const std::string lower = Lowered(tag);
    std::size_t at = 0;
    while ((at = lower.find(name, at)) != std::string::npos) {
        const bool startsWord = at > 0 && std::isspace(static_cast<unsigned char>(lower[at - 1]));
        std::size_t i = at + name.size();
        at = i;
        while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i]))) ++i;
        if (!startsWord || i >= lower.size() || lower[i] != '=')
            continue;
        ++i;
        while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i]))) ++i;
        if (i >= lower.size())
            return std::string();
        if (tag[i] == '"' || tag[i] == '\'') {
            const std::size_t close = tag.find(tag[i], i + 1);
            const std::size_t stop = close == std::string_view::npos ? tag.size() : close;
            return DecodeEntities(tag.substr(i + 1, stop - i - 1));
        }
        std::size_t stop = i;
        while (stop < tag.size() && !std::isspace(static_cast<unsigned char>(tag[stop])) &&
               tag[stop] != '>')
            ++stop;
        return DecodeEntities(tag.substr(i, stop - i));
    }
    return std::nullopt;
}

int CollectObject(chmFile*, chmUnitInfo* unit, void* context) {
    auto& objects = *static_cast<std::vector<std::string>*>(context);
    const std::string path(unit->path, strnlen(unit->path, CHM_MAX_PATHLEN));
    // Only what a page can link to: the internal /#... and /$... objects
    // are the compiler's bookkeeping.
    if (path.size() > 1 && path[0] == '/' && path[1] != '#' && path[1] != '$' && path.back() != '/')
        objects.push_back(path);
    return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

std::map<std::uint16_t, std::string> ParseSystemRecords(std::string_view data) {
    std::map<std::uint16_t, std::string> records;
    std::size_t at = 4;  // after the version
    while (at + 4 <= data.size()) {
        const std::uint16_t code = Word(data, at);
        const std::size_t length = Word(data, at + 2);
        at += 4;
        if (length > data.size() - at)
            break;
        std::string_view value = data.substr(at, length);
        // The texts are stored with their terminating zero.
        if (const std::size_t zero = value.find('\0'); zero != std::string_view::npos)
            value = value.substr(0, zero);
        records.emplace(code, std::string(value));
        at += length;
    }
    return records;
}

std::vector<ContentsEntry> ParseContents(std::string_view sitemap) {
    std::vector<ContentsEntry> entries;
    int depth = 0;
    std::optional<ContentsEntry> open;
    std::size_t at = 0;
    while ((at = sitemap.find('<', at)) != std::string_view::npos) {
        const std::size_t close = sitemap.find('>', at);
        if (close == std::string_view::npos)
            break;
        const std::string_view tag = sitemap.substr(at + 1, close - at - 1);
        at = close + 1;
        std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/", 1));
        const std::string element = Lowered(name);
        if (element == "ul") {
            ++depth;
        } else if (element == "/ul") {
            depth = std::max(0, depth - 1);
        } else if (element == "object") {
            const auto type = Attribute(tag, "type");
            if (type && Lowered(*type) == "text/sitemap")
                open = ContentsEntry{{}, {}, std::max(0, depth - 1)};
        } else if (element == "param" && open) {
            const std::string which = Lowered(Attribute(tag, "name").value_or(""));
            const std::string value = Attribute(tag, "value").value_or("");
            if (which == "name" && open->Name.empty())
                open->Name = value;
            else if (which == "local" && open->Local.empty())
                open->Local = value;
        } else if (element == "/object" && open) {
            if (!open->Name.empty())
                entries.push_back(std::move(*open));
            open.reset();
        }
    }
    return entries;
}

std::string NormalizeObjectPath(std::string_view path) {
    std::size_t i = 0;
    while (i < path.size()) {
        if (path[i] == '/' || path[i] == '\\') {
            ++i;
        } else if (path.substr(i, 2) == "./" || path.substr(i, 2) == ".\\") {
            i += 2;
        } else {
            break;
        }
    }
    std::string result(1, '/');
    result.append(path.substr(i));
    return result;
}

std::unique_ptr<ChmArchive> ChmArchive::Open(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) || !LooksLikeChm(file))
        return nullptr;
    chmFile* handle = chm_open(file.string().c_str());
    if (handle == nullptr)
        return nullptr;
    std::unique_ptr<ChmArchive> archive(new ChmArchive(handle));
    if (chm_enumerate(handle, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, CollectObject,
                      &archive->objects_) == 0 &&
        archive->objects_.empty())
        return nullptr;
    if (const auto system = archive->Read("/#SYSTEM"))
        archive->system_ = ParseSystemRecords(*system);
    return archive;
}

ChmArchive::ChmArchive(chmFile* file) : file_(file) {}

ChmArchive::~ChmArchive() {
    chm_close(file_);
}

std::optional<std::string> ChmArchive::Read(std::string_view path) const {
    chmUnitInfo unit{};
    const std::string name = NormalizeObjectPath(path);
    if (name.size() > CHM_MAX_PATHLEN ||
        chm_resolve_object(file_, name.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > kLargestObject)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    if (unit.length == 0)
        return bytes;
    const LONGINT64 read =
        chm_retrieve_object(file_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (read != static_cast<LONGINT64>(unit.length))
        return std::nullopt;
    return bytes;
}

bool ChmArchive::Exists(std::string_view path) const {
    chmUnitInfo unit{};
    const std::string name = NormalizeObjectPath(path);
    return name.size() <= CHM_MAX_PATHLEN &&
           chm_resolve_object(file_, name.c_str(), &unit) == CHM_RESOLVE_SUCCESS;
}

std::string ChmArchive::DefaultTopic() const {
    if (const auto topic = system_.find(2); topic != system_.end() && !topic->second.empty()) {
        // The topic may carry a fragment; the page is what must exist.
        const std::string page = topic->second.substr(0, topic->second.find('#'));
        if (Exists(page))
            return NormalizeObjectPath(topic->second);
    }
    for (const char* fallback : {"/index.htm", "/index.html"}) {
        if (Exists(fallback))
            return fallback;
    }
    const auto page = std::find_if(objects_.begin(), objects_.end(),
                                   [](const std::string& path) { return IsPage(path); });
    return page != objects_.end() ? *page : std::string();
}

std::string ChmArchive::Title() const {
    const auto title = system_.find(3);
    return title != system_.end() ? title->second : std::string();
}

std::vector<ContentsEntry> ChmArchive::Contents() const {
    std::string file;
    if (const auto named = system_.find(0); named != system_.end() && !named->second.empty())
        file = named->second;
    if (file.empty() || !Exists(file)) {
        const auto found = std::find_if(objects_.begin(), objects_.end(), [](const auto& path) {
            return EndsWithNoCase(path, ".hhc");
        });
        file = found != objects_.end() ? *found : std::string();
    }
    if (file.empty())
        return {};
    const auto sitemap = Read(file);
    return sitemap ? ParseContents(*sitemap) : std::vector<ContentsEntry>{};
}

}  // namespace swathkit
