// KML: each Placemark anywhere in the document, and each part of its
// MultiGeometry, is one line at most: a line string a straight line (two
// cut at the 180th meridian one line), a point a circle's centre.

#include <algorithm>

#include "exchange/import_support.h"

namespace swathkit {

using namespace import_detail;

namespace {

pugi::xml_node Child(const pugi::xml_node& node, std::string_view name) {
    for (const pugi::xml_node& child : node.children())
        if (LocalName(child) == name)
            return child;
    return {};
}

// "lon,lat[,alt]" tuples apart by any blanks; blanks after a comma are
// forgiven, as other readers do.
std::optional<std::vector<GeoPoint>> Coordinates(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::vector<GeoPoint> points;
    std::vector<double> tuple;
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && blank(text[i])) ++i;
        if (i == text.size())
            break;
        std::size_t end = i;
        while (end < text.size() && !blank(text[end]) && text[end] != ',') ++end;
        const auto value = ParseNumber(text.substr(i, end - i));
        if (!value)
            return std::nullopt;
        tuple.push_back(*value);
        i = end;
        while (i < text.size() && blank(text[i])) ++i;
        if (i < text.size() && text[i] == ',') {
            ++i;
            continue;
        }
        // Altitude, and whatever some writers put after it, says nothing
        // of where a line lies on the ground.
        if (tuple.size() < 2)
            return std::nullopt;
        points.push_back({tuple[1], tuple[0]});
        tuple.clear();
    }
    if (!tuple.empty())
        return std::nullopt;
    return points;
}

// The heading this program's exports keep beside a straight line, and the
// kind they say a point is, wherever inside the placemark.
struct PlacemarkData : pugi::xml_tree_walker {
    std::optional<double> heading;
    bool pivot = false;
    bool for_each(pugi::xml_node& node) override {
        const std::string_view name = LocalName(node);
        if (name != "Data" && name != "SimpleData")
            return true;
        const std::string_view key = node.attribute("name").value();
        const char* value = name == "Data" ? Child(node, "value").text().get() : node.text().get();
        if (key == "heading")
            heading = ParseNumber(value);
        else if (key == "kind")
            pivot = Trimmed(value) == "circle";
        return true;
    }
};

// The geometry parts of a placemark in order; multi-geometries and
// multi-tracks are opened, everything else is one part.
void CollectParts(const pugi::xml_node& node, std::vector<DrawnPart>& parts) {
    for (const pugi::xml_node& child : node.children()) {
        const std::string_view name = LocalName(child);
        DrawnPart part;
        if (name == "MultiGeometry" || name == "MultiTrack") {
            CollectParts(child, parts);
            continue;
        }
        if (name == "LineString" || name == "Point") {
            const auto points = Coordinates(Child(child, "coordinates").text().get());
            part.What = !points                ? DrawnPart::Kind::LeftOut
                        : name == "LineString" ? DrawnPart::Kind::Line
                                               : DrawnPart::Kind::Point;
            part.Reason = SAY("coordinates not readable");
            if (points)
                part.Points = std::move(*points);
        } else if (name == "Track") {
            part.Reason = SAY("a recorded track");
        } else if (name == "Polygon" || name == "LinearRing") {
            part.Reason = SAY("an area, not a line");
        } else {
            continue;
        }
        parts.push_back(std::move(part));
    }
}

struct Placemarks : pugi::xml_tree_walker {
    explicit Placemarks(const std::stop_token& stop) : stop(stop) {}
    const std::stop_token& stop;
    std::vector<pugi::xml_node> found;
    unsigned seen = 0;
    bool for_each(pugi::xml_node& node) override {
        if ((++seen & kStopPollMask) == 0 && stop.stop_requested())
            return false;
        if (LocalName(node) == "Placemark")
            found.push_back(node);
        return true;
    }
};

void AddPlacemark(ImportResult& result, pugi::xml_node mark) {
    const std::string name(Trimmed(Child(mark, "name").text().get()));
    PlacemarkData data;
    mark.traverse(data);
    std::vector<DrawnPart> parts;
    CollectParts(mark, parts);
    parts = JoinedAtAntimeridian(std::move(parts));
    // This program writes a straight line as a segment centred on its point
    // and keeps the heading beside it: the middle of the segment, along that
    // heading, is the line exactly.
    std::optional<GeoPoint> point;
    const auto line = std::find_if(parts.begin(), parts.end(), [](const DrawnPart& part) {
        return part.What == DrawnPart::Kind::Line;
    });
    if (data.heading && line != parts.end() && !line->Points.empty()) {
        const GeoPoint front = line->Points.front(), back = line->Points.back();
        if (OnEarth(front) && OnEarth(back))
            point = Travel(front, BearingDegrees(front, back), DistanceMetres(front, back) / 2);
    }
    AddParts(result, name, parts, point, data.heading, std::nullopt, data.pivot);
}

// Why a KML is not read; here rather than in import_detail, so that the
// translation tool files them with every other text of the logic.
constexpr const char* kKmlFile = SAY("KML file");
constexpr const char* kNotKml = SAY("The file is not KML: its first element is <%1>.");

}  // namespace

namespace import_detail {

Result ReadKmlText(std::string text, const std::stop_token& stop) {
    pugi::xml_document doc;
    if (auto failure = ParseXml(doc, text, kKmlFile))
        return *failure;
    if (LocalName(doc.document_element()) != "kml")
        return Fail(Words{kNotKml, {std::string(doc.document_element().name())}});
    Placemarks marks(stop);
    doc.traverse(marks);
    ImportResult result;
    for (const pugi::xml_node& mark : marks.found) {
        if (stop.stop_requested())
            break;
        AddPlacemark(result, mark);
    }
    if (stop.stop_requested())
        return Fail(kStoppedText);
    return result;
}

}  // namespace import_detail

}  // namespace swathkit
