// GeoJSON: a FeatureCollection, a Feature or a bare geometry. A LineString
// is a straight line, a Point a circle's centre, and each part of a Multi-
// geometry or GeometryCollection one of its own (but for a line cut at the
// 180th meridian, which is one again); the
// properties this program's exports write (field, point, heading) win over
// what the geometry says, so its own files come back exactly.
//
// The file is read as a stream of events: each feature is built alone,
// turned into a line or a reason and dropped, so that the time is linear in
// the file and the memory little more than the file itself.

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include <nlohmann/json.hpp>

#include "exchange/import_support.h"

namespace swathkit {

using namespace import_detail;
using nlohmann::json;

namespace {

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

// The positions of a LineString; nullopt when one is not a position.
std::optional<std::vector<GeoPoint>> Positions(const json* coordinates) {
    if (!coordinates || !coordinates->is_array())
        return std::nullopt;
    std::vector<GeoPoint> points;
    for (const json& item : *coordinates) {
        const auto point = Position(&item);
        if (!point)
            return std::nullopt;
        points.push_back(*point);
    }
    return points;
}

DrawnPart LeftOut(Words reason) {
    return {DrawnPart::Kind::LeftOut, {}, reason};
}

// The parts of a geometry in order. Collections nest no deeper than the
// file, which the reader bounds.
void CollectParts(const json& geometry, std::vector<DrawnPart>& parts) {
    const std::string type = StringMember(geometry, "type");
    const json* coordinates = Member(geometry, "coordinates");
    const bool multi = type == "MultiPoint" || type == "MultiLineString";
    if (type == "GeometryCollection") {
        const json* geometries = Member(geometry, "geometries");
        if (!geometries || !geometries->is_array())
            return parts.push_back(LeftOut(SAY("no line or point")));
        for (const json& part : *geometries) CollectParts(part, parts);
    } else if (multi && !(coordinates && coordinates->is_array())) {
        parts.push_back(LeftOut(SAY("coordinates not readable")));
    } else if (multi) {
        for (const json& item : *coordinates)
            CollectParts({{"type", type.substr(5)}, {"coordinates", item}}, parts);
    } else if (type == "Point") {
        const auto point = Position(coordinates);
        parts.push_back(point ? DrawnPart{DrawnPart::Kind::Point, {*point}, {}}
                              : LeftOut(SAY("coordinates not readable")));
    } else if (type == "LineString") {
        auto points = Positions(coordinates);
        parts.push_back(points ? DrawnPart{DrawnPart::Kind::Line, std::move(*points), {}}
                               : LeftOut(SAY("coordinates not readable")));
    } else if (type == "Polygon" || type == "MultiPolygon") {
        parts.push_back(LeftOut(SAY("an area, not a line")));
    } else {
        parts.push_back(LeftOut(SAY("no line or point")));
    }
}

void AddFeature(ImportResult& result, const json& feature) {
    static const json none = json::object();
    const json* found = Member(feature, "properties");
    const json& properties = found && found->is_object() ? *found : none;
    const json* fieldValue = Member(properties, "field");
    // The number as the file writes it: a number past what a signed one
    // holds is no field either, and must not come out as another.
    const std::string fieldText =
        fieldValue && fieldValue->is_number_integer() ? fieldValue->dump() : std::string();
    std::string name = StringMember(properties, "name");
    if (name.empty())
        name = fieldText;
    // A field number out of 6..250 says nothing; the name may still.
    const int given = FieldFromName(fieldText);
    const std::optional<int> field = given != 0 ? std::optional(given) : std::nullopt;

    const json* geometry = Member(feature, "geometry");
    if (!geometry || geometry->is_null())
        return Skip(result, std::move(name), SAY("no point"));
    std::vector<DrawnPart> parts;
    CollectParts(*geometry, parts);
    const json* heading = Member(properties, "heading");
    // This program's exports say which points are pivots' centres.
    AddParts(result, name, JoinedAtAntimeridian(std::move(parts)),
             Position(Member(properties, "point")),
             heading && heading->is_number() ? std::optional(heading->get<double>()) : std::nullopt,
             field, StringMember(properties, "kind") == "circle");
}

// One value of the file built as a tree, event by event, with what it
// costs in memory counted as it grows.
class ValueBuilder {
  public:
    // False once the value would pass what it may cost.
    bool Add(json value, std::size_t& bytesLeft) {
        // A value's slot, a container's own block, an object member's node
        // and key, a string's text: more than each really takes.
        std::size_t cost = 32;
        if (value.is_structured())
            cost += 64;
        if (value.is_string())
            cost += 32 + value.get_ref<const std::string&>().size();
        if (!open_.empty() && open_.back()->is_object())
            cost += 64 + key_.size();
        if (cost > bytesLeft)
            return false;
        bytesLeft -= cost;
        cost_ += cost;
        const bool opens = value.is_structured();
        json* placed = &root_;
        if (open_.empty()) {
            root_ = std::move(value);
        } else if (open_.back()->is_array()) {
            open_.back()->push_back(std::move(value));
            placed = &open_.back()->back();
        } else {
            placed = &(*open_.back())[key_];
            *placed = std::move(value);
        }
        if (opens)
            open_.push_back(placed);
        return true;
    }
    void Key(std::string key) { key_ = std::move(key); }
    void Close() { open_.pop_back(); }
    bool Done() const { return open_.empty(); }
    json& Value() { return root_; }
    std::size_t Cost() const { return cost_; }

