// `lvsim run` on the artwork scenario: the artwork's two states in the report.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "lvsim_process.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const Json* findClass(const Json& view, const std::string& cls) {
  if (view["class"] == cls) return &view;
  for (const Json& sub : view["subviews"])
    if (const Json* found = findClass(sub, cls)) return found;
  return nullptr;
}

// The cover sheet's background image view and blurred container, first in its subviews.
std::pair<bool, bool> backgroundsHidden(const Json& tree) {
  const Json& cover = *findClass(tree, "CSCoverSheetView");
  const Json& subviews = cover["subviews"];
  EXPECT_EQ(subviews[0]["class"], "UIImageView");
  EXPECT_EQ(findClass(subviews[1], "_UIBackdropView") != nullptr, true);
  return {subviews[0]["hidden"], subviews[1]["hidden"]};
}

TEST(LvsimArtwork, TapsExpandAndCollapseTheArtworkAndItsBackground) {
  std::string pattern = (fs::temp_directory_path() / "lvsim-artwork-XXXXXX").string();
  fs::path out = mkdtemp(pattern.data());
  fs::path scenario = fs::path(std::getenv("LV_SOURCE_DIR")) / "scenarios/artwork-toggle.json";
  testing_support::ProcessRun run = testing_support::lvsim("run " + scenario.string() + " --out " + out.string(), true);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = Json::parse(std::ifstream(out / "report.json"));
  fs::remove_all(out);

  const Json& expanded = report["snapshots"][0];
  const Json& collapsed = report["snapshots"][1];
  EXPECT_EQ(expanded["globals"]["Expanded"], true);
  EXPECT_EQ(findClass(expanded["tree"], "MRUArtworkView")->at("frame"), Json({34.5, -15, 290, 290}));
  EXPECT_EQ(backgroundsHidden(expanded["tree"]), std::pair(false, false));
  EXPECT_EQ(collapsed["globals"]["Expanded"], false);
  EXPECT_EQ(findClass(collapsed["tree"], "MRUArtworkView")->at("frame"), Json({22, 310, 70, 70}));
  EXPECT_EQ(backgroundsHidden(collapsed["tree"]), std::pair(true, true));
  EXPECT_EQ(collapsed["events"]["haptics"], 2);
}

}  // namespace
