#include "prefs/value_reading.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "foundation/values.h"

namespace prefs {

namespace {

bool isA(id value, const char* className) { return value && rt::isKindOfClass(value, objc_getClass(className)); }

const NSNumber* numberIn(id value) { return isA(value, "NSNumber") ? static_cast<const NSNumber*>(value) : nullptr; }

double realOf(const NSNumber& n) { return n.kind == NSNumber::Kind::Real ? n.real : double(n.integer); }

bool textIsYes(const std::string& text) {
  size_t i = text.find_first_not_of(" \t\n\r\f\v");
  if (i == std::string::npos) return false;
  if (std::string_view("YyTt").find(text[i]) != std::string_view::npos) return true;
  if (text[i] == '+' || text[i] == '-') ++i;
  while (i < text.size() && text[i] == '0') ++i;
  return i < text.size() && text[i] >= '1' && text[i] <= '9';
}

id dictionaryOf(plist_t node) {
  id dict = rt::autorelease(rt::create("NSMutableDictionary"));
  plist_dict_iter it = nullptr;
  plist_dict_new_iter(node, &it);
  while (it) {
    char* key = nullptr;
    plist_t value = nullptr;
    plist_dict_next_item(node, it, &key, &value);
    if (!key) break;
    if (id item = objectOf(value)) send<void>(dict, "setObject:forKey:"_sel, item, fnd::string(key));
    free(key);
  }
  free(it);
  return dict;
}

}  // namespace

bool boolOf(id value) {
  if (const NSNumber* n = numberIn(value)) return realOf(*n) != 0;
  if (isA(value, "NSString")) return textIsYes(fnd::utf8(value));
  return false;
}

// Numbers and strings convert as their own integerValue and doubleValue do.
long integerOf(id value) {
  return numberIn(value) || isA(value, "NSString") ? send<long>(value, "integerValue"_sel) : 0;
}

double doubleOf(id value) { return numberIn(value) || isA(value, "NSString") ? send<double>(value, "doubleValue"_sel) : 0; }

std::optional<std::string> stringOf(id value) {
  if (isA(value, "NSString")) return fnd::utf8(value);
  const NSNumber* n = numberIn(value);
  if (!n) return std::nullopt;
  if (n->kind != NSNumber::Kind::Real) return std::to_string(n->integer);
  char text[32];
  auto end = std::to_chars(text, text + sizeof text, n->real).ptr;
  return std::string(text, end);
}

bool isBoolean(id value) {
  const NSNumber* n = numberIn(value);
  return n && n->kind == NSNumber::Kind::Bool;
}

id objectOf(plist_t node) {
  switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
      uint8_t b = 0;
      plist_get_bool_val(node, &b);
      return fnd::boolean(b != 0);
    }
    case PLIST_UINT: {
      uint64_t v = 0;
      plist_get_uint_val(node, &v);
      return fnd::number(long(v));
    }
    case PLIST_REAL: {
      double v = 0;
      plist_get_real_val(node, &v);
      return fnd::number(v);
    }
    case PLIST_STRING: {
      char* text = nullptr;
      plist_get_string_val(node, &text);
      id s = fnd::string(text ? text : "");
      free(text);
      return s;
    }
    case PLIST_ARRAY: {
      std::vector<Ref<>> items;
      for (uint32_t i = 0; i < plist_array_get_size(node); ++i)
        if (id item = objectOf(plist_array_get_item(node, i))) items.push_back(Ref<>::retain(item));
      return fnd::array(std::move(items));
    }
    case PLIST_DICT:
      return dictionaryOf(node);
    default:
      return nil;
  }
}

}  // namespace prefs
