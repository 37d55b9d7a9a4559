#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "host/host_classes.h"
#include "lvsim_process.h"

namespace {

using namespace testing_support;

ProcessRun lvsimRun(const std::string& args) { return lvsim("run " + args, true); }

void expectViewShape(const Json& view) {
  for (const char* key : {"class", "frame", "windowFrame", "hidden", "alpha", "transform", "cornerRadius",
                          "maskedCorners", "clipsToBounds", "mask", "properties", "subviews"})
    ASSERT_TRUE(view.contains(key)) << key << " in " << view["class"];
  EXPECT_EQ(view["frame"].size(), 4u);
  EXPECT_EQ(view["transform"].size(), 6u);
  for (const Json& sub : view["subviews"]) expectViewShape(sub);
}

TEST(LvsimRun, TheSharedScenarioRunsAndReportsEverySnapshot) {
  Folder out;
  ProcessRun run = lvsimRun(sourceFile("scenarios/expand-and-scrub.json").string() + " --out " + (out.path / "r").string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path / "r");
  EXPECT_EQ(report["scenario"], "expand-and-scrub.json");
  EXPECT_EQ(report["profile"], "phone");
  EXPECT_EQ(report["system"], "15.0");
  EXPECT_EQ(report["settings"], Json({{"kEnabled", true}}));
  const Json& snapshots = report["snapshots"];
  ASSERT_EQ(snapshots.size(), 7u);
  std::vector<std::string> names;
  for (const Json& s : snapshots) names.push_back(s["name"]);
  EXPECT_EQ(names, (std::vector<std::string>{"playing", "expanding", "expanded", "scrubbing", "collapsed",
                                             "landscape", "stopped"}));
  EXPECT_EQ(snapshots[0]["time"], 1.0);
  EXPECT_EQ(snapshots[1]["time"], 1.25);
  for (const Json& s : snapshots) {
    EXPECT_EQ(s["globals"]["enabled"], true);
    for (const char* key : {"launches", "unlockRequests", "haptics", "nowPlayingRequests"})
      EXPECT_TRUE(s["events"].contains(key));
    expectViewShape(s["tree"]);
  }
  EXPECT_EQ(snapshots[0]["tree"]["class"], "UIWindow");
  EXPECT_NE(findClass(snapshots[0]["tree"], "CSAdjunctItemView"), nullptr);
  EXPECT_EQ(snapshots[5]["tree"]["frame"], Json({0, 0, 844, 390})) << "landscape";
  EXPECT_EQ(findClass(snapshots[6]["tree"], "CSAdjunctItemView"), nullptr) << "stopped";
}

TEST(LvsimRun, EveryExampleScenarioRunsAndRepeatsItsReportExactly) {
  for (const fs::directory_entry& entry : fs::directory_iterator(sourceFile("scenarios"))) {
    if (entry.path().extension() != ".json") continue;
    Folder out;
    for (const char* again : {"1", "2"}) {
      ProcessRun run = lvsimRun(entry.path().string() + " --out " + (out.path / again).string());
      EXPECT_EQ(run.exitCode, 0) << entry.path() << ": " << run.output;
    }
    EXPECT_FALSE(readReport(out.path / "1")["snapshots"].empty()) << entry.path();
    fs::path first = out.path / "1" / "report.json", second = out.path / "2" / "report.json";
    EXPECT_EQ(runCommand("cmp -s " + first.string() + " " + second.string()).exitCode, 0) << entry.path();
  }
  auto contents = [](const char* file) {
    std::ifstream in(sourceFile(file));
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_NE(contents("README.md").find("```json\n" + contents("scenarios/night-drive.json") + "```"), std::string::npos)
      << "the README's scenario is scenarios/night-drive.json";
}

TEST(LvsimRun, StepsOfEveryKindWithAPngArtwork) {
  Folder dir;
  fs::copy_file(sourceFile("scenarios/artwork.png"), dir.path / "art.png");
  fs::path file = dir.write("all.json", R"({
    "profile": "small-phone", "system": "14.8", "settings": {"kEnabled": false, "ShowTime": true},
    "without": ["CSFocusActivityView"],
    "steps": [
      {"play": {"title": "T", "artist": "A", "app": "com.example.player", "duration": 60, "artwork": "art.png"}},
      {"tap": [100, 300]}, {"tap": "MRUArtworkView"},
      {"drag": {"on": "MRUNowPlayingTimeControlsView", "from": 0.1, "to": 0.5}},
      {"advance": 2.5}, {"sizeClass": "compact"}, {"sizeClass": "regular"},
      {"snapshot": "end"}, {"stop": true}
    ]})");
  ProcessRun run = lvsimRun(file.string() + " --out " + dir.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(dir.path);
  EXPECT_EQ(report["profile"], "small-phone");
  EXPECT_EQ(report["system"], "14.8");
  EXPECT_EQ(report["without"], Json({"CSFocusActivityView"}));
  const Json& end = report["snapshots"][0];
  EXPECT_EQ(end["tree"]["frame"], Json({0, 0, 375, 667}));
  const Json* labels = findClass(end["tree"], "MRUNowPlayingTimeControlsView");
  ASSERT_NE(labels, nullptr);
  EXPECT_EQ(labels->at("subviews")[3]["text"], "0:32") << "scrubbed to half, then two and a half seconds";
}

// A value (at a JSON pointer) of each subview of a class, in subview order: for the time
// controls' own labels and the labels the host writes, elapsed, then remaining.
Json valuesOf(const Json& view, const std::string& cls, const char* pointer = "/text") {
  Json values = Json::array();
  for (const Json& sub : view["subviews"])
    if (sub["class"] == cls) values.push_back(sub[Json::json_pointer(pointer)]);
  return values;
}

TEST(LvsimRun, TimeLabelsFollowTheHostAndTheScrubberStretchesWhileDragged) {
  Folder out;
  ProcessRun run = lvsimRun(sourceFile("scenarios/scrub-time.json").string() + " --out " + out.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path);
  const Json& snapshots = report["snapshots"];
  ASSERT_EQ(snapshots.size(), 3u);
  const Json identity = {1, 0, 0, 1, 0, 0};
  const Json squeezed = {1, 0, 0, 0.7, 0, 0};
  const Json texts[] = {{"0:03", "-3:32"}, {"1:47", "-1:47"}, {"1:48", "-1:47"}};
  const Json rows[] = {identity, {1, 0, 0, 1.5, 0, 0}, identity};
  const Json hostLabels[] = {Json{identity, identity}, Json{squeezed, squeezed}, Json{identity, identity}};
  for (size_t i = 0; i < 3; ++i) {
    const Json* controls = findClass(snapshots[i]["tree"], "MRUNowPlayingTimeControlsView");
    ASSERT_NE(controls, nullptr);
    EXPECT_EQ(valuesOf(*controls, "CBAutoScrollLabel"), texts[i]) << snapshots[i]["name"];
    EXPECT_EQ(valuesOf(*controls, "UILabel"), texts[i]) << snapshots[i]["name"];
    EXPECT_EQ(controls->at("transform"), rows[i]) << snapshots[i]["name"];
    EXPECT_EQ(valuesOf(*controls, "UILabel", "/transform"), hostLabels[i]) << snapshots[i]["name"];
    if (i == 1) continue;
    EXPECT_EQ(valuesOf(*controls, "CBAutoScrollLabel", "/frame/3"), valuesOf(*controls, "UILabel", "/frame/3"))
        << "as tall as the host's labels at rest: " << snapshots[i]["name"];
  }
}

TEST(LvsimRun, HeaderStackShowsTheTrackAndMovesWithTheArtwork) {
  Folder out;
  ProcessRun run = lvsimRun(sourceFile("scenarios/night-drive.json").string() + " --out " + out.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(out.path);
  const Json& snapshots = report["snapshots"];
  const Json* header = findClass(snapshots[0]["tree"], "MRUNowPlayingHeaderView");
  ASSERT_NE(header, nullptr);
  const Json* stack = findClass(*header, "UIStackView");
  ASSERT_NE(stack, nullptr);
  EXPECT_EQ(valuesOf(*stack, "CBAutoScrollLabel"), Json({"Night Drive", "The Lanterns"}));
  EXPECT_EQ(stack->at("subviews")[0]["frame"][0], -0.5) << "centred at 112 while the artwork is small";

  const Json* expanded = findClass(snapshots[1]["tree"], "UIStackView");
  ASSERT_NE(expanded, nullptr);
  EXPECT_GT(expanded->at("subviews")[0]["frame"][0], 0) << "a short title is centred on the controls";
}

TEST(LvsimRun, FaultsAreOneLineExitCodeTwoAndNoReport) {
  Folder dir;
  const std::pair<std::string, const char*> cases[] = {
      {R"({"steps": [)", "not valid JSON"},
      {R"([1, 2])", "expected an object"},
      {R"({"steps": [{"jump": 1}]})", "steps[0]: unknown step \"jump\""},
      {R"({"steps": [], "colour": 1})", "unknown key \"colour\""},
      {R"({"profile": "phone"})", "missing key \"steps\""},
      {R"({"profile": "watch", "steps": []})", "profile: unknown profile \"watch\""},
      {R"({"system": "fifteen", "steps": []})", "system: expected a version"},
      {R"({"settings": {"kEnabld": true}, "steps": []})", "settings: unknown setting \"kEnabld\""},
      {R"({"settings": {"kEnabled": 1}, "steps": []})", "settings.kEnabled: expected true or false"},
      {R"({"without": ["Nothing"], "steps": []})", "without[0]: unknown host class \"Nothing\""},
      {R"({"steps": [{"play": {"title": "x", "duration": 3, "artwork": "missing.png"}}]})",
       "steps[0].play.artwork: cannot read the image \"missing.png\""},
      {R"({"steps": [{"play": {"title": "x", "duration": 3, "extra": 1}}]})", "steps[0].play: unknown key \"extra\""},
      {R"({"steps": [{"play": {"title": "x"}}]})", "steps[0].play: missing key \"duration\""},
      {R"({"steps": [{"advance": -1}]})", "steps[0].advance: expected a number of seconds"},
      {R"({"steps": [{"advance": 3000}, {"advance": 1e17}]})", "steps[1].advance: the advances of a story add up to at most 3600 seconds"},
      {R"({"steps": [{"tap": [1]}]})", "steps[0].tap: expected [X, Y] or a class name"},
      {R"({"steps": [{"drag": {"on": "UIView", "from": 0, "to": 1, "steps": 0}}]})", "steps[0].drag.steps"},
      {R"({"steps": [{"drag": {"from": 0.2, "to": [1, 2]}}]})", "steps[0].drag.from: expected [X, Y] in window"},
      {R"({"steps": [{"sizeClass": "tiny"}]})", "steps[0].sizeClass: expected \"compact\" or \"regular\""},
      {R"({"steps": [{"release": true}]})", "steps[0]: nothing to release"},
      {R"({"steps": [{"snapshot": "a", "stop": true}]})", "steps[0]: a step is an object with one key"},
      {R"({"steps": [{"tap": "NoSuchClass"}]})", "steps[0].tap: no class named \"NoSuchClass\""},
      {R"({"steps": [{"advance": 1e400}]})", "steps[0].advance: number out of range: 1e400"},
      {R"({"steps": [], "colour": -1e400})", "colour: number out of range"},
      {R"({"steps": [{"play": {"title": "a", "title": "b", "duration": 1}}]})", "steps[0].play: duplicate key \"title\""},
      {R"({"steps": [{"play": {"title": "x", "duration": 1e308}}]})", "steps[0].play.duration: expected at most 360000"},
      {std::string(100, '['), "nested deeper than 64 levels"},
      {R"({"steps": [{"\u001b[2J)" + std::string(100000, 'x') + R"(": 1}]})", "steps[0]: unknown step \"\\x1B[2Jxxx"},
  };
  int i = 0;
  for (const auto& [text, message] : cases) {
    fs::path file = dir.write("case" + std::to_string(i) + ".json", text);
    fs::path out = dir.path / ("out" + std::to_string(i++));
    ProcessRun run = lvsimRun(file.string() + " --out " + out.string());
    EXPECT_EQ(run.exitCode, 2) << text;
    EXPECT_EQ(run.output.rfind("lvsim: " + file.string() + ": ", 0), 0u) << run.output;
    EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
    EXPECT_LT(run.output.size(), 400u) << "echoed input is cut short";
    EXPECT_EQ(run.output.find('\x1b'), std::string::npos) << "and shown, not sent to the terminal";
    EXPECT_FALSE(fs::exists(out / "report.json")) << text;
  }
  ProcessRun missing = lvsimRun((dir.path / "absent.json").string());
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.output.find("cannot read the file"), std::string::npos);
}

uint32_t pngChecksum(const std::string& bytes) {
  uint32_t c = ~0u;
  for (unsigned char b : bytes)
    for (int k = 0; k < 8; ++k, b >>= 1) c = (c >> 1) ^ (0xEDB88320u & -((c ^ b) & 1u));
  return ~c;
}

// Files that are not what they stand for: one line, exit code 2 and no report, at once
// (a FIFO without a writer is not waited on).
TEST(LvsimRun, FilesThatAreNoScenarioScriptOrImageAreRefused) {
  Folder dir;
  std::ifstream in(sourceFile("scenarios/artwork.png"), std::ios::binary);
  std::string png((std::istreambuf_iterator<char>(in)), {}), badChecksum = png, huge = png;
  badChecksum[29] ^= 1;  // the header chunk's
  huge.replace(16, 8, std::string("\0\0\x4e\x20\0\0\x4e\x20", 8));  // 20000 × 20000
  uint32_t sum = pngChecksum(huge.substr(12, 17));
  for (int i = 0; i < 4; ++i) huge[29 + i] = char(sum >> (24 - 8 * i));
  dir.write("cut.png", png.substr(0, png.size() / 2));
  dir.write("signature.png", png.substr(0, 8));
  dir.write("checksum.png", badChecksum);
  dir.write("huge.png", huge);
  fs::create_directory(dir.path / "folder");
  std::string fifo = (dir.path / "fifo").string(), folder = (dir.path / "folder").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  auto withArtwork = [&](const std::string& name) {
    return dir.write(name + ".json", R"({"steps": [{"play": {"title": "x", "duration": 3, "artwork": ")" + name + R"("}}]})").string();
  };
  const std::pair<std::string, const char*> cases[] = {
      {"run " + withArtwork("cut.png"), "artwork: cannot read the image \"cut.png\": damaged PNG image"},
      {"run " + withArtwork("signature.png"), "damaged PNG image"},
      {"run " + withArtwork("checksum.png"), "damaged PNG image (IHDR: CRC error)"},
      {"run " + withArtwork("huge.png"), "20000 × 20000 pixels, more than the 8192 × 8192"},
      {"run " + withArtwork("fifo"), "cannot read the image \"fifo\": not a regular file"},
      {"run " + fifo, "cannot read the file: not a regular file"},
      {"run " + folder, "cannot read the file: a folder, not a file"},
      {"live --script " + fifo, "cannot read the file: not a regular file"},
      {"live --script " + folder, "cannot read the file: a folder, not a file"},
  };
  for (const auto& [args, message] : cases) {
    ProcessRun run = runCommand("timeout 60 " + std::string(LVSIM_PATH) + " " + args + " --out " + dir.path.string(), true);
    EXPECT_EQ(run.exitCode, 2) << args << ": " << run.output;
    EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
  }
  EXPECT_FALSE(fs::exists(dir.path / "report.json"));
}

// Pango's widths are ints that end near two million points: a title wider than that is
// still measured whole, and scrolls.
TEST(LvsimRun, ATitleMillionsOfPointsWideScrolls) {
  Folder dir;
  std::string title;
  for (int i = 0; i < 40000; ++i) title += "Long title ";
  fs::path file = dir.write("long.json", R"({"settings": {"kEnabled": true}, "steps": [{"play": {"title": ")" + title +
                                             R"(", "duration": 60}}, {"advance": 6}, {"snapshot": "s"}]})");
  ProcessRun run = lvsimRun(file.string() + " --out " + dir.path.string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  Json report = readReport(dir.path);
  const Json& scroll = findClass(report["snapshots"][0]["tree"], "CBAutoScrollLabel")->at("subviews")[0];
  EXPECT_GT(scroll["contentSize"][0], 3e6);
  EXPECT_GT(scroll["presentation"]["contentOffset"][0], 0);
}

