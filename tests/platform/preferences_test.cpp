#include <gtest/gtest.h>
#include <plist/plist.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "foundation/values.h"
#include "prefs/preferences.h"
#include "support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;

std::string bigEndian(uint64_t value, int size) {
  std::string bytes;
  for (int i = size - 1; i >= 0; --i) bytes += char(value >> (8 * i));
  return bytes;
}

// A binary property list of `count` arrays, each holding `width` references to the next;
// the last holds none, or refers back to the first when `loop`.
std::string arrayChain(uint64_t count, int width, bool loop = false) {
  std::string bytes = "bplist00", offsets;
  for (uint64_t i = 0; i < count; ++i) {
    offsets += bigEndian(bytes.size(), 4);
    int refs = i + 1 < count || loop ? width : 0;
    bytes += char(0xA0 | refs);
    for (int r = 0; r < refs; ++r) bytes += bigEndian((i + 1) % count, 4);
  }
  return bytes + offsets + std::string(6, '\0') + "\x04\x04" + bigEndian(count, 8) + bigEndian(0, 8) +
         bigEndian(bytes.size(), 8);
}

std::string nestedXml(int depth) {
  std::string arrays;
  for (int i = 0; i < depth; ++i) arrays = "<array>" + arrays + "</array>";
  return "<plist><dict><key>k</key>" + arrays + "</dict></plist>";
}

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override { prefs::setSettingsDirectory(dir_.path); }
  void TearDown() override { prefs::setSettingsDirectory({}); }
  fs::path file(const char* identifier = "com.example.tweak") const { return dir_.path / (std::string(identifier) + ".plist"); }
  void writeRaw(const std::string& bytes) const { std::ofstream(file(), std::ios::binary) << bytes; }

  // Registers `key` with `def` against a fresh preferences object; returns what the
  // global holds afterwards (it starts as the opposite of the default).
  bool registered(const char* key, bool def, const char* identifier = "com.example.tweak") const {
    rt::AutoreleasePool pool;
    Ref<> p = rt::create(objc_getClass("HBPreferences"), "initWithIdentifier:"_sel, fnd::string(identifier));
    bool global = !def;
    send<void>(p, "registerBool:default:forKey:"_sel, &global, def, fnd::string(key));
    return global;
  }

  testing_support::Folder dir_;
};

TEST_F(PreferencesTest, StoredBooleansInXmlAndBinaryWinOverDefaults) {
  ASSERT_TRUE(prefs::writeSettingsFile(file(), {{"kEnabled", true}, {"ShowBackground", false}},
                                        prefs::PlistFormat::Xml));
  EXPECT_TRUE(registered("kEnabled", false));
  EXPECT_FALSE(registered("ShowBackground", true));
  EXPECT_TRUE(registered("HapticFeedback", true)) << "not stored: the default";
  EXPECT_FALSE(registered("ShowTime", false));

  ASSERT_TRUE(prefs::writeSettingsFile(file("com.example.binary"), {{"kEnabled", true}},
                                        prefs::PlistFormat::Binary));
  std::ifstream in(file("com.example.binary"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}).substr(0, 8), "bplist00");
  EXPECT_TRUE(registered("kEnabled", false, "com.example.binary"));
}

TEST_F(PreferencesTest, OtherValuesReadAsBooleansAsTheDeviceConvertsThem) {
  writeRaw(R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
  <key>kEnabled</key><string>true</string>
  <key>ShowTime</key><integer>1</integer>
  <key>CenterLabel</key><dict><key>x</key><true/></dict>
  <key>HapticFeedback</key><false/>
</dict></plist>)");
  EXPECT_TRUE(registered("kEnabled", false)) << "a string that says true";
  EXPECT_TRUE(registered("ShowTime", false)) << "a number not zero";
  EXPECT_FALSE(registered("CenterLabel", true)) << "a dictionary is stored, and is no";
  EXPECT_FALSE(registered("HapticFeedback", true));
  writeRaw(nestedXml(31));
  EXPECT_TRUE(prefs::readSettingsFile(file())) << "32 levels are within the bounds";

  // {"\u00e9\0": true, "HapticFeedback": true}, binary: a key holding a NUL.
  writeRaw(std::string("bplist00\xd2\x01\x02\x03\x04\x62\x00\xe9\x00\x00\x5eHapticFeedback\x09\x09\x08\x0d"
                       "\x12\x21\x22\0\0\0\0\0\0\x01\x01\0\0\0\0\0\0\0\x05\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x23",
                       72));
  EXPECT_FALSE(prefs::readSettingsFile(file())) << "refused, not read without the key";
}

TEST_F(PreferencesTest, UnusableFilesCountAsNothingStored) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "empty file"},
      {"not a property list at all", "not a property list"},
      {R"(<?xml version="1.0"?><plist version="1.0"><dict><key>kEnabled</key><true/>)", "not a property list"},
      {R"(<?xml version="1.0"?><plist version="1.0"><array><true/></array></plist>)",
       "top level is not a dictionary"},
      {std::string("bplist00\xd1\x01\x02", 10), "not a property list"},
      {std::string("bplist00") + std::string(40, '\xff'), "not a property list"},
      {arrayChain(110000, 1), "nested deeper than 32 levels"},
      {arrayChain(8, 14), "more than 65536 objects"},
      {arrayChain(2, 1, true), "an object contains itself"},
      {nestedXml(32), "nested deeper than 32 levels"},
  };
  for (const auto& [bytes, reason] : cases) {
    writeRaw(bytes);
    EXPECT_FALSE(registered("kEnabled", false)) << reason;
    EXPECT_TRUE(registered("ShowBackground", true));
    auto read = prefs::readSettingsFile(file());
    EXPECT_EQ(read ? "" : read.error().reason, reason);
  }
  fs::remove(file());
  fs::create_directory(file());
  EXPECT_FALSE(registered("kEnabled", false)) << "a folder where the file should be";
  EXPECT_EQ(prefs::readSettingsFile(file()).error().reason, "a folder, not a file");
}

TEST_F(PreferencesTest, BadIdentifiersArgumentsAndNoFolderAreHarmless) {
  Class cls = objc_getClass("HBPreferences");
  long before = rt::liveObjectCount();
  EXPECT_EQ(rt::create(cls, "initWithIdentifier:"_sel, nil).get(), nil);
  for (const char* bad : {"", "..", "../escape", "a/b"})
    EXPECT_EQ(rt::create(cls, "initWithIdentifier:"_sel, fnd::string(bad)).get(), nil) << bad;
  EXPECT_EQ(rt::liveObjectCount(), before + 4) << "only the autoreleased identifiers are alive";

  Ref<> p = rt::create(cls, "initWithIdentifier:"_sel, fnd::string("com.example.tweak"));
  send<void>(p, "registerBool:default:forKey:"_sel, static_cast<bool*>(nullptr), true, fnd::string("k"));
  bool global = false;
  send<void>(p, "registerBool:default:forKey:"_sel, &global, true, nil);
  EXPECT_TRUE(global);

  ASSERT_TRUE(prefs::writeSettingsFile(file(), {{"kEnabled", true}}));
  prefs::setSettingsDirectory({});
  EXPECT_TRUE(prefs::settingsFile("com.example.tweak").empty());
  EXPECT_FALSE(registered("kEnabled", false)) << "no settings folder: nothing stored";
}

}  // namespace
