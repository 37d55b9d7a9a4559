// `lvsim run --png` and `lvsim demo`: the pictures beside the report, probed by regions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "lvsim_process.h"
#include "png_probe.h"
#include "schema_check.h"
#include "video_probe.h"

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
  Json report = runReport({scenario.string(), "--png"}, out.path);
  EXPECT_EQ(report["scenario"], "\uFFFD\uFFFD.json");
  for (const Json& s : report["snapshots"]) EXPECT_TRUE(Png(out.path / s["picture"].get<std::string>()).ok()) << s["picture"];
  const Json* artwork = findClass(report["snapshots"][0]["tree"], "MRUArtworkView");
  ASSERT_NE(artwork, nullptr);
  const std::vector<double> f = artwork->at("windowFrame");
  Png picture(out.path / report["snapshots"][0]["picture"].get<std::string>()), original(image);  // square
  for (auto [from, to] : {std::pair(0.05, 0.2), std::pair(0.4, 0.6), std::pair(0.8, 0.95)})
    EXPECT_LT(distance(picture.mean(f[0] + f[2] * from, f[1] + f[3] * from, f[0] + f[2] * to, f[1] + f[3] * to, 3),
                       original.mean(from, from, to, to, original.width())), 0.15) << "between " << from << " and " << to;
}

// A title of about 150,000 characters that alternates Latin and Hebrew word by word: set
// whole, Pango orders its direction runs in time that grows with the square of their
// number, minutes a picture; set in pieces, once, the run takes seconds.
TEST(LvsimRunPng, ALongTitleInTwoDirectionsIsSetInPiecesOnce) {
  Folder out;
  std::string title;
  while (title.size() < 200000) title += "night \u05DC\u05D9\u05DC\u05D4 ";
  fs::path scenario = out.write("s.json", R"({"settings": {"kEnabled": true}, "steps": [
      {"play": {"title": ")" + title + R"(", "duration": 60}}, {"advance": 1}, {"snapshot": "a"},
      {"advance": 2}, {"snapshot": "b"}]})");
  Json report = runReport({scenario.string(), "--png"}, out.path);
  ASSERT_EQ(report["snapshots"].size(), 2u);
  for (const Json& s : report["snapshots"]) EXPECT_TRUE(Png(out.path / s["picture"].get<std::string>()).ok()) << s["picture"];
}