  private:
    json root_;
    std::vector<json*> open_;  // stable: only the innermost grows
    std::string key_;
    std::size_t cost_ = 0;
};

// Why a GeoJSON is not read; outside the class below, so that the
// translation tool files them with every other text of the logic.
constexpr const char* kNumberTooLarge =
    SAY("The file is not readable JSON: it holds a number too large to read.");
constexpr const char* kNotJson = SAY("The file is not readable JSON (at byte %1).");
constexpr const char* kNoFeatureList =
    SAY("The GeoJSON FeatureCollection has no list of features.");
constexpr const char* kNotGeoJson =
    SAY("The file is not GeoJSON: it holds no feature and no geometry.");
constexpr const char* kFeatureTooLarge =
    SAY("The GeoJSON file holds a feature larger than any line needs.");
constexpr const char* kJsonTooDeep =
    SAY("The GeoJSON file is nested more than %1 levels deep and is not read.");

// The events of the whole file. At the top, only "type", "features" and a
// feature's or geometry's own members are kept; each item of "features" is
// built, read and dropped.
class GeoJsonEvents final : public nlohmann::json_sax<json> {
  public:
    GeoJsonEvents(std::size_t textSize, const std::stop_token& stop)
        : bytesLeft_(kTreeBytesPerByte * textSize + kTreeBytesExtra), stop_(stop) {}

    bool null() override { return Value(nullptr); }
    bool boolean(bool value) override { return Value(value); }
    bool number_integer(number_integer_t value) override { return Value(value); }
    bool number_unsigned(number_unsigned_t value) override { return Value(value); }
    bool number_float(number_float_t value, const string_t&) override { return Value(value); }
    bool string(string_t& value) override {
        if (depth_ == 1 && rootObject_ && member_ == "type")
            type_ = value;
        return Value(std::move(value));
    }
    bool binary(binary_t&) override { return Value(nullptr); }
    bool start_object(std::size_t) override { return Open(json::object()); }
    bool start_array(std::size_t) override { return Open(json::array()); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool key(string_t& key) override {
        if (depth_ == 1)
            member_ = key;
        if (building_)
            building_->Key(std::move(key));
        return Polled();
    }
    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception& error) override {
        // 406: a number past what a double holds.
        failure_ =
            error.id == 406 ? Words(kNumberTooLarge) : Words{kNotJson, {std::to_string(position)}};
        return false;
    }

