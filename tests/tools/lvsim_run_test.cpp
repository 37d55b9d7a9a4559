#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

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

TEST(LvsimRun, EveryExampleScenarioRuns) {
  for (const fs::directory_entry& entry : fs::directory_iterator(sourceFile("scenarios"))) {
    if (entry.path().extension() != ".json") continue;
    Folder out;
    ProcessRun run = lvsimRun(entry.path().string() + " --out " + out.path.string());
    EXPECT_EQ(run.exitCode, 0) << entry.path() << ": " << run.output;
    EXPECT_FALSE(readReport(out.path)["snapshots"].empty()) << entry.path();
  }
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

// The time controls' own labels and the labels the host writes, in subview order:
// elapsed, then remaining.
std::vector<std::string> textsOf(const Json& controls, const std::string& cls) {
  std::vector<std::string> texts;
  for (const Json& sub : controls["subviews"])
    if (sub["class"] == cls) texts.push_back(sub["text"]);
  return texts;
}

Json hostLabelTransforms(const Json& controls) {
  Json transforms = Json::array();
  for (const Json& sub : controls["subviews"])
    if (sub["class"] == "UILabel") transforms.push_back(sub["transform"]);
  return transforms;
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
  const std::vector<std::string> playing = {"0:03", "-3:32"};
  const std::vector<std::string> underTheFinger = {"1:47", "-1:47"};
  const std::vector<std::vector<std::string>> texts = {playing, underTheFinger, {"1:48", "-1:47"}};
  const Json rows[] = {identity, {1, 0, 0, 1.5, 0, 0}, identity};
  const Json hostLabels[] = {Json{identity, identity}, Json{squeezed, squeezed}, Json{identity, identity}};
  for (size_t i = 0; i < 3; ++i) {
    const Json* controls = findClass(snapshots[i]["tree"], "MRUNowPlayingTimeControlsView");
    ASSERT_NE(controls, nullptr);
    EXPECT_EQ(textsOf(*controls, "CBAutoScrollLabel"), texts[i]) << snapshots[i]["name"];
    EXPECT_EQ(textsOf(*controls, "UILabel"), texts[i]) << snapshots[i]["name"];
    EXPECT_EQ(controls->at("transform"), rows[i]) << snapshots[i]["name"];
    EXPECT_EQ(hostLabelTransforms(*controls), hostLabels[i]) << snapshots[i]["name"];
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
  EXPECT_EQ(textsOf(*stack, "CBAutoScrollLabel"), std::vector<std::string>({"Night Drive", "The Lanterns"}));
  EXPECT_EQ(stack->at("subviews")[0]["frame"][0], -0.5) << "centred at 112 while the artwork is small";

  const Json* expanded = findClass(snapshots[1]["tree"], "UIStackView");
  ASSERT_NE(expanded, nullptr);
  EXPECT_GT(expanded->at("subviews")[0]["frame"][0], 0) << "a short title is centred on the controls";
}

TEST(LvsimRun, FaultsAreOneLineExitCodeTwoAndNoReport) {
  Folder dir;
  const std::pair<const char*, const char*> cases[] = {
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
      {R"({"steps": [{"sizeClass": "tiny"}]})", "steps[0].sizeClass: expected \"compact\" or \"regular\""},
      {R"({"steps": [{"release": true}]})", "steps[0]: nothing to release"},
      {R"({"steps": [{"snapshot": "a", "stop": true}]})", "steps[0]: a step is an object with one key"},
      {R"({"steps": [{"tap": "NoSuchClass"}]})", "steps[0].tap: no class named \"NoSuchClass\""},
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
    EXPECT_FALSE(fs::exists(out / "report.json")) << text;
  }
  ProcessRun missing = lvsimRun((dir.path / "absent.json").string());
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.output.find("cannot read the file"), std::string::npos);
}

TEST(LvsimRun, AStepThatCannotBeTakenFailsWithoutAReport) {
  Folder dir;
  fs::path file = dir.write("s.json", R"({"steps": [{"snapshot": "a"}, {"tap": "MRUArtworkView"}]})");
  ProcessRun run = lvsimRun(file.string() + " --out " + dir.path.string());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("steps[1]: no visible MRUArtworkView"), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(dir.path / "report.json"));
}

}  // namespace
