#pragma once
// The basic value objects: NSString, NSNumber, NSArray, NSDictionary, NSSet and
// NSAttributedString, each an object of the runtime, plus C++ helpers to make and read
// them. Helpers named like `string(...)` return autoreleased objects (+0).
#include <Foundation/NSRange.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/runtime.h"

LV_STRUCT_ENCODING(NSRange, "_NSRange", &NSRange::location, &NSRange::length)

struct NSString : objc_object {
  std::string utf8;
  std::u16string utf16;  // kept beside the UTF-8 form: lengths and ranges are in UTF-16 units
};

// A string in static storage for the process, as the device's constant strings are, so
// that its address is data a library can link against. Made by fnd::setConstantString
// once the string classes exist; never counted, never destroyed.
union NSConstantString {
  NSString string;
  constexpr NSConstantString() {}
  ~NSConstantString() {}
};

struct NSNumber : objc_object {
  enum class Kind { Bool, Integer, Real } kind = Kind::Integer;
  long integer = 0;
  double real = 0;
};

struct NSArray : objc_object {
  std::vector<Ref<>> items;
};

struct NSDictionary : objc_object {
  std::vector<std::pair<Ref<>, Ref<>>> entries;  // keys compared by isEqual:
};

struct NSSet : objc_object {
  std::vector<Ref<>> items;  // in hash order
};

struct NSAttributedString : objc_object {
  Ref<> string;
  Ref<> attributes;
};

namespace fnd {

id string(std::string_view utf8);
id string(std::u16string_view utf16);
void setConstantString(NSConstantString& storage, std::string_view utf8);
std::string utf8(id string);  // "" for nil
id number(long value);
id number(double value);
id boolean(bool value);
id array(std::initializer_list<id> items);
id array(std::vector<Ref<>> items);
id dictionary(std::initializer_list<std::pair<id, id>> entries);
id attributedString(id string, id attributes = nullptr);

// Plain reads of value objects, for C++ callers that already know the class. A nil array
// has no items, as a message to nil answers nothing.
const std::vector<Ref<>>& arrayItems(id array);

}  // namespace fnd
