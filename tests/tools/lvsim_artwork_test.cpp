// `lvsim run` on the artwork scenario: the artwork's two states in the report.
#include <gtest/gtest.h>


#include "lvsim_process.h"

namespace {

using namespace testing_support;

// The cover sheet's background image view and blurred container, first in its subviews.
std::pair<bool, bool> backgroundsHidden(const Json& tree) {
  const Json& cover = *findClass(tree, "CSCoverSheetView");
  const Json& subviews = cover["subviews"];
  EXPECT_EQ(subviews[0]["class"], "UIImageView");
  EXPECT_EQ(findClass(subviews[1], "_UIBackdropView") != nullptr, true);
  return {subviews[0]["hidden"], subviews[1]["hidden"]};
}

TEST(LvsimArtwork, TapsExpandAndCollapseTheArtworkAndItsBackground) {
  Folder out;
  ProcessRun run = lvsim("run " + sourceFile("scenarios/artwork-toggle.json").string() + " --out " + out.path.string(), true);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path);

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
