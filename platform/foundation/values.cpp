#include "foundation/values.h"

#include <glib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

#include "foundation/utf8.h"
#include "runtime/class_setup.h"

namespace {

Class g_NSString, g_NSConstantString, g_NSNumber, g_NSArray, g_NSMutableArray, g_NSDictionary,
    g_NSMutableDictionary, g_NSSet, g_NSMutableSet, g_NSAttributedString;

std::u16string toUtf16(std::string_view s) {
  std::u16string out;
  for (size_t i = 0; i < s.size();) {
    fnd::Utf8Step step = fnd::utf8Step(s, i);
    i += step.length;
    char32_t cp = step.codePoint;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += char16_t(0xD800 + (cp >> 10));
      out += char16_t(0xDC00 + (cp & 0x3ff));
    } else {
      out += char16_t(cp);
    }
  }
  return out;
}

std::string toUtf8(std::u16string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[++i] - 0xDC00);
    else if (cp >= 0xD800 && cp < 0xE000)
      cp = 0xFFFD;  // a lone surrogate has no UTF-8 form
    if (cp < 0x80) {
      out += char(cp);
    } else if (cp < 0x800) {
      out += char(0xC0 | (cp >> 6));
      out += char(0x80 | (cp & 0x3f));
    } else if (cp < 0x10000) {
      out += char(0xE0 | (cp >> 12));
      out += char(0x80 | ((cp >> 6) & 0x3f));
      out += char(0x80 | (cp & 0x3f));
    } else {
      out += char(0xF0 | (cp >> 18));
      out += char(0x80 | ((cp >> 12) & 0x3f));
      out += char(0x80 | ((cp >> 6) & 0x3f));
      out += char(0x80 | (cp & 0x3f));
    }
  }
  return out;
}

NSString* asString(id s) { return static_cast<NSString*>(s); }

// An argument that must be a string and is some other object is a broken contract.
NSString* requireString(id s, std::string_view where) {
  if (!rt::isKindOfClass(s, g_NSString))
    rt::fatal(std::string(where) + ": an object of class " + class_getName(object_getClass(s)) + " is not a string");
  return asString(s);
}

id makeString(std::string_view utf8) {
  auto* s = static_cast<NSString*>(rt::allocateInstance(g_NSString));
  s->utf8 = utf8;
  s->utf16 = toUtf16(utf8);
  return s;
}

id makeString16(std::u16string_view utf16) {
  auto* s = static_cast<NSString*>(rt::allocateInstance(g_NSString));
  s->utf16 = utf16;
  s->utf8 = toUtf8(utf16);
  return s;
}

// NSString

id NSString_stringWithUTF8String(id, SEL, const char* text) {
  return text ? rt::autorelease(makeString(text)) : nullptr;
}
id NSString_string(id, SEL) { return rt::autorelease(makeString("")); }
const char* NSString_UTF8String(id self, SEL) { return asString(self)->utf8.c_str(); }
NSUInteger NSString_length(id self, SEL) { return asString(self)->utf16.size(); }
bool NSString_isEqualToString(id self, SEL, id other) {
  return other && rt::isKindOfClass(other, g_NSString) &&
         asString(self)->utf16 == asString(other)->utf16;
}
bool NSString_isEqual(id self, SEL, id other) { return NSString_isEqualToString(self, nullptr, other); }
NSUInteger NSString_hash(id self, SEL) { return std::hash<std::u16string>{}(asString(self)->utf16); }
id NSString_copy(id self, SEL) { return rt::retain(self); }
// Full Unicode case mapping, one character to several where Unicode says so (ß to SS).
// GLib follows LC_CTYPE only for Turkish and Lithuanian rules; nothing here sets a locale.
// It gets the text as the UTF-16 form reads, well formed whatever bytes made the string.
id NSString_uppercaseString(id self, SEL) {
  const std::string text = toUtf8(asString(self)->utf16);
  std::unique_ptr<gchar, decltype(&g_free)> up(g_utf8_strup(text.data(), gssize(text.size())), g_free);
  return rt::autorelease(makeString(up.get()));
}
bool NSString_hasPrefix(id self, SEL, id prefix) {
  if (!prefix) return false;
  const auto& s = asString(self)->utf16;
  const auto& p = requireString(prefix, "-[NSString hasPrefix:]")->utf16;
  return !p.empty() && s.compare(0, p.size(), p) == 0;
}
id NSString_substringFromIndex(id self, SEL, NSUInteger from) {
  const auto& s = asString(self)->utf16;
  if (from > s.size()) rt::fatal("-[NSString substringFromIndex:]: index out of bounds");
  return rt::autorelease(makeString16(std::u16string_view(s).substr(from)));
}
id NSString_substringWithRange(id self, SEL, NSRange range) {
  const auto& s = asString(self)->utf16;
  if (range.location > s.size() || range.length > s.size() - range.location)
    rt::fatal("-[NSString substringWithRange:]: range out of bounds");
  return rt::autorelease(makeString16(std::u16string_view(s).substr(range.location, range.length)));
}
float NSString_floatValue(id self, SEL) { return std::strtof(asString(self)->utf8.c_str(), nullptr); }
double NSString_doubleValue(id self, SEL) { return std::strtod(asString(self)->utf8.c_str(), nullptr); }
long NSString_integerValue(id self, SEL) { return std::strtol(asString(self)->utf8.c_str(), nullptr, 10); }

