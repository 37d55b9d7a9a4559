// `--video`: a story recorded on the virtual clock, read back with the decoders a player uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "lvsim_process.h"
#include "png_probe.h"
#include "video_probe.h"

namespace {

using namespace testing_support;

// 0.8 s of the clock (a drag's six moves are 0.1 s), turned to landscape on the way.
constexpr const char* kStory = R"({"steps": [
  {"play": {"title": "Night Drive", "duration": 215}}, {"advance": 0.5},
  {"drag": {"on": "MRUNowPlayingTimeControlsView", "from": 0.2, "to": 0.6, "steps": 6}},
  {"sizeClass": "compact"}, {"advance": 0.2}]})";

std::vector<std::string> filesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// At 10 fps a frame at 0 and at every tenth of a second; at half a pixel a point the
// 390-point width rounds down to an even 194 pixels.
TEST(LvsimVideo, AStoryRecordsToEachFormatFrameByFrameAndToTheSameBytesAgain) {
  Folder dir;
  fs::path story = dir.write("story.json", kStory);
  const std::pair<const char*, const char*> formats[] = {{"story.mp4", "h264"}, {"story.webm", "vp9"}, {"story.webp", "webp"}};
  for (const auto& [name, codec] : formats) {
    fs::path video = dir.path / "out" / name;
    const Args args = {"run", story.string(), "--out", (dir.path / "out").string(), "--fps", "10", "--scale", "0.5", "--video", video.string()};
    ProcessRun run = lvsim(args, true);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    size_t planned = run.output.find(video.string() + ": 9 frames to record, 194 x 422 at 10 fps\n");
    EXPECT_LT(planned, run.output.find(video.string() + ": 9 frames, 194 x 422 at 10 fps")) << run.output;
    VideoProbe probe = probeVideo(video);
    EXPECT_EQ(probe.codec, codec);
    EXPECT_EQ(probe.width, 194);
    EXPECT_EQ(probe.height, 422);
    bool webp = probe.codec == "webp";  // its still frames are merged: it is measured in time
    EXPECT_EQ(webp ? probe.milliseconds : probe.frames, webp ? 900 : 9) << name;
    EXPECT_TRUE(webp || probe.pixelFormat == "yuv420p") << probe.pixelFormat;
    std::string first = readFile(video);
    ASSERT_EQ(lvsim(args).exitCode, 0);
    EXPECT_EQ(readFile(video), first) << name;
  }
  EXPECT_EQ(filesIn(dir.path / "out"), (std::vector<std::string>{"report.json", "story.mp4", "story.webm", "story.webp"}));
}

// A turn of the phone as the story's last step takes no time: the last frame still shows
// it, the landscape window fitted into the portrait frame on black.
TEST(LvsimVideo, TheLastFrameShowsStepsThatEndTheStoryInNoTime) {
  Folder dir;
  fs::path story = dir.write("story.json", R"({"steps": [{"play": {"title": "Night Drive", "duration": 215}},
    {"advance": 0.2}, {"sizeClass": "compact"}]})");
  fs::path video = dir.path / "out" / "story.webp";
  ProcessRun run = lvsim({"run", story.string(), "--out", (dir.path / "out").string(), "--fps", "10", "--scale", "0.5",
                         "--video", video.string()});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  VideoProbe probe = probeVideo(video);
  ASSERT_EQ(probe.lastFrame.size(), size_t(194 * 422 * 4));
  EXPECT_LT(probe.lastFrame[0] + probe.lastFrame[1] + probe.lastFrame[2], 10) << "black above the landscape window";
}

// A WebP's frames are lossless: the last one, after a second of the artwork enlarging over
// a fading background, is the last snapshot's picture, but for a level where the video's
// renderer mixes kept blurs that the snapshot's computes anew.
TEST(LvsimVideo, AWebpFrameIsThePictureDrawn) {
  Folder dir;
  fs::path story = dir.write("story.json", R"({"profile": "small-phone", "settings": {"kEnabled": true}, "steps": [
    {"play": {"title": "Night Drive", "duration": 215}}, {"advance": 0.5}, {"tap": "MRUArtworkView"},
    {"advance": 1.0}, {"snapshot": "end"}]})");
  fs::path out = dir.path / "out", video = out / "story.webp";
  ASSERT_EQ(lvsim({"run", story.string(), "--png", "--out", out.string(), "--fps", "24", "--video", video.string()}).exitCode, 0);
  VideoProbe probe = probeVideo(video);
  Png end(out / "01-end.png");
  ASSERT_EQ(probe.width, end.width());
  ASSERT_EQ(probe.lastFrame.size(), size_t(end.width()) * end.height() * 4);
  long offByMore = 0;
  for (int y = 0; y < end.height(); ++y)
    for (int x = 0; x < end.width(); ++x) {
      uint32_t drawn = end.rgba(x, y);
      const uint8_t* decoded = &probe.lastFrame[(size_t(y) * end.width() + x) * 4];
      for (int channel = 0; channel < 4; ++channel) offByMore += std::abs(int(drawn >> (8 * channel) & 0xff) - decoded[channel]) > 1;
    }
  EXPECT_EQ(offByMore, 0);
}

