#include "foundation/character_set.h"

#include "foundation/values.h"
#include "runtime/class_setup.h"

namespace {

using Ranges = std::vector<std::pair<char16_t, char16_t>>;

Class g_NSCharacterSet;

// Unicode general category Zs plus the tab, as the device defines white space.
const Ranges kWhitespace = {{u'\t', u'\t'},         {u' ', u' '},           {0x00A0, 0x00A0},
                            {0x1680, 0x1680},       {0x2000, 0x200A},       {0x202F, 0x202F},
                            {0x205F, 0x205F},       {0x3000, 0x3000}};
const Ranges kNewline = {{0x000A, 0x000D}, {0x0085, 0x0085}, {0x2028, 0x2029}};

id makeSet(Class cls, Ranges ranges) {
  auto* set = static_cast<NSCharacterSet*>(rt::allocateInstance(cls));
  set->ranges = std::move(ranges);
  return rt::autorelease(set);
}

id NSCharacterSet_whitespace(id cls, SEL) {
  return makeSet(reinterpret_cast<Class>(cls), kWhitespace);
}
id NSCharacterSet_newline(id cls, SEL) {
  return makeSet(reinterpret_cast<Class>(cls), kNewline);
}
id NSCharacterSet_whitespaceAndNewline(id cls, SEL) {
  Ranges both = kWhitespace;
  both.insert(both.end(), kNewline.begin(), kNewline.end());
  return makeSet(reinterpret_cast<Class>(cls), std::move(both));
}
id NSCharacterSet_withCharactersInString(id cls, SEL, id string) {
  Ranges ranges;
  if (string)
    for (char16_t c : static_cast<NSString*>(string)->utf16) ranges.emplace_back(c, c);
  return makeSet(reinterpret_cast<Class>(cls), std::move(ranges));
}
bool NSCharacterSet_characterIsMember(id self, SEL, unichar c) {
  return static_cast<NSCharacterSet*>(self)->contains(char16_t(c));
}
id NSCharacterSet_copy(id self, SEL) { return rt::retain(self); }

id NSString_stringByTrimmingCharactersInSet(id self, SEL, id set) {
  std::u16string_view text = static_cast<NSString*>(self)->utf16;
  size_t begin = 0, end = text.size();
  while (begin < end && fnd::characterSetContains(set, text[begin])) ++begin;
  while (end > begin && fnd::characterSetContains(set, text[end - 1])) --end;
  if (begin == 0 && end == text.size()) return self;
  return fnd::string(text.substr(begin, end - begin));
}

}  // namespace

namespace fnd {

bool characterSetContains(id set, char16_t c) {
  return set && static_cast<NSCharacterSet*>(set)->contains(c);
}

namespace {

void registerCharacterSetClasses() {
  using rt::addClassMethod;
  using rt::addMethod;
  g_NSCharacterSet = rt::defineClass<NSCharacterSet>("NSCharacterSet", "NSObject");
  addClassMethod(g_NSCharacterSet, "whitespaceCharacterSet"_sel, NSCharacterSet_whitespace);
  addClassMethod(g_NSCharacterSet, "newlineCharacterSet"_sel, NSCharacterSet_newline);
  addClassMethod(g_NSCharacterSet, "whitespaceAndNewlineCharacterSet"_sel,
                 NSCharacterSet_whitespaceAndNewline);
  addClassMethod(g_NSCharacterSet, "characterSetWithCharactersInString:"_sel,
                 NSCharacterSet_withCharactersInString);
  addMethod(g_NSCharacterSet, "characterIsMember:"_sel, NSCharacterSet_characterIsMember, "B@:S");
  addMethod(g_NSCharacterSet, "copy"_sel, NSCharacterSet_copy);

  addMethod(objc_getClass("NSString"), "stringByTrimmingCharactersInSet:"_sel,
            NSString_stringByTrimmingCharactersInSet);
}

LV_CLASS_SETUP(registerCharacterSetClasses, "NSString");

}  // namespace

}  // namespace fnd
