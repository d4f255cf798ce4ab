// ISO 11783-10 TaskData: guidance patterns (GPN) of version 4, guidance line
// strings (LSG) of version 3, in partfields (PFD) of the main file or of the
// further files it names (XFR).

#include <algorithm>
#include <iterator>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "exchange/import_support.h"

namespace swathkit {

using namespace import_detail;

namespace {

std::string Attr(const pugi::xml_node& node, const char* name) {
    return std::string(Trimmed(node.attribute(name).value()));
}

// A further file is a bare name beside TASKDATA.XML; anything that could
// reach another folder is never opened.
bool StaysInFolder(const std::string& name) {
    return !name.empty() && name.find_first_of("/\\:") == std::string::npos &&
           name.find("..") == std::string::npos;
}

// PNT: C north, D east, A its kind (6 the A point, 7 the B point, 8 a
// pivot's centre).
std::optional<GeoPoint> PlaceOf(const pugi::xml_node& pnt) {
    const auto north = ParseNumber(pnt.attribute("C").value());
    const auto east = ParseNumber(pnt.attribute("D").value());
    if (!north || !east)
        return std::nullopt;
    return GeoPoint{*north, *east};
}

pugi::xml_node Marked(const std::vector<pugi::xml_node>& points, const char* kind) {
    const auto it = std::find_if(points.begin(), points.end(),
                                 [&](const pugi::xml_node& p) { return Attr(p, "A") == kind; });
    return it == points.end() ? pugi::xml_node() : *it;
}

std::vector<pugi::xml_node> PointsOf(const pugi::xml_node& lsg) {
    return {lsg.children("PNT").begin(), lsg.children("PNT").end()};
}

// An A-B line: the marked A and B points, else the first and the last.
void AddAB(ImportResult& result, std::string name, const std::vector<pugi::xml_node>& points) {
    if (points.empty())
        return Skip(result, std::move(name), SAY("no point"));
    const pugi::xml_node aNode = Marked(points, "6") ? Marked(points, "6") : points.front();
    const pugi::xml_node bNode = Marked(points, "7") ? Marked(points, "7") : points.back();
    if (aNode == bNode)
        return Skip(result, std::move(name), SAY("no B point"));
    const auto a = PlaceOf(aNode), b = PlaceOf(bNode);
    if (!a || !b)
        return Skip(result, std::move(name), SAY("coordinates not readable"));
    AddDrawnLine(result, std::move(name), {*a, *b}, std::nullopt, std::nullopt);
}

void AddPattern(ImportResult& result, const pugi::xml_node& gpn, const std::string& groupName) {
    std::string name = Attr(gpn, "B").empty() ? groupName : Attr(gpn, "B");
    const std::string type = Attr(gpn, "C");
    if (type == "3")
        return Skip(result, std::move(name), SAY("a curve"));
    if (type == "5")
        return Skip(result, std::move(name), SAY("a spiral"));
    if (type != "1" && type != "2" && type != "4")
        return Skip(result, std::move(name), SAY("an unknown kind of pattern"));
    // A pattern's other line strings (a boundary, a sampling route) are no
    // part of its line.
    const pugi::xml_node lsg = gpn.find_child_by_attribute("LSG", "A", "5");
    if (!lsg && type != "4")
        return Skip(result, std::move(name), SAY("no guidance line in the pattern"));
    const std::vector<pugi::xml_node> points = PointsOf(lsg ? lsg : gpn.child("LSG"));
    if (type == "1")
        return AddAB(result, std::move(name), points);
    if (points.empty())
        return Skip(result, std::move(name), SAY("no point"));
    const pugi::xml_node marked = Marked(points, type == "4" ? "8" : "6");
    const auto place = PlaceOf(marked ? marked : points.front());
    if (!place)
        return Skip(result, std::move(name), SAY("coordinates not readable"));
    if (type == "4")
        return AddLine(result, std::move(name), false, *place, 0);
    const auto heading = ParseNumber(gpn.attribute("G").value());
    if (!heading)
        return Skip(result, std::move(name), SAY("no heading"));
    AddLine(result, std::move(name), true, *place, *heading);
}

// Why a TaskData or one of its further files is not read; here rather than
// in import_detail, so that the translation tool files them with every
// other text of the logic.
constexpr const char* kTaskDataFile = SAY("TaskData file");
constexpr const char* kNotTaskData =
    SAY("The file is not ISO 11783 TaskData: its first element is <%1>.");
constexpr const char* kOutsideFolder = SAY("a file outside the TaskData's folder");
constexpr const char* kFileMissing = SAY("its file is missing");
constexpr const char* kFurtherFile = SAY("further file");
constexpr const char* kFileNotXml = SAY("its file is not readable XML");

}  // namespace

namespace import_detail {

Result ReadTaskDataWith(std::string xml, const ExternalFile& external,
                        const std::stop_token& stop) {
    pugi::xml_document doc;
    if (auto failure = ParseXml(doc, xml, kTaskDataFile))
        return *failure;
    const pugi::xml_node root = doc.document_element();
    if (std::string_view(root.name()) != "ISO11783_TaskData")
        return Fail(Words{kNotTaskData, {std::string(root.name())}});
    const bool version3 = Attr(root, "VersionMajor") == "3";
    ImportResult result;

    // Partfields from the main file and from each further file it names,
    // each file read once.
    std::vector<pugi::xml_node> fields(root.children("PFD").begin(), root.children("PFD").end());
    // Each further tree is built in its own text, kept beside it.
    std::vector<std::pair<std::unique_ptr<std::string>, std::unique_ptr<pugi::xml_document>>>
        further;
    std::unordered_set<std::string> named;
    for (const pugi::xml_node& xfr : root.children("XFR")) {
        if (stop.stop_requested())
            return Fail(kStoppedText);
        std::string name = Attr(xfr, "A");
        if (!AsciiLower(name).ends_with(".xml"))
            name += ".XML";
        if (!StaysInFolder(name)) {
            Skip(result, name, kOutsideFolder);
            continue;
        }
        if (!named.insert(AsciiLower(name)).second)
            continue;
        auto found = external(name);
        if (auto* failure = std::get_if<ImportFailure>(&found))
            return *failure;
        auto& text = std::get<std::optional<std::string>>(found);
        if (!text) {
            Skip(result, name, kFileMissing);
            continue;
        }
        auto& [partText, part] =
            further.emplace_back(std::make_unique<std::string>(std::move(*text)),
                                 std::make_unique<pugi::xml_document>());
        if (ParseXml(*part, *partText, kFurtherFile)) {
            Skip(result, name, kFileNotXml);
            continue;
        }
        for (const pugi::xml_node& pfd : part->document_element().children("PFD"))
            fields.push_back(pfd);
    }

    // A partfield may be split over files under one ID; its designator is
    // wherever it is given.
    std::unordered_map<std::string, std::string> fieldNames;
    for (const pugi::xml_node& pfd : fields) {
        std::string& name = fieldNames[Attr(pfd, "A")];
        if (name.empty())
            name = Attr(pfd, "C");
    }
    // Room for a line per pattern at once: a list that grows as it goes may
    // take twice that, and a file of patterns is mostly lines.
    std::size_t patterns = 0;
    for (const pugi::xml_node& pfd : fields)
        for (const pugi::xml_node& group : pfd.children(version3 ? "LSG" : "GGP"))
            patterns += version3 ? 1
                                 : static_cast<std::size_t>(std::distance(
                                       group.children("GPN").begin(), group.children("GPN").end()));
    result.Lines.reserve(std::min(patterns, kMaxImportLines));
    std::unordered_set<std::string> patternsSeen;
    for (const pugi::xml_node& pfd : fields) {
        if (stop.stop_requested())
            return Fail(kStoppedText);
        const std::string& fieldName = fieldNames[Attr(pfd, "A")];
        if (version3) {
            for (const pugi::xml_node& lsg : pfd.children("LSG"))
                if (Attr(lsg, "A") == "5")
                    AddAB(result, Attr(lsg, "B").empty() ? fieldName : Attr(lsg, "B"),
                          PointsOf(lsg));
            continue;
        }
        for (const pugi::xml_node& ggp : pfd.children("GGP")) {
            const std::string groupName = Attr(ggp, "B").empty() ? fieldName : Attr(ggp, "B");
            unsigned seen = 0;
            for (const pugi::xml_node& gpn : ggp.children("GPN")) {
                if ((++seen & kStopPollMask) == 0 && stop.stop_requested())
                    return Fail(kStoppedText);
                if (Attr(gpn, "A").empty() || patternsSeen.insert(Attr(gpn, "A")).second)
                    AddPattern(result, gpn, groupName);
            }
        }
    }
    return result;
}

}  // namespace import_detail

}  // namespace swathkit