// On every profile the status bar shows where the tree places it, and but for the small
// phone's home button the quick-action buttons (no torch on the tablet) and the home indicator. Two taps on the title bring the banner
// and the passcode prompt over the lock screen, sliding in, gone two seconds later.
TEST(LvsimRunPng, FurnitureOnEveryProfileAndThePromptThatAnswersAnUnlockRequest) {
  for (auto [profile, scale, buttons] : {std::tuple{"phone", 3, 2}, {"small-phone", 2, 0}, {"tablet", 2, 1}}) {
    Folder out;
    fs::path scenario = out.write("s.json", R"({"profile": ")" + std::string(profile) + R"(", "settings": {"kEnabled": true},
      "steps": [{"play": {"title": "T", "app": "com.example.player", "duration": 60}}, {"advance": 1}, {"snapshot": "before"},
        {"tap": "CBAutoScrollLabel"}, {"tap": "CBAutoScrollLabel"}, {"advance": 0.1}, {"snapshot": "sliding"},
        {"advance": 0.5}, {"snapshot": "shown"}, {"advance": 2}, {"snapshot": "gone"}]})");
    Json report = runReport({scenario.string(), "--png"}, out.path);
    std::vector<Png> at;
    for (const Json& s : report["snapshots"]) at.emplace_back(out.path / s["picture"].get<std::string>());
    const Png &before = at[0], &sliding = at[1], &shown = at[2], &gone = at[3];
    auto area = [&](const Png& p, std::vector<double> f, double dx, double dy, double w, double h) {
      return p.mean(f[0] + dx, f[1] + dy, f[0] + dx + w, f[1] + dy + h, scale);
    };
    auto frameOf = [&](int snapshot, const char* cls) {
      const Json* view = findClass(report["snapshots"][snapshot]["tree"], cls);
      return view ? view->at("windowFrame").get<std::vector<double>>() : std::vector<double>{};
    };
    SCOPED_TRACE(profile);
    const std::vector<double> button = frameOf(0, "CSQuickActionButton"), bar = frameOf(0, "SBStatusBarView");
    const std::vector<double> home = frameOf(0, "CSHomeAffordanceView"), signal = frameOf(0, "SBStatusBarIndicatorsView");
    ASSERT_EQ(button.size() + home.size(), buttons ? 8u : 0u);
    if (buttons) {
      EXPECT_EQ(button[0] < bar[2] / 2, buttons == 2) << "the first button is the torch, on the left";
      EXPECT_LT(brightness(area(before, button, 3, 22, 5, 6)), brightness(area(before, button, -8, 22, 5, 6)) - 0.05);
      EXPECT_GT(brightness(area(before, button, 22, 31, 6, 3)), 0.8) << "the glyph";
      EXPECT_GT(brightness(area(before, home, 40, 0, 50, 4)), brightness(area(before, home, 40, -8, 50, 4)) + 0.1);
    }
    EXPECT_GT(brightness(area(before, signal, 0, 6, 46, 6)), brightness(area(before, signal, -60, 6, 46, 6)) + 0.1);
    EXPECT_GT(brightness(area(before, bar, 26, 6, 30, 14)), brightness(area(before, bar, 100, 6, 30, 14)) + 0.05)
        << "the time";

    const std::vector<double> banner = frameOf(2, "SBBannerView"), prompt = frameOf(2, "SBUIPasscodeLockView");
    ASSERT_EQ(banner.size() + prompt.size(), 8u);
    const double foot = report["snapshots"][0]["tree"]["windowFrame"][3];
    const std::vector<double> keys{prompt[0], foot}, top{prompt[0], prompt[1]};
    EXPECT_LT(brightness(area(shown, banner, 0, 10, banner[2], 36)), brightness(area(before, banner, 0, 10, banner[2], 36)) - 0.15);
    for (const Png* p : {&sliding, &shown})
      EXPECT_LT(brightness(area(*p, keys, 0, -70, prompt[2], 20)), brightness(area(before, keys, 0, -70, prompt[2], 20)) - 0.15);
    EXPECT_LT(distance(area(sliding, top, 0, 4, prompt[2], 16), area(before, top, 0, 4, prompt[2], 16)), 0.05) << "on its way";
    EXPECT_LT(distance(area(gone, keys, 0, -70, prompt[2], 20), area(before, keys, 0, -70, prompt[2], 20)), 0.02);
    EXPECT_EQ(frameOf(3, "SBUIPasscodeLockView").size() + frameOf(3, "SBBannerView").size(), 0u);
    EXPECT_EQ(report["snapshots"][3]["events"]["unlockRequests"], 2);
  }
}

