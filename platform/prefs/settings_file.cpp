#include "prefs/settings_file.h"

#include <cstdlib>
#include <memory>

#include "foundation/atomic_file.h"
#include "foundation/file_contents.h"
#include "prefs/plist_bounds.h"

namespace prefs {

namespace {

// Settings files are a handful of keys; anything this large is not one.
constexpr size_t kMaxFileSize = 1 << 20;

SettingsError failure(const std::filesystem::path& path, std::string reason) {
  return SettingsError{path, std::move(reason)};
}

}  // namespace

fnd::Result<StoredValues, SettingsError> readPreferencesFile(const std::filesystem::path& path) {
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
  return StoredValues(std::move(owner));
}

fnd::Result<SettingsContents, SettingsError> readSettingsFile(const std::filesystem::path& path) {
  auto stored = readPreferencesFile(path);
  if (!stored) return stored.error();
  SettingsContents read;
  for (const std::string& key : stored.value().keys()) {
    plist_t value = stored.value().value(key);
    if (plist_get_node_type(value) != PLIST_BOOLEAN) {
      read.notBooleans.push_back(key);
      continue;
    }
    uint8_t b = 0;
    plist_get_bool_val(value, &b);
    read.values[key] = b != 0;
  }
  return read;
}

fnd::Result<void, SettingsError> writePreferencesFile(const std::filesystem::path& path, const StoredValues& values,
                                                      PlistFormat format) {
  char* bytes = nullptr;
  uint32_t length = 0;
  if (format == PlistFormat::Xml)
    plist_to_xml(values.dictionary(), &bytes, &length);
  else
    plist_to_bin(values.dictionary(), &bytes, &length);
  std::unique_ptr<char, void (*)(void*)> owner(bytes, free);
  if (!bytes) return SettingsError{path, "could not encode the property list"};

  auto written = fnd::writeFileAtomically(path.string(), std::string_view(bytes, length), fnd::Flush::Skip);
  if (!written) return SettingsError{path, "could not write the file: " + written.error().reason};
  return {};
}

void setBooleans(StoredValues& into, const BoolSettings& values) {
  for (const auto& [key, value] : values) into.set(key, PlistPtr(plist_new_bool(value)));
}

fnd::Result<void, SettingsError> writeSettingsFile(const std::filesystem::path& path,
                                                   const BoolSettings& values, PlistFormat format) {
  StoredValues stored;
  setBooleans(stored, values);
  return writePreferencesFile(path, stored, format);
}

}  // namespace prefs
