#include "prefs/settings_file.h"

#include <plist/plist.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "foundation/atomic_file.h"
#include "foundation/file_contents.h"
#include "prefs/plist_bounds.h"

namespace prefs {

namespace {

// Settings files are a handful of keys; anything this large is not one.
constexpr size_t kMaxFileSize = 1 << 20;

struct PlistDeleter {
  void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<std::remove_pointer_t<plist_t>, PlistDeleter>;

SettingsError failure(const std::filesystem::path& path, std::string reason) {
  return SettingsError{path, std::move(reason)};
}

SettingsContents contentsOf(plist_t dict) {
  SettingsContents read;
  plist_dict_iter it = nullptr;
  plist_dict_new_iter(dict, &it);
  if (!it) return read;
  for (;;) {
    plist_t value = nullptr;
    plist_dict_next_item(dict, it, nullptr, &value);
    if (!value) break;
    plist_t key = plist_dict_item_get_key(value);
    if (!key) continue;
    char* text = nullptr;
    plist_get_key_val(key, &text);
    std::unique_ptr<char, void (*)(void*)> owner(text, free);
    if (!text) continue;
    if (plist_get_node_type(value) != PLIST_BOOLEAN) {
      read.notBooleans.push_back(text);
      continue;
    }
    uint8_t b = 0;
    plist_get_bool_val(value, &b);
    read.values[text] = b != 0;
  }
  free(it);
  std::sort(read.notBooleans.begin(), read.notBooleans.end());
  return read;
}

}  // namespace

fnd::Result<SettingsContents, SettingsError> readSettingsFile(const std::filesystem::path& path) {
  auto file = fnd::readRegularFile(path, kMaxFileSize);
  if (!file) return failure(path, file.error().reason);
  const std::string& data = file.value();
  if (data.empty()) return failure(path, "empty file");

  if (auto problem = plistBoundsProblem(data)) return failure(path, *problem);
  plist_t root = nullptr;
  plist_from_memory(data.data(), uint32_t(data.size()), &root);
  PlistPtr owner(root);
  if (!root) return failure(path, "not a property list");
  if (plist_get_node_type(root) != PLIST_DICT) return failure(path, "top level is not a dictionary");
  return contentsOf(root);
}

fnd::Result<void, SettingsError> writeSettingsFile(const std::filesystem::path& path,
                                                   const BoolSettings& values, PlistFormat format) {
  PlistPtr dict(plist_new_dict());
  for (const auto& [key, value] : values) plist_dict_set_item(dict.get(), key.c_str(), plist_new_bool(value));
  char* bytes = nullptr;
  uint32_t length = 0;
  if (format == PlistFormat::Xml)
    plist_to_xml(dict.get(), &bytes, &length);
  else
    plist_to_bin(dict.get(), &bytes, &length);
  std::unique_ptr<char, void (*)(void*)> owner(bytes, free);
  if (!bytes) return SettingsError{path, "could not encode the property list"};

  auto written = fnd::writeFileAtomically(path.string(), std::string_view(bytes, length), fnd::Flush::Skip);
  if (!written) return SettingsError{path, "could not write the file: " + written.error().reason};
  return {};
}

}  // namespace prefs
