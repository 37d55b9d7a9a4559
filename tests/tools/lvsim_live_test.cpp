// `lvsim live` in a real window under Xvfb, driven by a script, checked by pixel probes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "lvsim_process.h"
#include "png_probe.h"
#include "video_probe.h"

namespace {

using namespace testing_support;

constexpr double kPhoneWidth = 390;

// How much brighter `a` is than `b` over a rectangle given in the lock screen's points,
// `width` of them across the picture.
double lighter(const Png& a, const Png& b, double x0, double y0, double x1, double y1, double width = kPhoneWidth) {
  return brightness(a.mean(x0, y0, x1, y1, a.width() / width)) - brightness(b.mean(x0, y0, x1, y1, b.width() / width));
}

const Args kInXvfb = {"xvfb-run", "-a", "-s", "-screen 0 1280x1024x24"};

bool installed(const std::string& program) { return runProcess({"sh", "-c", "command -v \"$1\"", "sh", program}).exitCode == 0; }

// The artwork is tapped and enlarges over the blurred background; the scrubber is dragged
// and held (a picture); the settings menu turns the background off and restarts the lock
// screen; the artwork is tapped again (a picture). First, turned to landscape, the wheel
// scrolls the platter into view and a click beneath the lock screen touches nothing.
// SIGTERM ends it as closing the window does. V records the tap and the drag, and again
// from before the last turn until SIGTERM, which finishes the recording.
TEST(LvsimLive, AScriptedSessionInAWindowUnderXvfb) {
  ASSERT_TRUE(installed("xvfb-run")) << "xvfb-run is missing: scripts/install-deps.sh installs it";
  Folder dir;
  fs::path script = dir.write("script.json", R"({"$schema": "live-script.schema.json", "events": [
    {"at": 0.3, "key": "r"}, {"at": 0.7, "save": "landscape.png"}, {"at": 0.8, "wheel": {"over": [422, 300], "notches": -8}},
    {"at": 0.9, "click": [100, 400]}, {"at": 1.1, "save": "scrolled.png"}, {"at": 1.2, "key": "r"},
    {"at": 1.6, "key": "v"}, {"at": 1.8, "click": "MRUArtworkView"},
    {"at": 3.0, "drag": {"from": {"view": "MRUNowPlayingTimeControlsView", "at": [0.2, 0.5]},
                         "to": {"view": "MRUNowPlayingTimeControlsView", "at": [0.7, 0.5]}, "seconds": 0.4, "hold": true}},
    {"at": 3.6, "key": "v"}, {"at": 4.2, "save": "held.png"}, {"at": 4.4, "release": true},
    {"at": 4.6, "key": "m"}, {"at": 4.8, "key": "2"}, {"at": 5.0, "key": "return"},
    {"at": 6.0, "click": "MRUArtworkView"}, {"at": 7.6, "save": "plain.png"},
    {"at": 7.8, "key": "space"}, {"at": 7.85, "save": "paused.png"},
    {"at": 7.9, "key": "n"}, {"at": 7.95, "key": "v"}, {"at": 8.0, "key": "r"}, {"at": 8.5, "save": "turned.png"}]})");
  // SIGTERM once the last picture is there; SIGKILL if that does not end it. SDL unloads
  // libdbus when it quits, leaving D-Bus's process-wide allocations where LeakSanitizer can
  // no longer tell whose they are: the window's process is not leak-checked.
  fs::create_directory(dir.path / "tmp");
  const std::string out = (dir.path / "out").string();
  ProcessRun run = runProcess(
      kInXvfb + Args{"sh", "-c", "last=$1; shift; timeout -s KILL 60 \"$@\" & "
                                 "while [ ! -e \"$last\" ] && kill -0 $!; do sleep 0.1; done; kill -TERM $!; wait $!",
                     "sh", out + "/turned.png", kLvsim, "live", "--fps", "10", "--scale", "0.5", "--script", script.string(),
                     "--out", out},
      {.stderrToo = true, .environment = {{"TMPDIR", (dir.path / "tmp").string()}, {"ASAN_OPTIONS", "detect_leaks=0"}}});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  for (const std::string& told : std::vector<std::string>{
           "click at (100, 400) lies outside the lock screen: no touch", "restarting with the new settings",
                           "key space   paused track 1", "key n   playing track 2", "frames drawn in",
                           "recorded " + out + "/recording-01.mp4", "recorded " + out + "/recording-02.mp4"})
    EXPECT_NE(run.output.find(told), std::string::npos) << told << ": " << run.output;
  VideoProbe recorded = probeVideo(out + "/recording-01.mp4");
  EXPECT_EQ(recorded.width, 194) << "half a pixel a point, rounded down to even";
  EXPECT_TRUE(recorded.frames >= 15 && recorded.frames <= 30) << recorded.frames << " frames at 10 a second of the clock";
  EXPECT_TRUE(fs::is_empty(dir.path / "tmp")) << "no settings folder left, by the restart or the end";

  Png held(out + "/held.png"), plain(out + "/plain.png"), paused(out + "/paused.png"), turned(out + "/turned.png");
  Png landscape(out + "/landscape.png"), scrolled(out + "/scrolled.png");
  EXPECT_GT(turned.width(), turned.height()) << "the phone turned";
  for (const Png* p : {&held, &plain})
    EXPECT_GT(saturation(p->mean(60, 160, 330, 430, p->width() / kPhoneWidth)), 0.2) << "the enlarged artwork";
  EXPECT_GT(lighter(plain, held, 0, 450, 30, 800), 0.1)
      << "the blurred background darkens the wallpaper, and is off after the restart";
  EXPECT_GT(lighter(paused, plain, 193, 600, 197, 608), 0.3)
      << "the play glyph fills the middle button where the pause glyph has its gap";
  EXPECT_GT(lighter(landscape, scrolled, 400, 250, 600, 300, 844), 0.2) << "the platter scrolled up into the window";
  EXPECT_GT(lighter(held, plain, 80, 541, 180, 543.5), 0.3) << "the held scrubber is stretched";
}

