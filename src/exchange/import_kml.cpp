// KML: each Placemark anywhere in the document is one line at most, a line
// string (or a MultiGeometry of them: a line split at the 180th meridian) a
// straight line, a point a circle's centre.

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
        if (tuple.size() < 2 || tuple.size() > 3)
            return std::nullopt;
        points.push_back({tuple[1], tuple[0]});
        tuple.clear();
    }
    if (!tuple.empty())
        return std::nullopt;
    return points;
}

// What one placemark holds, wherever inside it.
struct PlacemarkParts : pugi::xml_tree_walker {
    std::vector<pugi::xml_node> lines;
    pugi::xml_node point;
    std::optional<double> heading;
    bool for_each(pugi::xml_node& node) override {
        const std::string_view name = LocalName(node);
        if (name == "LineString")
            lines.push_back(node);
        else if (name == "Point" && !point)
            point = node;
        else if ((name == "Data" || name == "SimpleData") &&
                 std::string_view(node.attribute("name").value()) == "heading")
            heading =
                ParseNumber(name == "Data" ? Child(node, "value").text().get() : node.text().get());
        return true;
    }
};

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
    std::string name(Trimmed(Child(mark, "name").text().get()));
    PlacemarkParts parts;
    mark.traverse(parts);
    if (parts.lines.empty() && !parts.point)
        return Skip(result, std::move(name), "no line or point");
    std::vector<GeoPoint> points;
    for (const pugi::xml_node& geometry :
         parts.lines.empty() ? std::vector{parts.point} : parts.lines) {
        const auto more = Coordinates(Child(geometry, "coordinates").text().get());
        if (!more)
            return Skip(result, std::move(name), "coordinates not readable");
        points.insert(points.end(), more->begin(), more->end());
    }
    if (parts.lines.empty())
        return points.empty() ? Skip(result, std::move(name), "no point")
                              : AddLine(result, std::move(name), false, points.front(), 0);
    // This program writes a straight line as a segment centred on its point
    // and keeps the heading beside it: the middle of the segment, along that
    // heading, is the line exactly.
    std::optional<GeoPoint> point;
    if (parts.heading && !points.empty() && OnEarth(points.front()) && OnEarth(points.back()))
        point = Travel(points.front(), BearingDegrees(points.front(), points.back()),
                       DistanceMetres(points.front(), points.back()) / 2);
    AddDrawnLine(result, std::move(name), points, point, parts.heading);
}

}  // namespace

namespace import_detail {

Result ReadKmlText(std::string text, const std::stop_token& stop) {
    pugi::xml_document doc;
    if (auto failure = ParseXml(doc, text, "KML file"))
        return *failure;
    if (LocalName(doc.document_element()) != "kml")
        return Fail(std::string("The file is not KML: its first element is <") +
                    doc.document_element().name() + ">.");
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
