#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "host/host_classes.h"
#include "lvsim_process.h"
#include "prefs/settings_file.h"
#include "png_probe.h"
#include "schema_check.h"

namespace {

using namespace testing_support;

// The value at `pointer` of each item of `list`, and of each subview of class `cls` only.
Json pluck(const Json& list, const char* pointer, const std::string& cls = "") {
  Json values = Json::array();
  for (const Json& item : list)
    if (cls.empty() || item["class"] == cls) values.push_back(item[Json::json_pointer(pointer)]);
  return values;
}

// `count` snapshot steps, for a scenario's list of steps.
std::string snapshots(int count) {
  std::string steps;
  for (int i = 0; i < count; ++i) steps += std::string(i ? ", " : "") + R"({"snapshot": "s"})";
  return steps;
}

// The class of each view by its id, and every object the properties name.
struct TreeIndex {
  std::map<std::string, Json> classes;
  std::vector<Json> references;
};

void expectIds(const Json& view, TreeIndex& index, const std::string& id = "0") {
  EXPECT_EQ(view["id"], id) << "the index path from the window";
  index.classes[id] = view["class"];
  for (const auto& [name, object] : view["properties"].items()) index.references.push_back(object);
  for (size_t i = 0; i < view["subviews"].size(); ++i)
    expectIds(view["subviews"][i], index, id + "/" + std::to_string(i));
}

// Each example twice, to the same bytes, without pictures unless asked.
TEST(LvsimRun, EveryExampleScenarioRunsAndRepeatsItsReportExactly) {
  Folder out;
  for (const fs::directory_entry& entry : fs::directory_iterator(sourceFile("scenarios"))) {
    if (entry.path().extension() != ".json") continue;
    Json report = runReport({entry.path().string()}, out.path / "1");
    EXPECT_EQ(schemaFaults("report", report), "") << entry.path();
    runReport({entry.path().string()}, out.path / "2");
    EXPECT_FALSE(report["snapshots"].empty() || report["snapshots"][0].contains("picture")) << entry.path();
    EXPECT_EQ(readFile(out.path / "1/report.json"), readFile(out.path / "2/report.json")) << entry.path();
  }
  EXPECT_NE(readFile(sourceFile("docs/lvsim.md")).find("```json\n" + readFile(sourceFile("scenarios/night-drive.json")) + "```"),
            std::string::npos)
      << "the reference's scenario is scenarios/night-drive.json";
}

// The time controls' own labels follow the host's; scrubbing stretches the row and squeezes
// the host's labels. The cover sheet's background image view and blurred container come
// first in its subviews, shown while the artwork is enlarged. A picture of every snapshot,
// at the phone's scale. A trace of the artwork view's messages.
TEST(LvsimRun, TheSharedScenarioReportsAndDrawsEverySnapshot) {
  Folder out;
  Json report = runReport({sourceFile("scenarios/expand-and-scrub.json").string(), "--png", "--trace",
                           (out.path / "trace").string(), "--trace-filter", "MRUArtworkView *"},
                          out.path / "r");
  const std::string trace = readFile(out.path / "trace");
  for (const char* expected : {"t=1.000 depth=1 action MRUArtworkView handleTap\nt=1.000 depth=2 enter MRUArtworkView handleAnimation\n"
                               "t=1.000 depth=3 enter MRUArtworkView setFrame: {{34.5, -15}, {290, 290}}\n",
                            "t=1.000 depth=1 enter MRUArtworkView layoutSubviews\nt=1.000 depth=2 slot MRUArtworkView layoutSubviews\n"
                            "t=1.000 depth=1 return MRUArtworkView layoutSubviews\n",
                            "t=4.550 depth=1 completion MRUArtworkView handleAnimation\n"})
    EXPECT_NE(trace.find(expected), std::string::npos) << expected;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) EXPECT_NE(line.find(" MRUArtworkView "), std::string::npos) << line;
  EXPECT_EQ(schemaFaults("report", report), "") << "with pictures";
  const Json& snapshots = report["snapshots"];
  ASSERT_EQ(pluck(snapshots, "/name"),
            Json({"playing", "expanding", "expanded", "scrubbing", "collapsed", "landscape", "stopped"}));
  EXPECT_EQ(Json({snapshots[0]["time"], snapshots[1]["time"]}), Json({1.0, 1.25}));
  EXPECT_EQ(pluck(snapshots, "/globals/Expanded"), Json({false, true, true, true, false, false, false}));
  EXPECT_EQ(pluck(snapshots, "/events/haptics"), Json({0, 1, 1, 1, 2, 2, 2}));
  int number = 0;
  for (const Json& s : snapshots) {
    SCOPED_TRACE(s["name"]);
    TreeIndex index;
    expectIds(s["tree"], index);
    for (const auto& [name, global] : s["globals"].items()) index.references.push_back(global);
    for (const Json& object : index.references)
      if (object.is_object() && object.contains("id")) {
        EXPECT_EQ(index.classes[object["id"]], object["class"]) << object;
      }
    const std::string picture = "0" + std::to_string(++number) + "-" + s["name"].get<std::string>() + ".png";
    EXPECT_EQ(s["picture"], picture);
    Png png(out.path / "r" / picture);
    EXPECT_EQ(Json({png.width(), png.height()}), Json({int(s["tree"]["frame"][2]) * 3, int(s["tree"]["frame"][3]) * 3}));
    const Json& cover = findClass(s["tree"], "CSCoverSheetView")->at("subviews");
    const bool expanded = s["globals"]["Expanded"] == true;
    EXPECT_NE(findClass(cover[1], "_UIBackdropView"), nullptr);
    EXPECT_EQ(Json({cover[0]["hidden"], cover[1]["hidden"]}), Json({!expanded, !expanded}));
    const Json* controls = findClass(s["tree"], "MRUNowPlayingTimeControlsView");
    if (!controls) continue;
    const Json& subviews = controls->at("subviews");
    EXPECT_EQ(pluck(subviews, "/text", "CBAutoScrollLabel"), pluck(subviews, "/text", "UILabel"));
    EXPECT_EQ(controls->at("transform"), Json({1, 0, 0, s["name"] == "scrubbing" ? 1.5 : 1, 0, 0}));
  }
  EXPECT_EQ(Json({snapshots[0]["globals"]["coverSheetView"], snapshots[6]["globals"]["adjunctItemView"]}),
            Json::parse(R"([{"id": "0/1", "class": "CSCoverSheetView"}, {"class": "CSAdjunctItemView"}])"))
      << "a view out of the window is named by its class alone";
  EXPECT_EQ(findClass(snapshots[2]["tree"], "MRUArtworkView")->at("frame"), Json({34.5, -15, 290, 290}));
  EXPECT_EQ(snapshots[5]["tree"]["frame"], Json({0, 0, 844, 390})) << "landscape";
  EXPECT_TRUE(findClass(snapshots[0]["tree"], "CSAdjunctItemView") && !findClass(snapshots[6]["tree"], "CSAdjunctItemView"))
      << "the platter, until stopped";
  EXPECT_GT(brightness(Png(out.path / "r" / "03-expanded.png").mean(0, 0, 60, 60)), 0.1) << "the background is not black";
}

