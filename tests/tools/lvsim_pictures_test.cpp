// `lvsim run --png` and `lvsim demo`: the pictures beside the report, probed by regions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "lvsim_process.h"
#include "png_probe.h"

namespace {

using namespace testing_support;

double distance(Rgb a, Rgb b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

// A scenario whose file name is not UTF-8, snapshots named too long for a file or not in
// ASCII: the report takes the place of the old one, and every picture is written. In the
// first, the artwork's window frame, between fractions of its size, shows the same part of
// the image.
TEST(LvsimRunPng, TheEnlargedArtworkShowsTheImageAndNamesFromInputMakeAReportAndPictures) {
  Folder out;
  fs::path image = sourceFile("scenarios/artwork.png");
  fs::path scenario = out.write("\xff\xfe.json", R"({"settings": {"kEnabled": true}, "steps": [
      {"play": {"title": "Harbour Lights", "duration": 215, "artwork": ")" + image.string() + R"("}},
      {"tap": "MRUArtworkView"}, {"advance": 1.0}, {"snapshot": ")" + std::string(300, 'x') + R"("},
      {"snapshot": "夜のドライブ"}]})");
  out.write("report.json", "{}");
  Json report = runReport("'" + scenario.string() + "' --png", out.path);
  EXPECT_EQ(report["scenario"], "\uFFFD\uFFFD.json");
  for (const Json& s : report["snapshots"]) EXPECT_TRUE(Png(out.path / s["picture"].get<std::string>()).ok()) << s["picture"];
  const Json* artwork = findClass(report["snapshots"][0]["tree"], "MRUArtworkView");
  ASSERT_NE(artwork, nullptr);
  const std::vector<double> f = artwork->at("windowFrame");
  Png picture(out.path / report["snapshots"][0]["picture"].get<std::string>()), original(image);  // square
  for (auto [from, to] : {std::pair(0.05, 0.2), std::pair(0.4, 0.6), std::pair(0.8, 0.95)})
    EXPECT_LT(distance(picture.mean(f[0] + f[2] * from, f[1] + f[3] * from, f[0] + f[2] * to, f[1] + f[3] * to, 3),
                       original.mean(from, from, to, to, original.width())),
              0.15)
        << "between " << from << " and " << to;
}

TEST(LvsimDemo, WritesEveryPictureTheSheetAndTheReportForTheProfileAndSettingsGiven) {
  Folder out;
  const fs::path d = out.path / "d";
  ProcessRun run = lvsim("demo --profile small-phone --set ShowTime=true --out " + d.string(), true);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(d);
  EXPECT_EQ(report["profile"], "small-phone");
  EXPECT_EQ(report["settings"], Json({{"ShowTime", true}, {"kEnabled", true}}));
  const Json& snapshots = report["snapshots"];
  ASSERT_EQ(snapshots.size(), 8u);
  for (const Json& s : snapshots) {
    EXPECT_TRUE(Png(d / s["picture"].get<std::string>()).ok()) << s["picture"];
    EXPECT_NE(run.output.find(s["picture"].get<std::string>()), std::string::npos) << "told as it is written";
  }
  Png playing(d / "01-playing.png"), sheet(d / "contact-sheet.png");
  EXPECT_EQ(playing.width(), 750);
  EXPECT_LT(brightness(Png(d / "04-enlarged.png").mean(0, 450, 90, 750)), brightness(playing.mean(0, 450, 90, 750)) - 0.1)
      << "the blurred background darkens the wallpaper";
  EXPECT_GT(sheet.width(), 4 * 250) << "four moments to a row";
  EXPECT_GT(sheet.height(), 2 * 600) << "two rows";
  EXPECT_EQ(snapshots.back()["events"],
            Json({{"launches", Json::array({"com.example.player"})}, {"unlockRequests", 1}, {"haptics", 2}, {"nowPlayingRequests", 2}}));
  EXPECT_GE(lineCount(run.output), 20) << "a line per step";
}

}  // namespace