    // What the file held once every event is in, or why it will not come in.
    Result Outcome() {
        if (!failure_.empty())
            return Fail(failure_);
        if (type_ == "FeatureCollection") {
            if (!featuresListed_)
                return Fail(kNoFeatureList);
            return std::move(features_);
        }
        ImportResult result;
        if (type_ == "Feature") {
            json feature = json::object();
            for (auto& [key, value] : kept_)
                if (key != "coordinates" && key != "geometries")
                    feature[key] = std::move(value);
            AddFeature(result, feature);
        } else if (kept_.contains("coordinates") || kept_.contains("geometries")) {
            json geometry = {{"type", type_}};
            for (const char* key : {"coordinates", "geometries"})
                if (kept_.contains(key))
                    geometry[key] = std::move(kept_[key]);
            AddFeature(result, json{{"geometry", std::move(geometry)}});
        } else {
            return Fail(kNotGeoJson);
        }
        return result;
    }

  private:
    enum class Building { Feature, Member };

    bool Polled() {
        if ((++events_ & kStopPollMask) == 0 && stop_.stop_requested()) {
            failure_ = kStoppedText;
            return false;
        }
        return true;
    }

    // Where a value that starts here goes: into the one being built, or it
    // starts one, or it is only passed over.
    bool Value(json value) {
        if (!Polled())
            return false;
        const bool opens = value.is_structured();
        if (!building_) {
            if (depth_ == 0)
                rootObject_ = value.is_object();
            else if (depth_ == 1 && rootObject_ && member_ == "features") {
                featuresListed_ = value.is_array();
                features_ = ImportResult();
                inFeatures_ = featuresListed_;
            } else if (depth_ == 2 && inFeatures_)
                Start(Building::Feature);
            else if (depth_ == 1 && rootObject_ &&
                     (member_ == "geometry" || member_ == "properties" ||
                      member_ == "coordinates" || member_ == "geometries"))
                Start(Building::Member);
        }
        if (building_ && !building_->Add(std::move(value), bytesLeft_)) {
            failure_ = kFeatureTooLarge;
            return false;
        }
        if (opens) {
            ++depth_;
            return true;
        }
        return Finish();
    }

    bool Open(json container) {
        if (depth_ >= kMaxDepth) {
            failure_ = Words{kJsonTooDeep, {std::to_string(kMaxDepth)}};
            return false;
        }
        return Value(std::move(container));
    }

    bool Close() {
        --depth_;
        if (depth_ == 1)
            inFeatures_ = false;
        if (building_)
            building_->Close();
        return Finish();
    }

    void Start(Building what) {
        building_.emplace();
        what_ = what;
        keptMember_ = member_;
    }

    // A value built whole is read now; a member of the top is kept.
    bool Finish() {
        if (!building_ || !building_->Done())
            return true;
        if (what_ == Building::Feature) {
            AddFeature(features_, building_->Value());
            bytesLeft_ += building_->Cost();
        } else {
            kept_[keptMember_] = std::move(building_->Value());
        }
        building_.reset();
        return true;
    }

    std::size_t bytesLeft_;
    const std::stop_token& stop_;
    unsigned events_ = 0;
    int depth_ = 0;
    bool rootObject_ = false;
    std::string member_;  // the top's member being read
    std::string type_;
    bool featuresListed_ = false, inFeatures_ = false;
    ImportResult features_;
    std::optional<ValueBuilder> building_;
    Building what_ = Building::Feature;
    std::string keptMember_;
    std::map<std::string, json> kept_;
    Words failure_;
};

}  // namespace

std::variant<ImportResult, ImportFailure> ReadGeoJson(const std::string& text,
                                                      std::stop_token stop) {
    GeoJsonEvents events(text.size(), stop);
    json::sax_parse(text, &events);
    return events.Outcome();
}

}  // namespace swathkit
