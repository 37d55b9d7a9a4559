#include "foundation/scanner.h"

#include <climits>
#include <optional>
#include <string_view>

#include "foundation/character_set.h"
#include "foundation/values.h"
#include "runtime/class_setup.h"

namespace {

Class g_NSScanner;

NSScanner* asScanner(id self) { return static_cast<NSScanner*>(self); }

std::u16string_view textOf(NSScanner* scanner) {
  return scanner->string ? std::u16string_view(static_cast<NSString*>(scanner->string.get())->utf16)
                         : std::u16string_view();
}

std::optional<unsigned> hexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return unsigned(c - u'0');
  if (c >= u'a' && c <= u'f') return unsigned(c - u'a' + 10);
  if (c >= u'A' && c <= u'F') return unsigned(c - u'A' + 10);
  return std::nullopt;
}

size_t skipped(NSScanner* scanner, std::u16string_view text) {
  size_t at = scanner->scanLocation;
  while (at < text.size() && fnd::characterSetContains(scanner->charactersToBeSkipped.get(), text[at])) ++at;
  return at;
}

id NSScanner_initWithString(id self, SEL, id string) {
  NSScanner* scanner = asScanner(self);
  scanner->string = Ref<>::adopt(send<id>(string, "copy"_sel));
  scanner->charactersToBeSkipped =
      Ref<>::retain(send<id>(objc_getClass("NSCharacterSet"), "whitespaceAndNewlineCharacterSet"_sel));
  return self;
}

id NSScanner_scannerWithString(id cls, SEL, id string) {
  id scanner = send<id>(cls, "alloc"_sel);
  return rt::autorelease(NSScanner_initWithString(scanner, nullptr, string));
}

id NSScanner_string(id self, SEL) { return asScanner(self)->string.get(); }
NSUInteger NSScanner_scanLocation(id self, SEL) { return asScanner(self)->scanLocation; }

void NSScanner_setScanLocation(id self, SEL, NSUInteger location) {
  NSScanner* scanner = asScanner(self);
  if (location > textOf(scanner).size())
    rt::fatal("-[NSScanner setScanLocation:]: index " + std::to_string(location) + " beyond bounds");
  scanner->scanLocation = location;
}

id NSScanner_charactersToBeSkipped(id self, SEL) { return asScanner(self)->charactersToBeSkipped.get(); }
void NSScanner_setCharactersToBeSkipped(id self, SEL, id set) {
  asScanner(self)->charactersToBeSkipped = Ref<>::retain(set);
}

bool NSScanner_isAtEnd(id self, SEL) {
  NSScanner* scanner = asScanner(self);
  std::u16string_view text = textOf(scanner);
  return skipped(scanner, text) == text.size();
}

bool NSScanner_scanHexInt(id self, SEL, unsigned* result) {
  NSScanner* scanner = asScanner(self);
  std::u16string_view text = textOf(scanner);
  size_t at = skipped(scanner, text);
  bool prefixed = text.size() - at > 2 && text[at] == u'0' &&
                  (text[at + 1] == u'x' || text[at + 1] == u'X') && hexDigit(text[at + 2]);
  if (prefixed) at += 2;
  size_t start = at;
  unsigned long long value = 0;
  for (; at < text.size(); ++at) {
    std::optional<unsigned> digit = hexDigit(text[at]);
    if (!digit) break;
    value = std::min<unsigned long long>(value * 16 + *digit, UINT_MAX);
  }
  if (at == start) return false;
  scanner->scanLocation = at;
  if (result) *result = unsigned(value);
  return true;
}

}  // namespace

namespace fnd {

namespace {

void registerScannerClasses() {
  using rt::addClassMethod;
  using rt::addMethod;
  g_NSScanner = rt::defineClass<NSScanner>("NSScanner", "NSObject");
  addClassMethod(g_NSScanner, "scannerWithString:"_sel, NSScanner_scannerWithString);
  addMethod(g_NSScanner, "initWithString:"_sel, NSScanner_initWithString);
  addMethod(g_NSScanner, "string"_sel, NSScanner_string);
  addMethod(g_NSScanner, "scanLocation"_sel, NSScanner_scanLocation);
  addMethod(g_NSScanner, "setScanLocation:"_sel, NSScanner_setScanLocation);
  addMethod(g_NSScanner, "charactersToBeSkipped"_sel, NSScanner_charactersToBeSkipped);
  addMethod(g_NSScanner, "setCharactersToBeSkipped:"_sel, NSScanner_setCharactersToBeSkipped);
  addMethod(g_NSScanner, "isAtEnd"_sel, NSScanner_isAtEnd);
  addMethod(g_NSScanner, "scanHexInt:"_sel, NSScanner_scanHexInt, "B@:^I");
}

LV_CLASS_SETUP(registerScannerClasses);

}  // namespace

}  // namespace fnd
