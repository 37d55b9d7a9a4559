// lvsim compare, and run --record and --expect, as a project's snapshot tests use them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "lvsim_process.h"
#include "png_probe.h"
#include "uikit/png_file.h"

namespace {

using namespace testing_support;

Args scenario() { return {sourceFile("scenarios/artwork-toggle.json").string(), "--png"}; }

std::string lastLine(const std::string& output) {
  size_t end = output.find_last_not_of('\n');
  return output.substr(output.rfind('\n', end) + 1, end - output.rfind('\n', end));
}

// References recorded over stale ones, then runs compared with them: the same run, and one
// that changes the layout; a picture, a report, a missing file, each compared alone.
TEST(LvsimCompare, ARunIsAlikeToItsReferencesAndAChangeIsListed) {
  const Args run = Args{"run"} + scenario();
  Folder dir;
  const std::string d = dir.path.string();
  fs::create_directory(dir.path / "refs");
  dir.write("refs/09-stale.png", "old");
  ASSERT_EQ(lvsim(run + Args{"--html", "--record", d + "/refs"}, true).output,
            d + "/refs/report.json: 2 snapshots\n" + d + "/refs/report.html: the inspector page\n");
  EXPECT_FALSE(fs::exists(dir.path / "refs/09-stale.png")) << "the references are replaced whole";
  EXPECT_EQ(lvsim(run + Args{"--html", "--record", d + "/refs"}).exitCode, 0) << "its own page is no stranger";
  const std::string refs = d + "/refs";
  fs::copy(dir.path / "refs", dir.path / "less");
  fs::remove(dir.path / "less/02-collapsed.png");
  const std::tuple<Args, int, std::string, std::string> cases[] = {
      {run + Args{"--out", d + "/same", "--expect", refs}, 0, "", "3 files compared: alike"},
      {run + Args{"--set", "CenterLabel=false", "--out", d + "/moved", "--expect", refs}, 1,
       "report.json: expanded: globals.CenterLabel: true -> false\n", "3 files compared: 19 differences in 3 files"},
      {{"compare", refs, d + "/moved", "--pixel-share", "0.01", "--number-tolerance", "1"}, 1,
       "UIStackView: missing with 8 views within", "3 files compared: 17 differences in 1 file"},
      {{"compare", d + "/refs/01-expanded.png", d + "/moved/01-expanded.png", "--diff", d + "/d"}, 1,
       "01-expanded.png: 17943 of 2962440 pixels differ (0.606 %), marked in " + d + "/d/01-expanded.png\n",
       "1 file compared: 1 difference in 1 file"},
      {{"compare", d + "/refs/report.json", d + "/same/report.json"}, 0, "", "1 file compared: alike"},
      {{"compare", refs, d + "/less"}, 1, "02-collapsed.png: missing\n", "3 files compared: 1 difference in 1 file"},
  };
  for (const auto& [command, exitCode, line, summary] : cases) {
    ProcessRun ran = lvsim(command, true);
    EXPECT_EQ(ran.exitCode, exitCode) << joined(command) << ": " << ran.output;
    EXPECT_NE(ran.output.find(line), std::string::npos) << joined(command) << ": " << ran.output;
    EXPECT_EQ(lastLine(ran.output), summary) << joined(command);
  }
  Png marked(dir.path / "moved/diff/01-expanded.png");
  EXPECT_TRUE(marked.ok() && marked.width() == 1170) << "the default folder for marked pictures";
  EXPECT_FALSE(fs::exists(dir.path / "refs/diff")) << "nothing written in EXPECTED";
  for (const fs::directory_entry& e : fs::directory_iterator(dir.path))
    EXPECT_NE(e.path().filename().string()[0], '.') << "the recording's hidden folder is gone";
}

// Every id "0/1/N…" (a view's, or one an object refers to) as it is once a view is inserted
// at 0/1/0.
void shiftCoverSheetIds(Json& json) {
  if (json.is_object() && json.contains("id") && json["id"].get<std::string>().starts_with("0/1/")) {
    std::string id = json["id"];
    size_t end = id.find('/', 4);
    json["id"] = "0/1/" + std::to_string(std::stoi(id.substr(4, end - 4)) + 1) + (end == std::string::npos ? "" : id.substr(end));
  }
  if (json.is_structured())
    for (Json& item : json) shiftCoverSheetIds(item);
}

// The references against hand-made outputs: a 6-point strip a library inserted above the
// hidden clock, a label's colour changed, a blot and a tint on a picture.
TEST(LvsimCompare, ViewsAlignAndFieldsRegionsAndColoursCanBeLeftOut) {
  Folder dir;
  const std::string d = dir.path.string() + "/";
  ASSERT_EQ(lvsim(Args{"run"} + scenario() + Args{"--out", d + "refs"}).exitCode, 0);
  Json report = readReport(dir.path / "refs");
  for (Json& snapshot : report["snapshots"]) {
    Json& cover = snapshot["tree"]["subviews"][1]["subviews"];
    cover[3]["hidden"] = true;
    cover[2]["textColor"][0] = 0.5;
    shiftCoverSheetIds(snapshot);
    cover.insert(cover.begin(), Json{{"id", "0/1/0"}, {"class", "UIView"}, {"frame", {0, 0, 390, 6}}, {"subviews", Json::array()}});
  }
  auto picture = uikit::readPngFile(dir.path / "refs/01-expanded.png");
  ASSERT_TRUE(picture);
  uikit::PngPixels blotted = picture.value(), tint = picture.value();
  for (long y = 900; y < 960; ++y)
    for (long x = 60; x < 120; ++x) blotted.rgba[size_t(y * blotted.width + x) * 4 + 1] ^= 0xff;
  for (size_t i = 0; i < tint.rgba.size(); i += 4) tint.rgba[i] = uint8_t(std::min(tint.rgba[i] + 3, 255));
  for (const char* side : {"strip", "blot", "tint"}) fs::copy(dir.path / "refs", dir.path / side);
  dir.write("strip/report.json", report.dump());
  ASSERT_TRUE(uikit::writePngFile(d + "blot/01-expanded.png", blotted) && uikit::writePngFile(d + "tint/01-expanded.png", tint));
  const Args strip = {"compare", d + "refs", d + "strip"}, blot = {"compare", d + "refs", d + "blot"};
  const std::tuple<Args, int, std::string> cases[] = {
      {strip, 1, "expanded: 0/1/0 UIView: added\nreport.json: expanded: 0/1/2 (now 0/1/3) textColor.red: 1 -> 0.5\n"
                 "report.json: expanded: 0/1/3 (now 0/1/4) hidden: false -> true\nreport.json: collapsed: 0/1/0 UIView: added\n"},
      {strip + Args{"--ignore", "hidden", "--ignore", "textColor"}, 1, "2 differences"},
      {strip + Args{"--ignore", "textColor.green"}, 1, "6 differences"},
      {strip + Args{"--ignore", "hooks", "--ignore", "library"}, 1, "6 differences"},
      {blot, 1, "3600 of 2962440 pixels differ"},
      {blot + Args{"--mask", "20,300,20,20"}, 0, "alike"},
      {blot + Args{"--mask", "20,300,10,20", "--mask", "0,0,1,1"}, 1, "1800 of 2960631 pixels differ"},
      {blot + Args{"--crop", "0/2"}, 0, "alike"},
      {blot + Args{"--crop", "0/1/4/0"}, 1, "3600 of 1610532 pixels differ"},
      {{"compare", d + "refs", d + "tint", "--channel-tolerance", "2"}, 1, "pixels differ"},
      {{"compare", d + "refs", d + "tint", "--delta-e", "2.5"}, 0, "alike"},
      {{"compare", d + "refs", d + "tint", "--delta-e", "0.1"}, 1, "pixels differ"},
  };
  for (const auto& [command, exitCode, text] : cases) {
    ProcessRun ran = lvsim(command, true);
    EXPECT_EQ(ran.exitCode, exitCode) << joined(command) << ": " << ran.output;
    EXPECT_NE(ran.output.find(text), std::string::npos) << joined(command) << ": " << ran.output;
  }
  const std::pair<Args, std::string> refused[] = {
      {strip + Args{"--ignore", "colour"}, "--ignore: expected a field of reports, as frame.x or textColor, got \"colour\""},
      {strip + Args{"--ignore", "frame.q"}, "got \"frame.q\""},
      {blot + Args{"--mask", "1,2,3"}, "--mask: expected X,Y,W,H in points, W and H not below 0, got \"1,2,3\""},
      {blot + Args{"--crop", "0/9"}, "01-expanded.png: --crop: no view \"0/9\" in the snapshot \"expanded\""},
      {blot + Args{"--crop", "1/2"}, "--crop: expected a view's id"},
      {blot + Args{"--delta-e", "0"}, "--delta-e: expected a number above 0, at most 100"},
  };
  for (const auto& [command, message] : refused) expectRefused(lvsim(command, true), message, command);
  const std::string pictureBytes = readFile(dir.path / "refs/01-expanded.png");
  ProcessRun recorded = lvsim(Args{"run"} + scenario() + Args{"--set", "CenterLabel=false", "--record", d + "refs",
                                                             "--record-failing", "--pixel-share", "0.01"});
  EXPECT_EQ(recorded.output, d + "refs/report.json: 2 snapshots\n" + d + "refs/report.json: recorded anew\n");
  EXPECT_EQ(readFile(dir.path / "refs/01-expanded.png"), pictureBytes) << "a passing reference keeps its bytes";
  EXPECT_EQ(readReport(dir.path / "refs")["settings"]["CenterLabel"], false);
}

TEST(LvsimCompare, WhatCannotBeComparedIsOneLineAndExitCodeTwo) {
  const Args run = Args{"run"} + scenario();
  Folder dir;
  const std::string d = dir.path.string() + "/";
  ASSERT_EQ(lvsim(run + Args{"--out", d + "refs"}).exitCode, 0);
  fs::create_directories(dir.path / "bad");
  fs::copy(dir.path / "refs", dir.path / "notpng");
  fs::copy(dir.path / "refs", dir.path / "notjson");
  dir.write("notpng/02-collapsed.png", "GIF89a");
  dir.write("notjson/report.json", "{\"snapshots\": [");
  fs::copy(dir.path / "refs", dir.path / "other");
  std::string report = readFile(dir.path / "refs/report.json");
  dir.write("other/report.json", report.replace(report.find("lumivane-report/1"), 17, "other-report/2"));
  dir.write("bad/notes.txt", "mine");
  fs::copy(dir.path / "refs", dir.path / "changed");
  fs::copy_file(dir.path / "refs/02-collapsed.png", dir.path / "changed/01-expanded.png", fs::copy_options::overwrite_existing);
  fs::create_directories(dir.path / "page/compare.html");
  const Args changed = {"compare", d + "refs", d + "changed"};
  const std::pair<Args, std::string> cases[] = {
      {Args{"compare", d + "refs", d + "none"}, d + "none: no such file or folder"},
      {Args{"compare", d + "bad", d + "refs"}, d + "bad: holds no pictures or reports to compare with"},
      {Args{"compare", d + "refs", d + "refs/report.json"}, "not a folder, as EXPECTED is"},
      {Args{"compare", d + "refs", d + "notpng"}, d + "notpng/02-collapsed.png: not a PNG image"},
      {Args{"compare", d + "notjson", d + "refs"}, d + "notjson/report.json: not valid JSON"},
      {Args{"compare", d + "refs", d + "other"}, d + "other/report.json: format: \"other-report/2\" is not \"lumivane-report/1\""},
      {Args{"compare", d + "refs", d + "refs", "--diff", d + "refs/d"}, "lies in EXPECTED"},
      {Args{"compare", d + "refs", d + "refs", "--channel-tolerance", "300"}, "--channel-tolerance: expected a whole number from 0 to 255, got \"300\""},
      {Args{"compare", d + "refs", d + "refs", "--channel-tolerance", "2.5"}, "got \"2.5\""},
      {changed + Args{"--pixel-share", "nan"}, "--pixel-share: expected a number from 0 to 1, got \"nan\""},
      {changed + Args{"--number-tolerance", "nan"}, "--number-tolerance: expected a number from 0 to 10000, got \"nan\""},
      {changed + Args{"--number-tolerance", "1e308"}, "got \"1e308\""},
      {changed + Args{"--diff", d + "bad/notes.txt"}, d + "bad/notes.txt: cannot make the folder"},
      {Args{"compare", d + "refs", d + "refs", "--html", "--diff", d + "page"}, d + "page/compare.html: is a folder"},
      {run + Args{"--record", d + "bad"}, d + "bad: holds \"notes.txt\", which is not a reference"},
      {run + Args{"--record", d + "new", "--out", d + "out"}, "excludes"},
      {run + Args{"--record", d + "refs", "--trace", d + "refs/t.txt"},
       d + "refs/t.txt: lies in " + d + "refs, which --record replaces"},
      {run + Args{"--record", d + "refs/", "--video", d + "refs/sub/v.mp4"}, d + "refs/sub/v.mp4: lies in"},
      {run + Args{"--out", d + "out", "--expect", d + "none"}, "no folder of references there"},
      {run + Args{"--out", d + "refs", "--expect", d + "refs"}, "the run would write over the references"},
  };
  for (const auto& [command, message] : cases) expectRefused(lvsim(command, true), message, command);
  EXPECT_EQ(readFile(dir.path / "bad/notes.txt"), "mine");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path / "refs"), {}), 3) << "the references as they were";
  EXPECT_FALSE(fs::exists(dir.path / "new") || fs::exists(dir.path / "out"));
}

}  // namespace
