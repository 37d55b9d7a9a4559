#include "prefs/stored_values.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace prefs {

StoredValues::StoredValues() : dict_(plist_new_dict()) {}

StoredValues::StoredValues(PlistPtr dictionary) : dict_(std::move(dictionary)) {}

StoredValues::StoredValues(const StoredValues& other) : dict_(plist_copy(other.dict_.get())) {}

StoredValues& StoredValues::operator=(const StoredValues& other) {
  if (this != &other) dict_.reset(plist_copy(other.dict_.get()));
  return *this;
}

plist_t StoredValues::value(const std::string& key) const { return plist_dict_get_item(dict_.get(), key.c_str()); }

void StoredValues::set(const std::string& key, PlistPtr value) {
  plist_dict_set_item(dict_.get(), key.c_str(), value.release());
}

std::vector<std::string> StoredValues::keys() const {
  std::vector<std::string> keys;
  plist_dict_iter it = nullptr;
  plist_dict_new_iter(dict_.get(), &it);
  if (!it) return keys;
  for (;;) {
    char* key = nullptr;
    plist_t value = nullptr;
    plist_dict_next_item(dict_.get(), it, &key, &value);
    if (!key) break;
    keys.emplace_back(key);
    free(key);
  }
  free(it);
  std::sort(keys.begin(), keys.end());
  return keys;
}

PlistPtr valueFromText(std::string_view text) {
  if (text == "true" || text == "false") return PlistPtr(plist_new_bool(text == "true"));
  std::string s(text);
  bool decimal = !s.empty() && s.find_first_not_of("+-0123456789.eE") == std::string::npos;
  if (decimal) {
    char* end = nullptr;
    errno = 0;
    long long whole = std::strtoll(s.c_str(), &end, 10);
    if (*end == '\0' && errno == 0) return PlistPtr(plist_new_uint(uint64_t(whole)));
    errno = 0;
    double real = std::strtod(s.c_str(), &end);
    if (*end == '\0' && errno == 0 && std::isfinite(real)) return PlistPtr(plist_new_real(real));
  }
  return PlistPtr(plist_new_string(s.c_str()));
}

}  // namespace prefs
