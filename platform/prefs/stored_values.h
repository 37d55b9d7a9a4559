#pragma once
// The values stored under one preferences identifier: a property-list dictionary, kept as
// libplist's nodes so that every property-list type survives being read and written again.
#include <plist/plist.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace prefs {

struct PlistDeleter {
  void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<std::remove_pointer_t<plist_t>, PlistDeleter>;

class StoredValues {
 public:
  StoredValues();
  explicit StoredValues(PlistPtr dictionary);  // a dictionary node
  StoredValues(const StoredValues& other);
  StoredValues& operator=(const StoredValues& other);
  StoredValues(StoredValues&&) = default;
  StoredValues& operator=(StoredValues&&) = default;

  plist_t dictionary() const { return dict_.get(); }
  // The node stored for `key`, owned by this; null when none is.
  plist_t value(const std::string& key) const;
  void set(const std::string& key, PlistPtr value);
  // In name order.
  std::vector<std::string> keys() const;

 private:
  PlistPtr dict_;
};

// Stored values by identifier.
using Domains = std::map<std::string, StoredValues, std::less<>>;

// What a value given as text stores: "true" and "false" a boolean, a whole decimal number
// an integer, another decimal number a real, anything else (the empty text too) a string.
PlistPtr valueFromText(std::string_view text);

}  // namespace prefs