// A view takes no touch while a view animation that does not allow it runs on it: a second
// tap within the artwork's 0.4 s move is dropped (it reaches nothing else either), one
// after the move is taken.
TEST(LvsimRun, ATapOnTheArtworkWhileItMovesIsDropped) {
  Folder dir;
  fs::path file = dir.write("taps.json", R"({"settings": {"kEnabled": true}, "steps": [
      {"play": {"title": "T", "duration": 60, "artwork": "generated"}}, {"advance": 1},
      {"tap": "MRUArtworkView"}, {"advance": 0.2}, {"tap": "MRUArtworkView"}, {"advance": 0.25}, {"snapshot": "moved"},
      {"tap": "MRUArtworkView"}, {"advance": 1}, {"snapshot": "collapsed"}]})");
  const Json snapshots = runReport({file.string()}, dir.path / "out")["snapshots"];
  EXPECT_EQ(pluck(snapshots, "/globals/Expanded"), Json({true, false}));
  EXPECT_EQ(pluck(snapshots, "/events"), Json::parse(R"([{"launches": [], "unlockRequests": 0, "haptics": 1, "nowPlayingRequests": 2},
      {"launches": [], "unlockRequests": 0, "haptics": 2, "nowPlayingRequests": 2}])"));
}

TEST(LvsimRun, StepsOfEveryKindWithAPngArtwork) {
  Folder dir;
  fs::copy_file(sourceFile("scenarios/artwork.png"), dir.path / "art.png");
  fs::copy_file(FOREIGN_LIBRARY_PATH, dir.path / "other.so");
  ASSERT_TRUE(prefs::writeSettingsFile(dir.path / "s.plist", {{"kEnabled", true}, {"HapticFeedback", false}}));
  fs::path file = dir.write("all.json", R"({"profile": "small-phone", "system": "14.8", "library": "other.so",
    "settingsFile": "s.plist", "settings": {"kEnabled": false, "ShowTime": true}, "without": ["CSFocusActivityView"], "steps": [
      {"play": {"title": "T", "artist": "A", "app": "com.example.player", "duration": 60, "artwork": "art.png"}},
      {"tap": [100, 300]}, {"tap": "MRUArtworkView"}, {"drag": {"on": "MRUNowPlayingTimeControlsView", "from": 0.1, "to": 0.5}},
      {"advance": 2.5}, {"sizeClass": "compact"}, {"sizeClass": "regular"}, {"snapshot": "end"}, {"stop": true}]})");
  Json report = runReport({file.string()}, dir.path);
  EXPECT_EQ(Json({report["format"], report["version"], report["profile"], report["system"], report["without"]}),
            Json({"lumivane-report/1", LV_VERSION, "small-phone", "14.8", Json::array({"CSFocusActivityView"})}));
  EXPECT_EQ(lineCount(readFile(dir.path / "report.json")), 1) << "compact";
  const Json& end = report["snapshots"][0];
  EXPECT_EQ(end["tree"]["frame"], Json({0, 0, 375, 667}));
  const Json* labels = findClass(end["tree"], "MRUNowPlayingTimeControlsView");
  ASSERT_NE(labels, nullptr);
  EXPECT_EQ(labels->at("subviews")[3]["text"], "0:32") << "scrubbed to half, then two and a half seconds";
  EXPECT_EQ(Json({report["settings"], report["library"]}),
            Json({{{"HapticFeedback", false}, {"ShowTime", true}, {"kEnabled", false}}, (dir.path / "other.so").string()}));
  report = runReport({file.string(), "--profile", "phone", "--set", "ShowTime=false", "--without", "PLPlatterView", "--library", "none"}, dir.path);
  EXPECT_EQ(Json({report["profile"], report["settings"]["ShowTime"], report["without"], report["library"]}),
            Json({"phone", false, {"PLPlatterView"}, "none"}));
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
      {R"({"system": ")" + std::string(40001, '1') + R"(", "steps": []})", "system: expected a version such as \"15.0\" of at most 32"},
      {R"({"settings": {"kEnabld": true}, "steps": []})", "settings: unknown setting \"kEnabld\""},
      {R"({"settings": {"kEnabled": 1}, "steps": []})", "settings.kEnabled: expected true or false"},
      {R"({"without": ["Nothing"], "steps": []})", "without[0]: unknown host class \"Nothing\""},
      {R"({"settingsFile": "case.json", "steps": []})", "settingsFile: \"case.json\": not a property list"},
      {R"({"steps": [{"play": {"title": "x", "duration": 3, "artwork": "missing.png"}}]})",
       "steps[0].play.artwork: cannot read the image \"missing.png\""},
      {R"({"steps": [{"play": {"title": "x", "duration": 3, "extra": 1}}]})", "steps[0].play: unknown key \"extra\""},
      {R"({"steps": [{"play": {"title": "x"}}]})", "steps[0].play: missing key \"duration\""},
      {R"({"steps": [{"advance": -1}]})", "steps[0].advance: expected a number of seconds"},
      {R"({"steps": [{"advance": 3000}, {"advance": 1e17}]})", "steps[1].advance: the advances of a story add up to at most 3600 seconds"},
      {R"({"steps": [{"tap": [1]}]})", "steps[0].tap: expected [X, Y] or a class name"},
      {R"({"steps": [{"drag": {"on": "UIView", "from": 0, "to": 1, "steps": 0}}]})", "steps[0].drag.steps"},
      {R"({"steps": [{"drag": {"from": 0.2, "to": [1, 2]}}]})", "steps[0].drag.from: expected [X, Y] in window"},
      {R"({"steps": [{"drag": {"on": "UIView", "from": 0, "to": -1e308}}]})", "steps[0].drag.to: expected a fraction of the view's size from -100 to 100"},
      {R"({"steps": [)" + snapshots(401) + "]}", "steps[400]: a story takes at most 400 snapshots"},
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
  for (const auto& [text, message] : cases) {
    fs::path file = dir.write("case.json", text);
    ProcessRun run = lvsim({"run", file.string(), "--out", dir.path.string()}, true);
    expectRefused(run, "lvsim: " + file.string() + ": ", text.substr(0, 80));
    EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(dir.path / "report.json")) << text;
  }
}

