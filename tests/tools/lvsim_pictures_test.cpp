#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tools/lvsim_support.h"

namespace {

using namespace lvsim_support;

// Where a view is in a picture, in pixels: its window frame at the picture's scale.
struct Area {
  int x0, y0, x1, y1;
};

Area areaOf(const Json& view, double scale, double inset = 0.25) {
  const Json& f = view["windowFrame"];
  double x = f[0], y = f[1], w = f[2], h = f[3];
  return {int((x + w * inset) * scale), int((y + h * inset) * scale), int((x + w * (1 - inset)) * scale),
          int((y + h * (1 - inset)) * scale)};
}

double saturation(Rgb c) { return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}); }

const Json& snapshotNamed(const Json& report, const std::string& name) {
  for (const Json& s : report["snapshots"])
    if (s["name"] == name) return s;
  static const Json none;
  ADD_FAILURE() << "no snapshot " << name;
  return none;
}

TEST(LvsimRunPng, APictureOfEverySnapshotBesideTheReport) {
  Folder out;
  ProcessRun run = lvsim("run " + sourceFile("scenarios/expand-and-scrub.json").string() + " --png --out " +
                         out.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path);
  int number = 0;
  for (const Json& s : report["snapshots"]) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%02d-%s.png", ++number, s["name"].get<std::string>().c_str());
    ASSERT_EQ(s["picture"], expected);
    Png png(out.path / expected);
    ASSERT_TRUE(png.ok()) << expected;
    const Json& frame = s["tree"]["frame"];
    EXPECT_EQ(png.width(), int(frame[2]) * 3) << expected << ": the phone's scale";
    EXPECT_EQ(png.height(), int(frame[3]) * 3) << expected;
  }

  const Json& expanded = snapshotNamed(report, "expanded");
  const Json* artwork = findClass(expanded["tree"], "MRUArtworkView");
  ASSERT_NE(artwork, nullptr);
  Area a = areaOf(*artwork, 3);
  Png picture(out.path / expanded["picture"].get<std::string>());
  EXPECT_GT(saturation(picture.mean(a.x0, a.y0, a.x1, a.y1)), 0.3) << "the artwork's bright colours";
  Rgb corner = picture.mean(0, 0, 60, 60);
  EXPECT_GT(corner.r + corner.g + corner.b, 0.3) << "the wallpaper is not black";
}

TEST(LvsimRunPng, WithoutTheOptionNoPictures) {
  Folder out;
  ProcessRun run = lvsim("run " + sourceFile("scenarios/expand-and-scrub.json").string() + " --out " + out.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  for (const auto& entry : fs::directory_iterator(out.path)) EXPECT_NE(entry.path().extension(), ".png");
  EXPECT_FALSE(readReport(out.path)["snapshots"][0].contains("picture"));
}

TEST(LvsimDemo, WritesEveryPictureTheSheetAndTheReport) {
  Folder out;
  ProcessRun run = lvsim("demo --out " + (out.path / "d").string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path / "d");
  EXPECT_EQ(report["scenario"], "demo");
  EXPECT_EQ(report["settings"]["kEnabled"], true);
  const Json& snapshots = report["snapshots"];
  ASSERT_EQ(snapshots.size(), 8u);
  for (const Json& s : snapshots) {
    EXPECT_TRUE(Png(out.path / "d" / s["picture"].get<std::string>()).ok()) << s["picture"];
    EXPECT_NE(run.output.find(s["picture"].get<std::string>()), std::string::npos) << "told as it is written";
  }
  Png sheet(out.path / "d" / "contact-sheet.png");
  ASSERT_TRUE(sheet.ok());
  EXPECT_GT(sheet.width(), sheet.height()) << "the moments side by side";

  const Json& last = snapshots.back()["events"];
  EXPECT_EQ(last["launches"], Json({"com.example.player"}));
  EXPECT_EQ(last["unlockRequests"], 1);
  EXPECT_GE(std::count(run.output.begin(), run.output.end(), '\n'), 20) << "a line per step";
}

TEST(LvsimDemo, TheProfileAndSettingsAreTaken) {
  Folder out;
  ProcessRun run = lvsim("demo --profile small-phone --set ShowBackground=false --out " + out.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path);
  EXPECT_EQ(report["profile"], "small-phone");
  EXPECT_EQ(report["settings"], Json({{"ShowBackground", false}, {"kEnabled", true}}));
  EXPECT_EQ(Png(out.path / "01-playing.png").width(), 750);
}

TEST(LvsimDemo, BadOptionsAndUnwritableFoldersAreOneLineAndExitCodeTwo) {
  Folder dir;
  fs::path file = dir.write("file", "not a folder");
  for (const std::string& args :
       {"--profile watch", "--set kEnabled=maybe", "--set Nope=true", "--colour red", "--out " + (file / "d").string(),
        "--out " + file.string()}) {
    ProcessRun run = lvsim("demo " + args);
    EXPECT_EQ(run.exitCode, 2) << args << ": " << run.output;
    EXPECT_EQ(run.output.rfind("lvsim: ", 0), 0u) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
  }
  EXPECT_FALSE(fs::exists(file.parent_path() / "report.json"));
}

}  // namespace