// A host without any one of its classes lives through a day of use and leaves no
// settings folder behind.
TEST(LvsimRun, EveryHostClassMayBeMissing) {
  Folder dir;
  fs::create_directory(dir.path / "tmp");
  for (const host::HostClass& c : host::hostClasses()) {
    std::string name(c.name);
    fs::path file = dir.write(name + ".json", R"({"settings": {"kEnabled": true}, "without": [")" + name + R"("],
      "steps": [{"play": {"title": "A title too long to fit beside the artwork", "duration": 60}}, {"advance": 1},
        {"tap": [235, 490]}, {"tap": [67, 507]}, {"drag": {"on": "UIWindow", "from": 0.2, "to": 0.7}},
        {"stop": true}, {"play": {"title": "Again", "duration": 30}}, {"advance": 1}, {"snapshot": "again"}]})");
    ProcessRun run = runCommand("TMPDIR=" + (dir.path / "tmp").string() + " " + LVSIM_PATH + " run " + file.string() +
                                    " --out " + (dir.path / name).string(),
                                true);
    EXPECT_EQ(run.exitCode, 0) << name << ": " << run.output;
    EXPECT_TRUE(fs::exists(dir.path / name / "report.json")) << name;
  }
  EXPECT_TRUE(fs::is_empty(dir.path / "tmp"));
}

