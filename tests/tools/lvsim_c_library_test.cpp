// A library written in plain C against the device's headers, built by cc (blocks made by
// hand) and by clang -fblocks (block literals), loads and acts as it would on the phone.
#include <gtest/gtest.h>

#include "lvsim_process.h"

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

}  // namespace
