#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <string>
#include <vector>

#include "lvsim_process.h"
#include "png_probe.h"

namespace {

using namespace testing_support;

ProcessRun lvsimBoth(const std::string& args) { return lvsim(args, true); }

// The mean colour of the part of `view` between fractions `from` and `to` of its window
// frame, in a picture at `scale`.
Rgb meanOver(const Png& picture, const Json& view, double scale, double from, double to) {
  const Json& f = view["windowFrame"];
  double x = f[0], y = f[1], w = f[2], h = f[3];
  return picture.mean(int((x + w * from) * scale), int((y + h * from) * scale), int((x + w * to) * scale),
                      int((y + h * to) * scale));
}

// The same for a whole image, by fractions of its size.
Rgb meanOver(const Png& image, double from, double to) {
  return image.mean(int(image.width() * from), int(image.height() * from), int(image.width() * to),
                    int(image.height() * to));
}

double distance(Rgb a, Rgb b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

const Json& snapshotNamed(const Json& report, const std::string& name) {
  for (const Json& s : report["snapshots"])
    if (s["name"] == name) return s;
  static const Json none;
  ADD_FAILURE() << "no snapshot " << name;
  return none;
}

TEST(LvsimRunPng, APictureOfEverySnapshotBesideTheReport) {
  Folder out;
  ProcessRun run = lvsimBoth("run " + sourceFile("scenarios/expand-and-scrub.json").string() + " --png --out " +
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

  Png expanded(out.path / snapshotNamed(report, "expanded")["picture"].get<std::string>());
  Rgb corner = expanded.mean(0, 0, 60, 60);
  EXPECT_GT(corner.r + corner.g + corner.b, 0.3) << "the background is not black";
}

TEST(LvsimRunPng, TheEnlargedArtworkShowsTheImagesColours) {
  Folder out;
  fs::path image = sourceFile("scenarios/artwork.png");
  fs::path scenario = out.write("art.json", R"({"settings": {"kEnabled": true}, "steps": [
      {"play": {"title": "Harbour Lights", "duration": 215, "artwork": ")" + image.string() + R"("}},
      {"tap": "MRUArtworkView"}, {"advance": 1.0}, {"snapshot": "expanded"}]})");
  ProcessRun run = lvsimBoth("run " + scenario.string() + " --png --out " + out.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path);
  const Json& snapshot = report["snapshots"][0];
  const Json* artwork = findClass(snapshot["tree"], "MRUArtworkView");
  ASSERT_NE(artwork, nullptr);
  Png picture(out.path / snapshot["picture"].get<std::string>());
  Png original(image);
  for (auto [from, to] : {std::pair(0.05, 0.2), std::pair(0.4, 0.6), std::pair(0.8, 0.95)})
    EXPECT_LT(distance(meanOver(picture, *artwork, 3, from, to), meanOver(original, from, to)), 0.15)
        << "between " << from << " and " << to;
}

// A scenario whose file name is not UTF-8, snapshots named too long for a file or not in
// ASCII: the report takes the place of the old one, and every picture is written.
TEST(LvsimRunPng, NamesFromInputAlwaysMakeAReportAndPictures) {
  Folder out;
  fs::path scenario = out.write("\xff\xfe.json", R"({"steps": [{"snapshot": ")" + std::string(300, 'x') +
                                                    R"("}, {"snapshot": "夜のドライブ"}]})");
  out.write("report.json", "{}");
  ProcessRun run = lvsimBoth("run '" + scenario.string() + "' --png --out " + out.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path);
  EXPECT_EQ(report["scenario"], "\uFFFD\uFFFD.json");
  for (const Json& s : report["snapshots"]) EXPECT_TRUE(Png(out.path / s["picture"].get<std::string>()).ok()) << s["picture"];
}

TEST(LvsimRunPng, WithoutTheOptionNoPictures) {
  Folder out;
  ProcessRun run = lvsimBoth("run " + sourceFile("scenarios/expand-and-scrub.json").string() + " --out " + out.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  for (const auto& entry : fs::directory_iterator(out.path)) EXPECT_NE(entry.path().extension(), ".png");
  EXPECT_FALSE(readReport(out.path)["snapshots"][0].contains("picture"));
}

TEST(LvsimDemo, WritesEveryPictureTheSheetAndTheReport) {
  Folder out;
  ProcessRun run = lvsimBoth("demo --out " + (out.path / "d").string());
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
  Png playing(out.path / "d" / "01-playing.png");
  Rgb sky = playing.mean(0, 0, 60, 60), ground = playing.mean(0, playing.height() - 60, 60, playing.height());
  EXPECT_GT(sky.b, sky.r) << "the host's wallpaper: blue above";
  EXPECT_GT(ground.r, ground.b) << "warm below";
  Rgb plain = playing.mean(0, 450, 90, 750);
  Rgb behindTheArtwork = Png(out.path / "d" / "04-enlarged.png").mean(0, 450, 90, 750);
  EXPECT_LT(brightness(behindTheArtwork), brightness(plain) - 0.1) << "the blurred background darkens the wallpaper";
  Png sheet(out.path / "d" / "contact-sheet.png");
  ASSERT_TRUE(sheet.ok());
  EXPECT_GT(sheet.width(), 4 * 250) << "four moments to a row";
  EXPECT_GT(sheet.height(), 2 * 600) << "two rows";

  const Json& last = snapshots.back()["events"];
  EXPECT_EQ(last["launches"], Json({"com.example.player"}));
  EXPECT_EQ(last["unlockRequests"], 1);
  EXPECT_GE(std::count(run.output.begin(), run.output.end(), '\n'), 20) << "a line per step";
}

TEST(LvsimDemo, TheProfileAndSettingsAreTaken) {
  Folder out;
  ProcessRun run = lvsimBoth("demo --profile small-phone --set ShowBackground=false --out " + out.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path);
  EXPECT_EQ(report["profile"], "small-phone");
  EXPECT_EQ(report["settings"], Json({{"ShowBackground", false}, {"kEnabled", true}}));
  EXPECT_EQ(Png(out.path / "01-playing.png").width(), 750);
}

TEST(LvsimDemo, BadOptionsAndUnwritableFoldersAreOneLineAndExitCodeTwo) {
  Folder dir;
  fs::path file = dir.write("file", "not a folder");
  for (const std::string& args : std::vector<std::string>{"--profile watch", "--set kEnabled=maybe", "--set Nope=true", "--colour red", "--out " + (file / "d").string(),
        "--out " + file.string()}) {
    ProcessRun run = lvsimBoth("demo " + args);
    EXPECT_EQ(run.exitCode, 2) << args << ": " << run.output;
    EXPECT_EQ(run.output.rfind("lvsim: ", 0), 0u) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
  }
  EXPECT_FALSE(fs::exists(file.parent_path() / "report.json"));
}

}  // namespace
