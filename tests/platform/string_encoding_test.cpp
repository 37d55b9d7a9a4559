#include <gtest/gtest.h>

#include "foundation/values.h"

namespace {

std::u16string utf16Of(std::string_view bytes) { return static_cast<NSString*>(fnd::string(bytes))->utf16; }

TEST(StringEncoding, IllFormedUtf8BecomesReplacementCharactersWithoutLosingText) {
  EXPECT_EQ(utf16Of("\xC3" "A"), u"\uFFFDA");
  EXPECT_EQ(utf16Of("\xE2\x82" "F"), u"\uFFFDF");
  EXPECT_EQ(utf16Of("FF\xE2\x82"), u"FF\uFFFD");
  EXPECT_EQ(utf16Of("\x80\xBF" "1"), u"\uFFFD\uFFFD1");
  EXPECT_EQ(utf16Of("\xC0\x80"), u"\uFFFD");
  EXPECT_EQ(utf16Of("\xED\xA0\x80"), u"\uFFFD");
  EXPECT_EQ(utf16Of("\xF4\x90\x80\x80"), u"\uFFFD");
  EXPECT_EQ(utf16Of("\xF8\x88\x80\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(utf16Of("\xC3\xA9\xF0\x9F\x98\x80"), u"\u00E9\U0001F600");
}

TEST(StringEncoding, LoneSurrogatesHaveNoUtf8Form) {
  EXPECT_EQ(fnd::utf8(fnd::string(std::u16string_view(u"a\xD800" "b"))), "a\uFFFDb");
  EXPECT_EQ(fnd::utf8(fnd::string(std::u16string_view(u"\xDC00"))), "\uFFFD");
  EXPECT_EQ(fnd::utf8(fnd::string(std::u16string_view(u"\U0001F600"))), "\xF0\x9F\x98\x80");
}

}  // namespace