// The settings menu turns the library on and L restarts the lock screen, which goes on with
// the command's options: its trace, written at quitting, holds the marquee label's messages
// alone (the first process, the library disabled, made no label), and V records at the rate
// and scale given.
TEST(LvsimLive, ARestartKeepsTheTraceAndTheRecordingsOptions) {
  Folder dir;
  fs::path script = dir.write("script.json", R"({"events": [{"at": 0.2, "key": "m"}, {"at": 0.3, "key": "1"},
    {"at": 0.35, "key": "escape"}, {"at": 0.4, "key": "l"}, {"at": 5, "key": "v"}, {"at": 6, "key": "v"}]})");
  const fs::path trace = dir.path / "trace.txt";
  ProcessRun run = runProcess(kInXvfb + Args{kLvsim, "live", "--set", "kEnabled=false", "--fps", "10", "--scale", "0.5",
                                              "--exit-after", "7", "--script", script.string(), "--out", dir.path.string(),
                                              "--trace", trace.string(), "--trace-filter", "CBAutoScrollLabel *"},
                              {.stderrToo = true, .environment = {{"ASAN_OPTIONS", "detect_leaks=0"}}});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("restarting with the new settings"), std::string::npos) << run.output;
  std::istringstream traced(readFile(trace));
  long lines = 0, label = 0;
  for (std::string line; std::getline(traced, line); ++lines) label += line.find(" CBAutoScrollLabel ") != std::string::npos;
  EXPECT_TRUE(label > 0 && label == lines) << lines << " lines, " << label << " of the marquee label";
  VideoProbe recorded = probeVideo(dir.path / "recording-01.mp4");
  EXPECT_TRUE(recorded.width == 194 && recorded.frames >= 5 && recorded.frames <= 30)
      << recorded.width << " pixels across, " << recorded.frames << " frames: half a pixel a point, 10 frames a second";
}

// V starts a recording; then SIGHUP (the terminal closed) ends the window as closing it
// does, writing the recording. SIGABRT ends the process, and so does the display going
// away (Xlib exits): neither leaves a settings folder or a part of the recording.
TEST(LvsimLive, ASignalOrTheDisplayGoingAwayLeavesNothingHalfWritten) {
  ASSERT_TRUE(installed("Xvfb")) << "Xvfb is missing: scripts/install-deps.sh installs it";
  Folder dir;
  dir.write("script.json", R"({"events": [{"at": 0.2, "key": "v"}]})");
  const std::tuple<std::string, int, bool> cases[] = {
      {"kill -HUP $live", 0, true}, {"kill -ABRT $live", 128 + SIGABRT, false}, {"kill $xvfb", 1, false}};
  for (const auto& [ending, exitCode, kept] : cases) {
    for (const char* folder : {"tmp", "out"}) {
      fs::remove_all(dir.path / folder);
      fs::create_directory(dir.path / folder);
    }
    // The display that Xvfb picks is written to the file "display" when it is ready.
    ProcessRun run = runProcess(
        {"sh", "-c",
         "rm -f display && ulimit -c 0 && { Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>display & xvfb=$!; "
         "until [ -s display ]; do sleep 0.05; done; DISPLAY=:$(cat display) TMPDIR=tmp ASAN_OPTIONS=detect_leaks=0 \"$1\""
         " live --fps 10 --scale 0.5 --script script.json --out out & live=$!; "
         "until ls -A out | grep -q '^[.]recording' || ! kill -0 $live; do sleep 0.05; done; " + ending +
         "; wait $live; code=$?; kill $xvfb; wait $xvfb; exit $code; }", "sh", kLvsim},
        {.stderrToo = true, .directory = dir.path});
    EXPECT_EQ(run.exitCode, exitCode) << ending << ": " << run.output;
    EXPECT_TRUE(fs::is_empty(dir.path / "tmp")) << ending << ": the settings folder went";
    std::vector<std::string> left;
    for (const fs::directory_entry& e : fs::directory_iterator(dir.path / "out")) left.push_back(e.path().filename().string());
    EXPECT_EQ(left, kept ? std::vector<std::string>{"recording-01.mp4"} : std::vector<std::string>{}) << ending;
    EXPECT_TRUE(!kept || probeVideo(dir.path / "out/recording-01.mp4").frames > 0) << ending;
  }
}