// A report that lvsim compare could not read back is refused, not written: a title of
// 60 KB in each of 100 snapshots.
TEST(LvsimRun, AReportTooLargeToReadBackIsNotWritten) {
  Folder dir;
  const std::string title(60000, 'x');
  fs::path story = dir.write("long.json", R"({"settings": {"kEnabled": true}, "steps": [{"play": {"title": ")" + title +
                                              R"(", "duration": 9}}, )" + snapshots(100) + "]}");
  expectRefused(lvsim({"run", story.string(), "--out", dir.path.string()}, true),
                (dir.path / "report.json").string() + ": the report would take 25.", "100 snapshots");
  EXPECT_FALSE(fs::exists(dir.path / "report.json"));
}

// Paths go to lvsim as they are: spaces and quotes need no escaping.
TEST(LvsimRun, PathsWithSpacesAndQuotes) {
  Folder dir;
  const fs::path folder = dir.path / "it's a \"folder\"";
  fs::create_directory(folder);
  fs::path story = dir.write("it's a \"folder\"/a story.json", R"({"steps": [{"snapshot": "only"}]})");
  Json report = runReport({story.string()}, folder / "out put");
  EXPECT_EQ(report["scenario"], "a story.json");
}

// Files that are not what they stand for: one line, exit code 2 and no report, at once
// (a FIFO without a writer is not waited on).
TEST(LvsimRun, FilesThatAreNoScenarioScriptOrImageAreRefused) {
  Folder dir;
  std::string png = readFile(sourceFile("scenarios/artwork.png")), badChecksum = png;
  badChecksum[29] ^= 1;  // the header chunk's
  dir.write("cut.png", png.substr(0, png.size() / 2));
  dir.write("checksum.png", badChecksum);
  cairo_surface_t* wide = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 8193, 1);
  cairo_surface_write_to_png(wide, (dir.path / "wide.png").c_str());
  cairo_surface_destroy(wide);
  std::string fifo = (dir.path / "fifo").string(), folder = dir.path.string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  auto withArtwork = [&](const std::string& name) {
    return dir.write(name + ".json", R"({"steps": [{"play": {"title": "x", "duration": 3, "artwork": ")" + name + R"("}}]})").string();
  };
  const std::pair<Args, const char*> cases[] = {
      {Args{"run", withArtwork("cut.png")}, "artwork: cannot read the image \"cut.png\": damaged PNG image"},
      {Args{"run", withArtwork("checksum.png")}, "damaged PNG image (IHDR: CRC error)"},
      {Args{"run", withArtwork("wide.png")}, "8193 × 1 pixels, more than the 8192 × 8192"},
      {Args{"run", withArtwork("fifo")}, "cannot read the image \"fifo\": not a regular file"},
      {Args{"run", fifo}, "cannot read the file: not a regular file"},
      {Args{"live", "--script", folder}, "cannot read the file: a folder, not a file"},
      {Args{"run", (dir.path / "absent.json").string()}, "cannot read the file: No such file or directory"},
  };
  for (const auto& [args, message] : cases)
    expectRefused(runProcess(Args{"timeout", "60", kLvsim} + args + Args{"--out", dir.path.string()}, {.stderrToo = true}),
                  message, args);
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
  Json report = runReport({file.string()}, dir.path);
  const Json& scroll = findClass(report["snapshots"][0]["tree"], "CBAutoScrollLabel")->at("subviews")[0];
  EXPECT_GT(scroll["contentSize"][0], 3e6);
  EXPECT_GT(scroll["presentation"]["contentOffset"][0], 0);
}