// NSNumber

NSNumber* newNumber() { return static_cast<NSNumber*>(rt::allocateInstance(g_NSNumber)); }
id NSNumber_numberWithBool(id, SEL, bool v) { return fnd::boolean(v); }
id NSNumber_numberWithLong(id, SEL, long v) { return fnd::number(v); }
id NSNumber_numberWithDouble(id, SEL, double v) { return fnd::number(v); }
double numberReal(id self) {
  auto* n = static_cast<NSNumber*>(self);
  return n->kind == NSNumber::Kind::Real ? n->real : double(n->integer);
}
// A real to an integer type as arm64's fcvtzs converts: toward zero, out-of-range values
// and infinities saturate to the type's limits, NaN is 0.
template <typename Integer>
Integer saturated(double real) {
  using Limits = std::numeric_limits<Integer>;
  if (std::isnan(real)) return 0;
  if (real <= double(Limits::lowest())) return Limits::lowest();
  if (real >= double(Limits::max())) return Limits::max();
  return Integer(real);
}
template <typename Integer>
Integer numberInteger(id self) {
  auto* n = static_cast<NSNumber*>(self);
  return n->kind == NSNumber::Kind::Real ? saturated<Integer>(n->real) : Integer(n->integer);
}
bool NSNumber_boolValue(id self, SEL) { return numberInteger<long>(self) != 0 || numberReal(self) != 0; }
double NSNumber_doubleValue(id self, SEL) { return numberReal(self); }
float NSNumber_floatValue(id self, SEL) { return float(numberReal(self)); }
long NSNumber_longValue(id self, SEL) { return numberInteger<long>(self); }
long NSNumber_integerValue(id self, SEL) { return numberInteger<long>(self); }
int NSNumber_intValue(id self, SEL) { return numberInteger<int>(self); }
bool NSNumber_isEqual(id self, SEL, id other) {
  return other && rt::isKindOfClass(other, g_NSNumber) && numberReal(self) == numberReal(other);
}
id NSNumber_copy(id self, SEL) { return rt::retain(self); }

// NSArray