// Turned to landscape, the platter lies below the window until the list is dragged up.
TEST(LvsimRun, AStepThatCannotBeTakenFailsWithoutAReport) {
  Folder dir;
  const std::string landscape = R"({"play": {"title": "T", "duration": 60}}, {"sizeClass": "compact"}, )";
  const std::string dragUp = R"({"drag": {"from": [422, 340], "to": [422, 40]}}, )";
  const std::pair<std::string, const char*> cases[] = {
      {R"({"snapshot": "a"}, {"tap": "MRUArtworkView"})", "steps[1]: no visible MRUArtworkView"},
      {landscape + R"({"tap": "MRUArtworkView"})", "steps[2]: no visible MRUArtworkView"},
      {landscape + R"({"tap": [195, 420]})", "steps[2]: (195, 420) lies outside the window (844 x 390 points)"},
      {landscape + R"({"drag": {"from": [422, 400], "to": [422, 40]}})", "steps[2]: (422, 400) lies outside"},
      {landscape + dragUp + R"({"tap": "MRUArtworkView"}, {"snapshot": "up"})", nullptr}};
  for (const auto& [steps, message] : cases) {
    fs::path file = dir.write("s.json", R"({"settings": {"kEnabled": true}, "steps": [)" + steps + "]}");
    ProcessRun run = lvsimRun(file.string() + " --out " + dir.path.string());
    EXPECT_EQ(run.exitCode, message ? 1 : 0) << steps << run.output;
    EXPECT_NE(run.output.find(message ? message : "1 snapshots"), std::string::npos) << run.output;
    EXPECT_EQ(fs::exists(dir.path / "report.json"), !message) << steps;
  }
  Json report = readReport(dir.path);
  const Json* list = findClass(report["snapshots"][0]["tree"], "UIScrollView");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->at("contentOffset"), Json({0, 300}));
}

}  // namespace