// The README's animation is what the build writes, and small enough for a page. When the
// demo changes, make it again with
//   build/default/tools/lvsim/lvsim demo --video docs/demo.webp --fps 24 --scale 1
TEST(LvsimVideo, TheReadmeAnimationIsWhatTheBuildWrites) {
  Folder dir;
  fs::path video = dir.path / "demo.webp";
  ASSERT_EQ(lvsim({"demo", "--out", (dir.path / "out").string(), "--video", video.string(), "--fps", "24", "--scale", "1"}).exitCode, 0);
  EXPECT_LT(fs::file_size(video), 1'000'000u);
  EXPECT_TRUE(readFile(video) == readFile(sourceFile("docs/demo.webp")))
      << "docs/demo.webp is not what the build writes: make it again as above";
}

// Bad options, and more frames than --max-frames allows, are refused before the story runs;
// a story that fails midway leaves no video and nothing hidden beside it.
TEST(LvsimVideo, BadOptionsAreOneLineAndAFailedStoryLeavesNoFile) {
  Folder dir;
  fs::path story = dir.write("story.json", kStory);
  fs::path settings = dir.write("settings.mp4", "<plist><dict/></plist>");
  fs::path out = dir.path / "out";
  const std::pair<Args, const char*> cases[] = {
      {Args{"--video", (out / "a.avi").string()}, "is not named .mp4, .webm or .webp"},
      {Args{"--video", "a.mp4", "--fps", "0"}, "--fps: expected a number from 1 to 240, got \"0\""},
      {Args{"--video", "a.mp4", "--fps", "1e-300"}, "got \"1e-300\""},
      {Args{"--video", "a.mp4", "--fps", "-5"}, "got \"-5\""},
      {Args{"--video", "a.mp4", "--fps", "nan"}, "got \"nan\""},
      {Args{"--video", "a.mp4", "--fps", "1e9"}, "got \"1e9\""},
      {Args{"--video", "a.mp4", "--fps", "30fps"}, "got \"30fps\""},
      {Args{"--video", "a.mp4", "--scale", "0"}, "--scale: expected a number from 0.05 to 4, got \"0\""},
      {Args{"--video", "a.mp4", "--scale", "inf"}, "--scale: expected a number from 0.05 to 4, got \"inf\""},
      {Args{"--video", (dir.path / "none" / "a.mp4").string()}, "cannot write the file"},
      {Args{"--settings", settings.string(), "--video", settings.string()}, "would write over the input"},
      {Args{"--video", "a.mp4", "--max-frames", "48"}, "a.mp4: 49 frames (0.8 s at 60 fps) are more than --max-frames allows (48)"},
      {Args{"--video", "a.mp4", "--max-frames", "0"}, "--max-frames: expected a number from 1 to 1e+07, got \"0\""},
  };
  for (const auto& [options, message] : cases) {
    expectRefused(lvsim(Args{"run", story.string(), "--out", out.string()} + options, true), message, options);
    EXPECT_FALSE(fs::exists(out / "report.json")) << joined(options);
  }
  expectRefused(lvsim({"demo", "--fps", "0", "--out", out.string()}, true), "--fps", "demo");
  fs::path hour = dir.write("hour.json", R"({"steps": [{"advance": 3600}]})");
  expectRefused(lvsim({"run", hour.string(), "--out", out.string(), "--video", (out / "a.mp4").string()}, true),
                "216001 frames (3600 s at 60 fps) are more than --max-frames allows (7200); give --max-frames 216001", "an hour");
  fs::path failing = dir.write("failing.json", R"({"steps": [{"advance": 0.2}, {"tap": [1, 9999]}]})");
  EXPECT_EQ(lvsim({"run", failing.string(), "--out", out.string(), "--video", (out / "a.mp4").string()}).exitCode, 1);
  EXPECT_EQ(filesIn(out), std::vector<std::string>{});
}

}  // namespace