// A host without any one of its classes lives through a day of use and leaves no
// settings folder behind.
TEST(LvsimRun, EveryHostClassMayBeMissing) {
  Folder dir;
  fs::create_directory(dir.path / "tmp");
  for (const lv::host::HostClass& c : lv::host::hostClasses()) {
    std::string name(c.name);
    fs::path file = dir.write(name + ".json", R"({"settings": {"kEnabled": true}, "without": [")" + name + R"("],
      "steps": [{"play": {"title": "A title too long to fit beside the artwork", "duration": 60}}, {"advance": 1},
        {"tap": [235, 490]}, {"tap": [67, 507]}, {"drag": {"on": "UIWindow", "from": 0.2, "to": 0.7}},
        {"stop": true}, {"play": {"title": "Again", "duration": 30}}, {"advance": 1}, {"snapshot": "again"}]})");
    Json report = runReport({file.string()}, dir.path / name, {.environment = {{"TMPDIR", (dir.path / "tmp").string()}}});
    EXPECT_EQ(report["snapshots"].size(), 1u) << name;
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
    ProcessRun run = lvsim({"run", file.string(), "--out", dir.path.string()}, true);
    EXPECT_EQ(run.exitCode, message ? 1 : 0) << steps << run.output;
    EXPECT_NE(run.output.find(message ? message : "1 snapshots"), std::string::npos) << run.output;
    EXPECT_EQ(fs::exists(dir.path / "report.json"), !message) << steps;
  }
  EXPECT_EQ(findClass(readReport(dir.path)["snapshots"][0]["tree"], "UIScrollView")->at("contentOffset"), Json({0, 300}));
}

}  // namespace
