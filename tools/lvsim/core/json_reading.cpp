#include "tools/lvsim/core/json_reading.h"

#include <vector>

#include "foundation/file_contents.h"

namespace lv::sim::json {

namespace {

constexpr size_t kMaxDepth = 64;
constexpr size_t kShownToken = 32;

// Builds the document as nlohmann's parser does, knowing at each value where it is, so
// that a repeated key, a number out of range or nesting too deep is refused at its place.
class DocumentBuilder : public nlohmann::json_sax<Json> {
 public:
  Json document;

  bool null() override { return put(nullptr); }
  bool boolean(bool value) override { return put(value); }
  bool number_integer(number_integer_t value) override { return put(value); }
  bool number_unsigned(number_unsigned_t value) override { return put(value); }
  bool number_float(number_float_t value, const string_t&) override { return put(value); }
  bool string(string_t& value) override { return put(std::move(value)); }
  bool binary(binary_t& value) override { return put(Json::binary(std::move(value))); }
  bool start_object(size_t) override { return open(Json::object()); }
  bool start_array(size_t) override { return open(Json::array()); }
  bool end_object() override { return close(); }
  bool end_array() override { return close(); }

  bool key(string_t& name) override {
    const Open& object = open_.back();
    if (object.value->contains(name)) object.place.fail("duplicate key " + inQuotes(name));
    key_ = std::move(name);
    return true;
  }

  bool parse_error(size_t, const std::string& token, const nlohmann::json::exception& e) override {
    if (e.id == 406) nextPlace().fail("number out of range: " + printable(token, kShownToken));
    // Past nlohmann's "[json.exception.parse_error.101] " tag: the position and the fault,
    // with the text it last read cut short.
    std::string what = e.what();
    what = what.substr(what.find("] ") + 2);
    if (size_t at = what.find(token); token.size() > kShownToken && at != std::string::npos)
      what.replace(at, token.size(), printable(token, kShownToken));
    throw InputError("not valid JSON: " + what);
  }

 private:
  struct Open {
    Json* value;
    Place place;
  };

  Place nextPlace() const {
    if (open_.empty()) return Place("");
    const Open& parent = open_.back();
    return parent.value->is_array() ? parent.place[parent.value->size()] : parent.place[key_];
  }

  Json* add(Json value) {
    if (open_.empty()) return &(document = std::move(value));
    Json& parent = *open_.back().value;
    if (!parent.is_array()) return &(parent[key_] = std::move(value));
    parent.push_back(std::move(value));
    return &parent.back();
  }

  bool put(Json value) {
    add(std::move(value));
    return true;
  }

  bool open(Json container) {
    Place place = nextPlace();
    if (open_.size() == kMaxDepth) place.fail("nested deeper than " + std::to_string(kMaxDepth) + " levels");
    open_.push_back({add(std::move(container)), place});
    return true;
  }

  bool close() {
    open_.pop_back();
    return true;
  }

  std::vector<Open> open_;  // the objects and arrays being filled, outermost first
  std::string key_;         // the key of the object's next value
};

}  // namespace

}  // namespace lv::sim::json

lv::sim::json::Json lv::sim::json::readJsonFile(const std::filesystem::path& file) {
  auto contents = fnd::readRegularFile(file, kMaxJsonBytes);
  if (!contents) throw InputError("cannot read the file: " + contents.error().reason);
  DocumentBuilder builder;
  Json::sax_parse(contents.value(), &builder);
  return std::move(builder.document);
}
