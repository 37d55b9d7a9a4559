#pragma once
// Reading the simulator's JSON input files (scenarios, live scripts): every fault is an
// InputError naming the place in the file, as `steps[2].play.artwork: expected a string`.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "tools/lvsim/core/echo.h"

namespace lv::sim {

struct InputError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

namespace json {

using Json = nlohmann::json;

// Where in the file a value sits, for messages: `steps[2].play.artwork`.
class Place {
 public:
  explicit Place(std::string path) : path_(std::move(path)) {}
  Place operator[](std::string_view key) const {
    std::string shown = printable(key, kKeyLimit);
    return Place(path_.empty() ? shown : path_ + "." + shown);
  }
  Place operator[](size_t index) const { return Place(path_ + "[" + std::to_string(index) + "]"); }
  [[noreturn]] void fail(const std::string& what) const {
    throw InputError(path_.empty() ? what : path_ + ": " + what);
  }
  const std::string& path() const { return path_; }

 private:
  static constexpr size_t kKeyLimit = 48;
  std::string path_;
};

inline void onlyKeys(const Json& object, const Place& at, std::initializer_list<std::string_view> known) {
  for (const auto& [key, value] : object.items()) {
    bool ok = false;
    for (std::string_view k : known) ok = ok || k == key;
    if (!ok) at.fail("unknown key " + inQuotes(key));
  }
}

// The key under which an editor finds a file's JSON Schema; readers accept it at the top
// and ignore its value, a string.
inline constexpr std::string_view kSchemaKey = "$schema";

inline void checkSchemaKey(const Json& root, const Place& top) {
  if (auto found = root.find(kSchemaKey); found != root.end() && !found->is_string())
    top[kSchemaKey].fail("expected a string");
}

inline const Json& require(const Json& object, std::string_view key, const Place& at) {
  auto found = object.find(key);
  if (found == object.end()) at.fail("missing key " + inQuotes(key));
  return *found;
}

inline std::string text(const Json& value, const Place& at) {
  if (!value.is_string()) at.fail("expected a string");
  return value.get<std::string>();
}

inline double number(const Json& value, const Place& at) {
  if (!value.is_number()) at.fail("expected a number");
  double n = value.get<double>();
  if (!std::isfinite(n)) at.fail("expected a finite number");
  return n;
}

// A whole number from `low` to `high`. JSON holds numbers beyond a long too: they are out
// of range, not wrapped.
inline long wholeNumber(const Json& value, const Place& at, long low, long high, std::string_view also = "") {
  bool within = value.is_number_unsigned() ? value.get<uint64_t>() <= uint64_t(high) && value.get<long>() >= low
                                           : value.is_number_integer() && value.get<long>() >= low && value.get<long>() <= high;
  if (!within)
    at.fail("expected a whole number from " + std::to_string(low) + " to " + std::to_string(high) + std::string(also));
  return value.get<long>();
}

// A place along a view's width or height: past its edges, but not so far that the point
// in the window overflows.
inline double fraction(const Json& value, const Place& at) {
  constexpr int kFurthest = 100;
  double n = number(value, at);
  if (std::abs(n) > kFurthest)
    at.fail("expected a fraction of the view's size from -" + std::to_string(kFurthest) + " to " +
            std::to_string(kFurthest));
  return n;
}

inline double nonNegative(const Json& value, const Place& at) {
  double n = number(value, at);
  if (n < 0) at.fail("expected a number of seconds, at least 0");
  return n;
}

// Times longer than this are refused: nothing the simulator shows runs for days.
inline constexpr double kMaxSeconds = 100 * 3600;

inline double duration(const Json& value, const Place& at) {
  double n = nonNegative(value, at);
  if (n > kMaxSeconds) at.fail("expected at most 360000 seconds (100 hours)");
  return n;
}

inline bool boolean(const Json& value, const Place& at) {
  if (!value.is_boolean()) at.fail("expected true or false");
  return value.get<bool>();
}

inline void mustBeTrue(const Json& value, const Place& at) {
  if (value != true) at.fail("expected true");
}

inline std::string optionalText(const Json& object, std::string_view key, const Place& at) {
  auto found = object.find(key);
  return found == object.end() ? "" : text(*found, at[key]);
}

// The largest JSON file read: scenarios, live scripts, and the reports lvsim writes.
inline constexpr size_t kMaxJsonBytes = 16u << 20;

// The file's JSON; InputError when it is not a regular file that can be read, is larger
// than 16 MB, is not JSON, nests deeper than 64 levels, repeats a key in an object or has
// a number beyond a double's range.
Json readJsonFile(const std::filesystem::path& file);

}  // namespace json
}  // namespace lv::sim
