// A library written in plain C against the device's headers, built by cc (blocks made by
// hand) and by clang -fblocks (block literals), loads and acts as it would on the phone.
#include <gtest/gtest.h>

#include "lvsim_process.h"
#include "prefs/settings_file.h"

namespace {

using namespace testing_support;

TEST(LvsimCLibrary, HooksSendsBlocksAndAddedMethodsReachTheReport) {
  Folder dir;
  const std::string story = dir.write("s.json", R"({"steps": [
      {"play": {"title": "T", "artist": "A", "duration": 60}}, {"advance": 1}, {"snapshot": "after"}]})").string();
  for (const char* library : {C_LIBRARY_PATH, C_BLOCKS_LIBRARY_PATH}) {
    SCOPED_TRACE(library);
    const fs::path out = dir.path / fs::path(library).filename();
    Json report = runReport({story, "--library", library}, out);
    const Json* artwork = findClass(report["snapshots"][0]["tree"], "MRUArtworkView");
    ASSERT_TRUE(artwork);
    EXPECT_EQ((*artwork)["cornerRadius"], (*artwork)["frame"][2].get<double>() / 4) << "a CGRect result";
    EXPECT_EQ((*artwork)["alpha"], 0.75) << "a block's animation";
    EXPECT_EQ((*artwork)["clipsToBounds"], true) << "the completion sent the added method";

    ProcessRun hooks = lvsim({"hooks", "--json", "--library", library});
    EXPECT_EQ(Json::parse(hooks.output)["rows"], Json::parse(R"([
        {"group": 0, "row": 1, "kind": "replacement", "class": "MRUArtworkView", "name": "layoutSubviews", "installed": true},
        {"group": 0, "row": 2, "kind": "method", "class": "MRUArtworkView", "name": "lvc_finish", "installed": true}])"));
  }
}

// The library's own identifier, stored by --preferences (a binary file) and by --set over
// it, read back by each getter: "KEY: bool integer double string". Its HBPreferences
// setting "Rounded", stored off, leaves the corners square.
TEST(LvsimCLibrary, PreferencesOfAnyIdentifierReadAsTheDeviceReadsThem) {
  Folder dir;
  fs::create_directory(dir.path / "prefs");
  prefs::StoredValues stored;
  for (const auto& [key, text] : {std::pair("k0", "no"), {"k11", "-3"}, {"Rounded", "false"}})
    stored.set(key, prefs::valueFromText(text));
  stored.set("k10", prefs::PlistPtr(plist_new_array()));
  ASSERT_TRUE(prefs::writePreferencesFile(dir.path / "prefs/com.example.clib.plist", stored, prefs::PlistFormat::Binary));
  const std::pair<std::string, std::string> cases[] = {
      {"k0=YES", "k0: 1 0 0 YES"},    {"k1= 12abc", "k1: 1 12 12  12abc"}, {"k2=007", "k2: 1 7 7 7"},
      {"k3=-0.5", "k3: 1 0 -0.5 -0.5"}, {"k4=no", "k4: 0 0 0 no"},       {"k5=0", "k5: 0 0 0 0"},
      {"k6=true", "k6: 1 1 1 1"},     {"k7=t", "k7: 1 0 0 t"},             {"k8=", "k8: 0 0 0 \n"},
      {"k9=-007x", "k9: 1 -7 -7 -007x"}, {"", "k10: 0 0 0 (none)"},        {"", "k11: 1 -3 -3 -3"},
      {"k12=-1e30", "k12: 1 -9223372036854775808 -1e+30 -1e+30"}};
  const std::string story = dir.write("s.json", R"({"steps": [{"play": {"title": "T", "duration": 60}}, {"advance": 1},
      {"snapshot": "after"}]})").string();
  Args args = {"run", story, "--library", C_LIBRARY_PATH, "--preferences", (dir.path / "prefs").string(), "--out",
               (dir.path / "out").string()};
  for (const auto& [set, read] : cases)
    if (!set.empty()) args = args + Args{"--set", "com.example.clib:" + set};
  ProcessRun run = lvsim(args, true);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  for (const auto& [set, read] : cases) EXPECT_NE(run.output.find(read), std::string::npos) << read << "\n" << run.output;
  const Json report = readReport(dir.path / "out");
  const Json* artwork = findClass(report["snapshots"][0]["tree"], "MRUArtworkView");
  ASSERT_TRUE(artwork);
  EXPECT_EQ((*artwork)["cornerRadius"], 0);
}

}  // namespace