NSArray* asArray(id a) { return static_cast<NSArray*>(a); }
id NSArray_array(id cls, SEL) { return rt::autorelease(rt::allocateInstance(reinterpret_cast<Class>(cls))); }
// A nil among the objects is a fatal error, as on the device.
id NSArray_arrayWithObjectsCount(id, SEL, const id* objects, NSUInteger count) {
  for (NSUInteger i = 0; i < count; ++i)
    if (!objects[i]) rt::fatal("+[NSArray arrayWithObjects:count:]: object at index " + std::to_string(i) + " is nil");
  return fnd::array(rt::retainAll(objects, objects + count));
}
NSUInteger NSArray_count(id self, SEL) { return asArray(self)->items.size(); }
id NSArray_objectAtIndex(id self, SEL, NSUInteger i) {
  auto& items = asArray(self)->items;
  if (i >= items.size()) rt::fatal("-[NSArray objectAtIndex:]: index " + std::to_string(i) +
                                   " beyond bounds [0 .. " + std::to_string(items.size()) + ")");
  return items[i].get();
}
id NSArray_firstObject(id self, SEL) {
  auto& items = asArray(self)->items;
  return items.empty() ? nullptr : items.front().get();
}
id NSArray_lastObject(id self, SEL) {
  auto& items = asArray(self)->items;
  return items.empty() ? nullptr : items.back().get();
}
bool NSArray_containsObject(id self, SEL, id obj) {
  for (const Ref<>& item : asArray(self)->items)
    if (send<bool>(item, "isEqual:"_sel, obj)) return true;
  return false;
}
id NSArray_copy(id self, SEL) { return rt::retain(fnd::array(asArray(self)->items)); }
void NSMutableArray_addObject(id self, SEL, id obj) {
  if (!obj) rt::fatal("-[NSMutableArray addObject:]: object cannot be nil");
  asArray(self)->items.push_back(Ref<>::retain(obj));
}
void NSMutableArray_removeObject(id self, SEL, id obj) {
  auto& items = asArray(self)->items;
  for (auto it = items.begin(); it != items.end();) {
    if (send<bool>(*it, "isEqual:"_sel, obj)) {
      Ref<> gone = std::move(*it);
      it = items.erase(it);
    } else {
      ++it;
    }
  }
}
void NSMutableArray_removeAllObjects(id self, SEL) {
  // Released once the array is empty, in case a dealloc looks at it.
  auto gone = std::exchange(asArray(self)->items, {});
}

// NSDictionary

NSDictionary* asDict(id d) { return static_cast<NSDictionary*>(d); }
id NSDictionary_objectForKey(id self, SEL, id key) {
  for (auto& [k, v] : asDict(self)->entries)
    if (send<bool>(k, "isEqual:"_sel, key)) return v.get();
  return nullptr;
}
NSUInteger NSDictionary_count(id self, SEL) { return asDict(self)->entries.size(); }
id NSDictionary_allKeys(id self, SEL) {
  std::vector<Ref<>> keys;
  for (auto& e : asDict(self)->entries) keys.push_back(e.first);
  return fnd::array(std::move(keys));
}
void NSMutableDictionary_setObjectForKey(id self, SEL, id value, id key) {
  if (!key || !value) rt::fatal("-[NSMutableDictionary setObject:forKey:]: nil key or value");
  for (auto& [k, v] : asDict(self)->entries) {
    if (send<bool>(k, "isEqual:"_sel, key)) {
      v = Ref<>::retain(value);
      return;
    }
  }
  asDict(self)->entries.emplace_back(Ref<>::adopt(send<id>(key, "copy"_sel)), Ref<>::retain(value));
}
id NSDictionary_copy(id self, SEL) { return rt::retain(self); }

// NSSet: members kept in the order of their hashes, as a hash table would give them.

NSSet* asSet(id s) { return static_cast<NSSet*>(s); }
id NSSet_setWithCapacity(id cls, SEL, NSUInteger) { return NSArray_array(cls, nullptr); }
void NSMutableSet_addObject(id self, SEL, id obj) {
  if (!obj) rt::fatal("-[NSMutableSet addObject:]: object cannot be nil");
  auto& items = asSet(self)->items;
  for (const Ref<>& item : items)
    if (send<bool>(item, "isEqual:"_sel, obj)) return;
  NSUInteger h = send<NSUInteger>(obj, "hash"_sel);
  auto at = std::find_if(items.begin(), items.end(),
                         [&](const Ref<>& item) { return send<NSUInteger>(item, "hash"_sel) > h; });
  items.insert(at, Ref<>::retain(obj));
}
NSUInteger NSSet_count(id self, SEL) { return asSet(self)->items.size(); }
id NSSet_allObjects(id self, SEL) { return fnd::array(asSet(self)->items); }
bool NSSet_containsObject(id self, SEL, id obj) {
  for (const Ref<>& item : asSet(self)->items)
    if (send<bool>(item, "isEqual:"_sel, obj)) return true;
  return false;
}

// NSAttributedString

NSAttributedString* asAttr(id a) { return static_cast<NSAttributedString*>(a); }
id NSAttributedString_initWithString(id self, SEL, id string) {
  asAttr(self)->string = Ref<>::adopt(send<id>(string, "copy"_sel));
  return self;
}
id NSAttributedString_initWithStringAttributes(id self, SEL, id string, id attributes) {
  NSAttributedString_initWithString(self, nullptr, string);
  asAttr(self)->attributes = Ref<>::retain(attributes);
  return self;
}
id NSAttributedString_string(id self, SEL) { return asAttr(self)->string.get(); }
id NSAttributedString_attributes(id self, SEL) { return asAttr(self)->attributes.get(); }
NSUInteger NSAttributedString_length(id self, SEL) {
  return send<NSUInteger>(asAttr(self)->string.get(), "length"_sel);
}
id NSAttributedString_copy(id self, SEL) { return rt::retain(self); }

}  // namespace

