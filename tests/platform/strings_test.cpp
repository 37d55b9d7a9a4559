#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "foundation/character_set.h"
#include "foundation/values.h"

namespace {

TEST(Scanner, ScanHexIntReadsLeadingDigitsAfterOptionalSpaceAndPrefix) {
  const struct { const char* text; bool found; unsigned value; NSUInteger location; } cases[] = {
      {"ff", true, 255, 2},          {" \t\n1A", true, 26, 5},   {"0x1f", true, 31, 4},
      {"0XAbC", true, 0xABC, 5},     {"1G", true, 1, 1},         {"F ", true, 15, 1},
      {"0X", true, 0, 1},            {"0xg", true, 0, 1},        {"00x1", true, 0, 2},
      {"FFFFFFFF", true, UINT_MAX, 8}, {"123456789ABC", true, UINT_MAX, 12},
      {"G1", false, 77, 0},          {"  ", false, 77, 0},       {"", false, 77, 0},
      {"x1", false, 77, 0},          {"-1", false, 77, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    id s = send<id>(objc_getClass("NSScanner"), "scannerWithString:"_sel, fnd::string(c.text));
    unsigned value = 77;
    EXPECT_EQ(send<bool>(s, "scanHexInt:"_sel, &value), c.found);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(send<NSUInteger>(s, "scanLocation"_sel), c.location);
  }
}

std::string trimmed(std::string_view text, id set) {
  return fnd::utf8(send<id>(fnd::string(text), "stringByTrimmingCharactersInSet:"_sel, set));
}

TEST(CharacterSet, TrimmingRemovesWhitespaceAndLineBreaksAtBothEnds) {
  id set = send<id>(objc_getClass("NSCharacterSet"), "whitespaceAndNewlineCharacterSet"_sel);
  EXPECT_EQ(trimmed(" \t\r\n#FF 8000\n ", set), "#FF 8000");
  EXPECT_EQ(trimmed("\u00A0\u2028\u3000FF\u0085\u2029\u000B", set), "FF");
  EXPECT_EQ(trimmed(" \n\t ", set), "");
  EXPECT_EQ(trimmed("", set), "");
  EXPECT_EQ(trimmed("\u200BFF", set), "\u200BFF");
  EXPECT_EQ(trimmed("  FF  ", nil), "  FF  ");
}

// Upper case maps all of Unicode, one character to several where it must.
TEST(StringCase, UppercaseMapsEveryScriptAndExpandsLigaturesAndSharpS) {
  const std::pair<const char*, const char*> cases[] = {
      {"#\uFB008000", "#FF8000"}, {"stra\u00DFe", "STRASSE"}, {"\uFB03", "FFI"},
      {"\u00E9\u0101\u03C9\u0434", "\u00C9\u0100\u03A9\u0414"}, {"\u01C6", "\u01C4"},
      {"\U0001F600a\u20AC", "\U0001F600A\u20AC"}, {"a\xF0", "A\uFFFD"}, {"", ""}};
  for (auto [text, upper] : cases) EXPECT_EQ(fnd::utf8(send<id>(fnd::string(text), "uppercaseString"_sel)), upper) << text;
}

std::u16string utf16Of(std::string_view bytes) { return static_cast<NSString*>(fnd::string(bytes))->utf16; }

// Ill-formed UTF-8 becomes replacement characters without losing the text around it; a lone
// surrogate has no UTF-8 form.
TEST(StringEncoding, IllFormedTextBecomesReplacementCharacters) {
  const std::pair<const char*, std::u16string_view> cases[] = {
      {"\xC3" "A", u"\uFFFDA"}, {"\xE2\x82" "F", u"\uFFFDF"}, {"FF\xE2\x82", u"FF\uFFFD"},
      {"\x80\xBF" "1", u"\uFFFD\uFFFD1"}, {"\xC0\x80", u"\uFFFD"}, {"\xED\xA0\x80", u"\uFFFD"},
      {"\xF4\x90\x80\x80", u"\uFFFD"}, {"\xF8\x88\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xC3\xA9\xF0\x9F\x98\x80", u"\u00E9\U0001F600"}};
  for (auto [bytes, utf16] : cases) EXPECT_EQ(utf16Of(bytes), utf16) << bytes;
  EXPECT_EQ(fnd::utf8(fnd::string(std::u16string_view(u"a\xD800" "b"))), "a\uFFFDb");
  EXPECT_EQ(fnd::utf8(fnd::string(std::u16string_view(u"\xDC00"))), "\uFFFD");
  EXPECT_EQ(fnd::utf8(fnd::string(std::u16string_view(u"\U0001F600"))), "\xF0\x9F\x98\x80");
}

}  // namespace
