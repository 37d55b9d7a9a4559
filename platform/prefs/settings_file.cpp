#include "prefs/settings_file.h"

#include <plist/plist.h>

#include <cstdlib>
#include <cstring>
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

SettingsRead failure(const std::filesystem::path& path, std::string reason) {
  return SettingsRead{{}, SettingsError{path, std::move(reason)}};
}

// A key holding a NUL character (a binary list's UTF-16 key may) names no setting, and
// libplist aborts when asked for its text; written out as XML, such a key shows its NUL.
bool keyHoldsNul(plist_t key) {
  char* xml = nullptr;
  uint32_t length = 0;
  plist_to_xml(key, &xml, &length);
  std::unique_ptr<char, void (*)(void*)> owner(xml, free);
  return !xml || std::memchr(xml, '\0', length) != nullptr;
}

BoolSettings booleansOf(plist_t dict) {
  BoolSettings values;
  plist_dict_iter it = nullptr;
  plist_dict_new_iter(dict, &it);
  if (!it) return values;
  for (;;) {
    plist_t value = nullptr;
    plist_dict_next_item(dict, it, nullptr, &value);
    if (!value) break;
    plist_t key = plist_dict_item_get_key(value);
    if (plist_get_node_type(value) != PLIST_BOOLEAN || !key || keyHoldsNul(key)) continue;
    char* text = nullptr;
    plist_get_key_val(key, &text);
    std::unique_ptr<char, void (*)(void*)> owner(text, free);
    uint8_t b = 0;
    plist_get_bool_val(value, &b);
    if (text) values[text] = b != 0;
  }
  free(it);
  return values;
}

}  // namespace

SettingsRead readSettingsFile(const std::filesystem::path& path) {
  fnd::FileContents file = fnd::readRegularFile(path, kMaxFileSize);
  if (file.error) return failure(path, *file.error);
  const std::string& data = file.bytes;
  if (data.empty()) return failure(path, "empty file");

  if (auto problem = plistBoundsProblem(data)) return failure(path, *problem);
  plist_t root = nullptr;
  plist_from_memory(data.data(), uint32_t(data.size()), &root);
  PlistPtr owner(root);
  if (!root) return failure(path, "not a property list");
  if (plist_get_node_type(root) != PLIST_DICT) return failure(path, "top level is not a dictionary");
  return SettingsRead{booleansOf(root), std::nullopt};
}

std::optional<SettingsError> writeSettingsFile(const std::filesystem::path& path,
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

  if (auto failed = fnd::writeFileAtomically(path.string(), std::string_view(bytes, length), fnd::Flush::Skip))
    return SettingsError{path, "could not write the file: " + failed->reason};
  return std::nullopt;
}

}  // namespace prefs
