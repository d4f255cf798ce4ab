// GeoJSON: a FeatureCollection, a Feature or a bare geometry. A LineString
// or MultiLineString is a straight line, a Point a circle's centre; the
// properties this program's exports write (field, point, heading) win over
// what the geometry says, so its own files come back exactly.

#include <algorithm>

#include <nlohmann/json.hpp>

#include "exchange/import_support.h"

namespace swathkit {

using namespace import_detail;
using nlohmann::json;

namespace {

struct TooDeep {};

const json* Member(const json& object, const char* key) {
    if (!object.is_object())
        return nullptr;
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

std::string StringMember(const json& object, const char* key) {
    const json* value = Member(object, key);
    return value && value->is_string() ? value->get<std::string>() : std::string();
}

std::optional<GeoPoint> Position(const json* value) {
    if (!value || !value->is_array() || value->size() < 2 || !(*value)[0].is_number() ||
        !(*value)[1].is_number())
        return std::nullopt;
    return GeoPoint{(*value)[1].get<double>(), (*value)[0].get<double>()};
}

// The positions of a LineString, or of each part of a MultiLineString in
// turn; nullopt when one is not a position.
std::optional<std::vector<GeoPoint>> Positions(const json* coordinates, bool multi) {
    if (!coordinates || !coordinates->is_array())
        return std::nullopt;
    std::vector<GeoPoint> points;
    const auto add = [&](const json& position) {
        const auto point = Position(&position);
        if (point)
            points.push_back(*point);
        return point.has_value();
    };
    for (const json& item : *coordinates) {
        if (!multi && !add(item))
            return std::nullopt;
        if (multi && !(item.is_array() && std::all_of(item.begin(), item.end(), add)))
            return std::nullopt;
    }
    return points;
}

void AddFeature(ImportResult& result, const json& feature) {
    static const json none = json::object();
    const json* found = Member(feature, "properties");
    const json& properties = found && found->is_object() ? *found : none;
    const json* fieldValue = Member(properties, "field");
    const bool hasField = fieldValue && fieldValue->is_number_integer();
    std::string name = StringMember(properties, "name");
    if (name.empty() && hasField)
        name = std::to_string(fieldValue->get<long long>());
    // A field number out of 6..250 says nothing; the name may still.
    const int given = hasField ? FieldFromName(std::to_string(fieldValue->get<long long>())) : 0;
    const int field = given != 0 ? given : -1;

    const json* geometry = Member(feature, "geometry");
    if (!geometry || geometry->is_null())
        return Skip(result, std::move(name), "no point");
    const std::string type = StringMember(*geometry, "type");
    const json* coordinates = Member(*geometry, "coordinates");
    if (type == "Point") {
        const auto point = Position(coordinates);
        return point ? AddLine(result, std::move(name), false, *point, 0, field)
                     : Skip(result, std::move(name), "coordinates not readable");
    }
    if (type != "LineString" && type != "MultiLineString")
        return Skip(result, std::move(name), "no line or point");
    const auto points = Positions(coordinates, type == "MultiLineString");
    if (!points)
        return Skip(result, std::move(name), "coordinates not readable");
    const json* heading = Member(properties, "heading");
    AddDrawnLine(
        result, std::move(name), *points, Position(Member(properties, "point")),
        heading && heading->is_number() ? std::optional(heading->get<double>()) : std::nullopt,
        field);
}

}  // namespace

std::variant<ImportResult, ImportFailure> ReadGeoJson(const std::string& text) {
    json root;
    try {
        root = json::parse(text, [](int depth, json::parse_event_t, json&) {
            if (depth >= kMaxDepth)
                throw TooDeep{};
            return true;
        });
    } catch (const TooDeep&) {
        return Fail("The GeoJSON file is nested more than " + std::to_string(kMaxDepth) +
                    " levels deep and is not read.");
    } catch (const json::parse_error& error) {
        return Fail("The file is not readable JSON (at byte " + std::to_string(error.byte) + ").");
    } catch (const json::exception&) {
        // A number past what a double holds ends the parse this way.
        return Fail("The file is not readable JSON: it holds a number too large to read.");
    }
    ImportResult result;
    const std::string type = StringMember(root, "type");
    if (type == "FeatureCollection") {
        const json* features = Member(root, "features");
        if (!features || !features->is_array())
            return Fail("The GeoJSON FeatureCollection has no list of features.");
        for (const json& feature : *features) AddFeature(result, feature);
    } else if (type == "Feature") {
        AddFeature(result, root);
    } else if (Member(root, "coordinates")) {
        AddFeature(result, json{{"geometry", root}});
    } else {
        return Fail("The file is not GeoJSON: it holds no feature and no geometry.");
    }
    return result;
}

}  // namespace swathkit