namespace fnd {

namespace {

void registerValueClasses() {
  using rt::addMethod;
  using rt::addClassMethod;
  g_NSString = rt::defineClass<NSString>("NSString", "NSObject");
  addClassMethod(g_NSString, "stringWithUTF8String:"_sel, NSString_stringWithUTF8String);
  addClassMethod(g_NSString, "string"_sel, NSString_string);
  addMethod(g_NSString, "UTF8String"_sel, NSString_UTF8String);
  addMethod(g_NSString, "length"_sel, NSString_length);
  addMethod(g_NSString, "isEqualToString:"_sel, NSString_isEqualToString);
  addMethod(g_NSString, "isEqual:"_sel, NSString_isEqual);
  addMethod(g_NSString, "hash"_sel, NSString_hash);
  addMethod(g_NSString, "copy"_sel, NSString_copy);
  addMethod(g_NSString, "uppercaseString"_sel, NSString_uppercaseString);
  addMethod(g_NSString, "hasPrefix:"_sel, NSString_hasPrefix);
  addMethod(g_NSString, "substringFromIndex:"_sel, NSString_substringFromIndex);
  addMethod(g_NSString, "substringWithRange:"_sel, NSString_substringWithRange);
  addMethod(g_NSString, "floatValue"_sel, NSString_floatValue);
  addMethod(g_NSString, "doubleValue"_sel, NSString_doubleValue);
  addMethod(g_NSString, "integerValue"_sel, NSString_integerValue);
  g_NSConstantString = rt::defineConstantClass("__NSCFConstantString", "NSString");

  g_NSNumber = rt::defineClass<NSNumber>("NSNumber", "NSObject");
  addClassMethod(g_NSNumber, "numberWithBool:"_sel, NSNumber_numberWithBool);
  addClassMethod(g_NSNumber, "numberWithLong:"_sel, NSNumber_numberWithLong);
  addClassMethod(g_NSNumber, "numberWithInteger:"_sel, NSNumber_numberWithLong);
  addClassMethod(g_NSNumber, "numberWithDouble:"_sel, NSNumber_numberWithDouble);
  addMethod(g_NSNumber, "boolValue"_sel, NSNumber_boolValue);
  addMethod(g_NSNumber, "doubleValue"_sel, NSNumber_doubleValue);
  addMethod(g_NSNumber, "floatValue"_sel, NSNumber_floatValue);
  addMethod(g_NSNumber, "longValue"_sel, NSNumber_longValue);
  addMethod(g_NSNumber, "integerValue"_sel, NSNumber_integerValue);
  addMethod(g_NSNumber, "intValue"_sel, NSNumber_intValue);
  addMethod(g_NSNumber, "isEqual:"_sel, NSNumber_isEqual);
  addMethod(g_NSNumber, "copy"_sel, NSNumber_copy);

  g_NSArray = rt::defineClass<NSArray>("NSArray", "NSObject");
  addClassMethod(g_NSArray, "array"_sel, NSArray_array);
  addClassMethod(g_NSArray, "arrayWithObjects:count:"_sel, NSArray_arrayWithObjectsCount);
  addMethod(g_NSArray, "count"_sel, NSArray_count);
  addMethod(g_NSArray, "objectAtIndex:"_sel, NSArray_objectAtIndex);
  addMethod(g_NSArray, "firstObject"_sel, NSArray_firstObject);
  addMethod(g_NSArray, "lastObject"_sel, NSArray_lastObject);
  addMethod(g_NSArray, "containsObject:"_sel, NSArray_containsObject);
  addMethod(g_NSArray, "copy"_sel, NSArray_copy);
  g_NSMutableArray = rt::defineClass<NSArray>("NSMutableArray", "NSArray");
  addMethod(g_NSMutableArray, "addObject:"_sel, NSMutableArray_addObject);
  addMethod(g_NSMutableArray, "removeObject:"_sel, NSMutableArray_removeObject);
  addMethod(g_NSMutableArray, "removeAllObjects"_sel, NSMutableArray_removeAllObjects);

  g_NSDictionary = rt::defineClass<NSDictionary>("NSDictionary", "NSObject");
  addClassMethod(g_NSDictionary, "dictionary"_sel, NSArray_array);
  addMethod(g_NSDictionary, "objectForKey:"_sel, NSDictionary_objectForKey);
  addMethod(g_NSDictionary, "count"_sel, NSDictionary_count);
  addMethod(g_NSDictionary, "allKeys"_sel, NSDictionary_allKeys);
  addMethod(g_NSDictionary, "copy"_sel, NSDictionary_copy);
  g_NSMutableDictionary = rt::defineClass<NSDictionary>("NSMutableDictionary", "NSDictionary");
  addMethod(g_NSMutableDictionary, "setObject:forKey:"_sel, NSMutableDictionary_setObjectForKey);

  g_NSSet = rt::defineClass<NSSet>("NSSet", "NSObject");
  addMethod(g_NSSet, "count"_sel, NSSet_count);
  addMethod(g_NSSet, "allObjects"_sel, NSSet_allObjects);
  addMethod(g_NSSet, "containsObject:"_sel, NSSet_containsObject);
  g_NSMutableSet = rt::defineClass<NSSet>("NSMutableSet", "NSSet");
  addClassMethod(g_NSMutableSet, "setWithCapacity:"_sel, NSSet_setWithCapacity);
  addMethod(g_NSMutableSet, "addObject:"_sel, NSMutableSet_addObject);

  g_NSAttributedString = rt::defineClass<NSAttributedString>("NSAttributedString", "NSObject");
  addMethod(g_NSAttributedString, "initWithString:"_sel, NSAttributedString_initWithString);
  addMethod(g_NSAttributedString, "initWithString:attributes:"_sel,
            NSAttributedString_initWithStringAttributes);
  addMethod(g_NSAttributedString, "string"_sel, NSAttributedString_string);
  addMethod(g_NSAttributedString, "attributes"_sel, NSAttributedString_attributes);
  addMethod(g_NSAttributedString, "length"_sel, NSAttributedString_length);
  addMethod(g_NSAttributedString, "copy"_sel, NSAttributedString_copy);
}

LV_CLASS_SETUP(registerValueClasses);

}  // namespace

id string(std::string_view utf8) { return rt::autorelease(makeString(utf8)); }

id string(std::u16string_view utf16) { return rt::autorelease(makeString16(utf16)); }

void setConstantString(NSConstantString& storage, std::string_view utf8) {
  NSString* s = new (&storage.string) NSString();
  s->isa = g_NSConstantString;
  s->utf8 = utf8;
  s->utf16 = toUtf16(utf8);
}

std::string utf8(id string) {
  if (!string) return {};
  return requireString(string, "fnd::utf8")->utf8;
}

id number(long value) {
  NSNumber* n = newNumber();
  n->kind = NSNumber::Kind::Integer;
  n->integer = value;
  return rt::autorelease(n);
}

id number(double value) {
  NSNumber* n = newNumber();
  n->kind = NSNumber::Kind::Real;
  n->real = value;
  return rt::autorelease(n);
}

id boolean(bool value) {
  NSNumber* n = newNumber();
  n->kind = NSNumber::Kind::Bool;
  n->integer = value;
  return rt::autorelease(n);
}

id array(std::vector<Ref<>> items) {
  auto* a = static_cast<NSArray*>(rt::allocateInstance(g_NSArray));
  a->items = std::move(items);
  return rt::autorelease(a);
}

id array(std::initializer_list<id> items) { return array(rt::retainAll(items.begin(), items.end())); }

id dictionary(std::initializer_list<std::pair<id, id>> entries) {
  id d = rt::autorelease(rt::allocateInstance(g_NSMutableDictionary));
  for (auto& [k, v] : entries) NSMutableDictionary_setObjectForKey(d, nullptr, v, k);
  return d;
}

id attributedString(id string, id attributes) {
  id a = rt::allocateInstance(g_NSAttributedString);
  NSAttributedString_initWithStringAttributes(a, nullptr, string, attributes);
  return rt::autorelease(a);
}

const std::vector<Ref<>>& arrayItems(id array) {
  static const std::vector<Ref<>> kNoItems;
  if (!array) return kNoItems;
  return asArray(array)->items;
}

}  // namespace fnd