TEST(LvsimDemo, WritesEveryPictureTheSheetAndTheReportForTheProfileAndSettingsGiven) {
  Folder out;
  const fs::path d = out.path / "d";
  ProcessRun run = lvsim({"demo", "--profile", "small-phone", "--set", "ShowTime=true", "--out", d.string()}, true);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(d);
  EXPECT_EQ(schemaFaults("report", report), "") << "with captions";
  EXPECT_EQ(report["settings"], Json({{"ShowTime", true}, {"kEnabled", true}}));
  const Json& snapshots = report["snapshots"];
  ASSERT_EQ(snapshots.size(), 8u);
  for (const Json& s : snapshots) {
    EXPECT_TRUE(Png(d / s["picture"].get<std::string>()).ok()) << s["picture"];
    EXPECT_NE(run.output.find(s["picture"].get<std::string>()), std::string::npos) << "told as it is written";
  }
  EXPECT_EQ(Png(d / "01-playing.png").width(), 750) << "the small phone, two pixels to the point";
  Png sheet(d / "contact-sheet.png");
  EXPECT_GT(sheet.width(), 4 * 640) << "four moments to a row";
  EXPECT_GT(sheet.height(), 2 * (600 + 250)) << "two rows, a close-up of the platter under each picture";
  EXPECT_EQ(snapshots.back()["events"],
            Json({{"launches", Json::array({"com.example.player"})}, {"unlockRequests", 1}, {"haptics", 2}, {"nowPlayingRequests", 2}}));
  EXPECT_EQ(Json({snapshots[1]["caption"], snapshots[3]["caption"], snapshots[7]["caption"]}),
            Json({"The title scrolls: its marquee has moved.", "...over the blurred artwork background.",
                  "The title is tapped: com.example.player is launched and the unlock is requested."}));
  EXPECT_GE(lineCount(run.output), 20) << "a line per step";
  EXPECT_LT(brightness(Png(d / "08-launched.png").mean(60, 35, 315, 80, 2)),
            brightness(Png(d / "07-collapsed.png").mean(60, 35, 315, 80, 2)) - 0.15) << "the banner";
}

// With the library off, or loaded but disabled, the steps it would take are skipped and the
// captions say nothing happened; --before-after puts the one beside the other, each with its
// page and its recording at the same rate and scale. The trace is the library's alone.
TEST(LvsimDemo, CaptionsTellWhatHappenedAndBeforeAfterShowsTheLibraryOffBesideIt) {
  Folder out;
  const fs::path d = out.path / "d";
  ProcessRun run = lvsim({"demo", "--before-after", "--html", "--pretty", "--set", "kEnabled=false", "--out", d.string(),
                          "--trace", (out.path / "trace.txt").string(), "--video", (out.path / "v.mp4").string(),
                          "--fps", "2", "--scale", "0.1"},
                         true);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(fs::exists(out.path / "trace.txt") && !fs::exists(d / "library-off/trace.txt"));
  VideoProbe recorded = probeVideo(out.path / "v.mp4"), offRecorded = probeVideo(d / "library-off/v.mp4");
  EXPECT_EQ(std::tuple(offRecorded.width, offRecorded.frames), std::tuple(38, recorded.frames)) << "a tenth of a pixel a point, at 2 a second";
  for (const fs::path& folder : {d, d / "library-off"})
    EXPECT_EQ(readFile(folder / "report.json").substr(0, 4), "{\n  ") << "indented: " << folder;
  EXPECT_NE(run.output.find("skipped: tap CBAutoScrollLabel: no class named CBAutoScrollLabel"), std::string::npos);
  EXPECT_NE(run.output.find("skipped: tap CBAutoScrollLabel: no visible CBAutoScrollLabel"), std::string::npos);
  Json on = readReport(d), off = readReport(d / "library-off");
  EXPECT_EQ(Json({on["library"], off["library"]}), Json({"built", "none"}));
  const Json captions = Json::parse(R"(["A track with a long title plays.", "No marquee: the title keeps still.",
      "The artwork is tapped: it keeps its size.", "The artwork stays small.", "The scrubber is dragged and held: it keeps its size.",
      "Released: the scrubber settles at 2:31.", "The artwork is tapped again: it is small.", "The title is tapped: no app is launched."])");
  for (const Json* report : {&on, &off}) {
    Json told = Json::array();
    for (const Json& s : (*report)["snapshots"]) told.push_back(s["caption"]);
    EXPECT_EQ(told, captions) << (*report)["library"];
  }
  for (const fs::path& folder : {d, d / "library-off"})
    EXPECT_NE(readFile(folder / "report.html").find(captions[0].get<std::string>()), std::string::npos) << "the page holds the report";
  Png sheet(d / "contact-sheet.png");
  EXPECT_GT(sheet.width(), 8 * 640) << "the eight moments in a row";
  EXPECT_LT(sheet.height(), 3 * (600 + 250)) << "two rows: off, then on";
}

}  // namespace