// A picture saved with the menu open and the inspector outlining the clock is the lock
// screen alone, pixel for pixel what `run --png` draws at that moment, but for the rows of
// the texts that move with time. Inspected views and clicks are named by class and place.
// S names its picture around the trace's file.
TEST(LvsimLive, SavedPicturesAreTheDevicesAndTheInspectorNamesViews) {
  Folder dir;
  fs::path script = dir.write("script.json", R"({"events": [{"at": 0.2, "key": "i"}, {"at": 0.3, "move": [195, 90]},
    {"at": 0.4, "key": "m"}, {"at": 1.0, "save": "moment.png"}, {"at": 1.1, "key": "escape"},
    {"at": 1.2, "click": "MRUArtworkView"}, {"at": 1.3, "key": "s"}, {"at": 1.4, "key": "q"}]})");
  fs::path scenario = dir.write("moment.json", R"json({"settings": {"kEnabled": true}, "steps": [
    {"play": {"title": "Lanterns Over The Night Drive (Extended Version)", "artist": "The Lanterns",
              "app": "com.example.player", "duration": 215, "artwork": "generated"}},
    {"advance": 1.0}, {"snapshot": "moment"}]})json");
  ProcessRun live = runProcess(kInXvfb + Args{kLvsim, "live", "--script", script.string(), "--out", dir.path.string(),
                                               "--trace", (dir.path / "live-01.png").string()},
                               {.stderrToo = true, .environment = {{"ASAN_OPTIONS", "detect_leaks=0"}}});
  ASSERT_EQ(live.exitCode, 0) << live.output;
  EXPECT_TRUE(Png(dir.path / "live-02.png").ok() && readFile(dir.path / "live-01.png").starts_with("t=")) << live.output;
  ASSERT_EQ(lvsim({"run", scenario.string(), "--png", "--out", (dir.path / "run").string()}).exitCode, 0);
  for (const char* told : {"inspecting UILabel 0/1/3 at (0, 48, 390, 80)",
                           "finger down at (67, 507) on UIImageView 0/1/4/0/0/1/0/0/0/3"})
    EXPECT_NE(live.output.find(told), std::string::npos) << told << ": " << live.output;
  Png saved(dir.path / "moment.png"), drawn(dir.path / "run/01-moment.png");
  ASSERT_EQ(std::pair(saved.width(), saved.height()), std::pair(1170, 2532)) << "the phone's pixels";
  ASSERT_EQ(std::pair(drawn.width(), drawn.height()), std::pair(1170, 2532));
  constexpr int kTextsTop = 470 * 3, kTextsBottom = 575 * 3;
  EXPECT_TRUE(saved.sameRows(drawn, 0, kTextsTop) && saved.sameRows(drawn, kTextsBottom, saved.height()));
}

// Ten times the turns of the phone, and the window's process at its largest holds no more
// than a few frames' memory more. Memory AddressSanitizer holds back from reuse would count.
TEST(LvsimLive, TurningThePhoneKeepsMemoryFlat) {
  Folder dir;
  const int turns[] = {4, 40};
  long peakKb[2];
  for (int i : {0, 1}) {
    Json events = Json::array();
    for (int k = 0; k < turns[i]; ++k) events.push_back({{"at", 0.5 + 0.2 * k}, {"key", "r"}});
    fs::path script = dir.write("turns.json", Json{{"events", events}}.dump());
    ProcessRun run = runProcess(kInXvfb + Args{kLvsim, "live", "--script", script.string(), "--exit-after",
                                               std::to_string(0.7 + 0.2 * turns[i]), "--out", dir.path.string()},
                                {.stderrToo = true, .environment = {{"ASAN_OPTIONS", "detect_leaks=0:quarantine_size_mb=0"}}});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);  // the largest of all run so far
    peakKb[i] = children.ru_maxrss;
  }
  EXPECT_LT(peakKb[1] - peakKb[0], 20 * 1024) << "kB more at the largest";
}

}  // namespace
