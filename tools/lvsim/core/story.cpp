#include "tools/lvsim/core/story.h"

#include <unistd.h>

#include <cstdio>
#include <optional>

#include "foundation/atomic_file.h"
#include "host/library_watch.h"
#include "host/lock_screen.h"
#include "host/settings_folder.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/inspector_page.h"
#include "tools/lvsim/core/json_reading.h"
#include "tools/lvsim/core/report_json.h"
#include "tools/lvsim/core/snapshot_pictures.h"
#include "tools/lvsim/core/video_recorder.h"

namespace lv::sim {

namespace {

using OrderedJson = nlohmann::ordered_json;

constexpr size_t kShownStepLimit = 200;  // characters of a step named in a crash's line

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%g s", s);
  return text;
}

struct Describer {
  std::string operator()(const PlayStep& s) const { return "play \"" + s.track.title + "\" by " + s.track.artist; }
  std::string operator()(const AdvanceStep& s) const { return "advance " + seconds(s.seconds); }
  std::string operator()(const TapPointStep& s) const {
    char text[64];
    std::snprintf(text, sizeof text, "tap at (%g, %g)", s.point.x, s.point.y);
    return text;
  }
  std::string operator()(const TapViewStep& s) const { return "tap " + s.className; }
  std::string operator()(const DragStep& s) const {
    char text[160];
    if (s.on.empty())
      std::snprintf(text, sizeof text, "drag from (%g, %g) to (%g, %g) in %d moves%s", s.fromPoint.x, s.fromPoint.y,
                    s.toPoint.x, s.toPoint.y, s.steps, s.hold ? ", holding" : "");
    else
      std::snprintf(text, sizeof text, "drag across %s from %g to %g in %d moves%s", s.on.c_str(), s.from, s.to,
                    s.steps, s.hold ? ", holding" : "");
    return text;
  }
  std::string operator()(const ReleaseStep&) const { return "release the finger"; }
  std::string operator()(const SizeClassStep& s) const {
    return s.sizeClass == lv::host::SizeClass::Compact ? "turn to landscape" : "turn upright";
  }
  std::string operator()(const StopStep&) const { return "stop playing"; }
  std::string operator()(const SnapshotStep& s) const { return "snapshot \"" + s.name + "\""; }
};

// Takes one step; a snapshot step adds to the report and, with pictures, draws one.
struct StepTaker {
  lv::host::LockScreen& screen;
  OrderedJson& snapshots;
  SnapshotPictures* pictures;
  const StoryOptions& options;
  std::string lastPicture;

  void operator()(const PlayStep& s) { screen.play(s.track); }
  void operator()(const AdvanceStep& s) { screen.advance(s.seconds); }
  void operator()(const TapPointStep& s) { screen.tap(s.point); }
  void operator()(const TapViewStep& s) { screen.tap(s.className); }
  void operator()(const DragStep& s) {
    if (s.on.empty()) screen.drag(s.fromPoint, s.toPoint, s.steps, s.hold);
    else screen.drag(s.on, s.from, s.to, s.steps, s.hold);
  }
  void operator()(const ReleaseStep&) { screen.release(); }
  void operator()(const SizeClassStep& s) { screen.setSizeClass(s.sizeClass); }
  void operator()(const StopStep&) { screen.stop(); }
  void operator()(const SnapshotStep& s) {
    snapshots.push_back(snapshotJson(screen.snapshot(s.name)));
    if (!pictures) return;
    SnapshotPictures::Taken taken = pictures->take(screen.window(), s.name);
    snapshots.back()["picture"] = taken.file;
    lastPicture = taken.file;
    if (options.onPicture) options.onPicture(snapshots.back(), taken.picture);
  }
};

ReportHeader header(const std::string& name, lv::host::LockScreen& screen, const lv::host::BootOptions& boot) {
  const lv::host::DeviceProfile& profile = screen.device().profile();
  return {.version = LV_VERSION,
          .scenario = name,
          .profile = std::string(profile.name),
          .system = boot.systemVersion.empty() ? std::string(profile.systemVersion) : boot.systemVersion,
          .settings = {boot.settings.begin(), boot.settings.end()},
          .without = {boot.without.begin(), boot.without.end()},
          .library = !boot.loadLibrary ? "none" : boot.library.empty() ? "built" : boot.library.string()};
}

std::string bootLine(const lv::host::BootOptions& boot, lv::host::LockScreen& screen) {
  std::string line = "the " + std::string(screen.device().profile().name) + " with";
  for (const auto& [key, value] : boot.settings) line += " " + key + "=" + (value ? "true" : "false");
  return line;
}

// A report lvsim compare could not read back is not written.
std::string reportTooLarge(size_t bytes) {
  char text[160];
  std::snprintf(text, sizeof text, "the report would take %.1f MB, more than the %zu MB lvsim compare reads",
                bytes / double(1 << 20), json::kMaxJsonBytes >> 20);
  return text;
}

}  // namespace

}  // namespace lv::sim

int lv::sim::bootFault(const lv::host::BootError& error, const std::string& where) {
  if (dynamic_cast<const lv::host::TemporaryFolderError*>(&error)) return fail(kUsageFault, "TMPDIR", error.what());
  if (auto* library = dynamic_cast<const lv::host::LibraryLoadError*>(&error))
    return fail(kUsageFault, library->file.string(), error.what());
  return fail(kRunFault, where, error.what());
}

std::optional<std::string> lv::sim::writableFolderError(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "cannot make the folder: " + error.message();
  if (!std::filesystem::is_directory(folder)) return "not a folder";
  if (access(folder.c_str(), W_OK | X_OK) != 0) return "cannot write in the folder";
  return std::nullopt;
}

std::vector<std::filesystem::path> lv::sim::inputsOf(const Scenario& scenario, const StoryOptions& options) {
  std::vector<std::filesystem::path> inputs = options.inputs;
  for (const std::filesystem::path& file : {scenario.settingsFile, scenario.boot.library})
    if (!file.empty()) inputs.push_back(file);
  for (const Step& step : scenario.steps)
    if (const auto* play = std::get_if<PlayStep>(&step); play && play->track.artwork.kind == lv::host::Artwork::Kind::File)
      inputs.push_back(play->track.artwork.file);
  return inputs;
}

std::vector<std::string> lv::sim::storyOutputs(const Scenario& scenario, const StoryOptions& options) {
  std::vector<std::string> outputs = {"report.json"};
  if (options.page) outputs.push_back("report.html");
  if (!options.pictures) return outputs;
  int number = 0;
  for (const Step& step : scenario.steps)
    if (const auto* snapshot = std::get_if<SnapshotStep>(&step))
      outputs.push_back(pictureFile(++number, snapshot->name));
  return outputs;
}

void lv::sim::addStoryFiles(CommandFiles& files, const Scenario& scenario, const StoryOptions& options) {
  for (const std::filesystem::path& input : inputsOf(scenario, options)) files.reads(input);
  for (const std::string& name : storyOutputs(scenario, options)) files.writes(options.out / name);
  files.writes(options.video.file);
}

double lv::sim::clockSeconds(const Scenario& scenario) {
  double seconds = 0;
  for (const Step& step : scenario.steps) {
    if (const auto* advance = std::get_if<AdvanceStep>(&step)) seconds += advance->seconds;
    if (const auto* drag = std::get_if<DragStep>(&step)) seconds += std::max(drag->steps, 1) * lv::host::LockScreen::kFrame;
  }
  return seconds;
}

std::string lv::sim::describeStep(const Step& step) { return std::visit(Describer{}, step); }

int lv::sim::tellStory(const Scenario& scenario, const StoryOptions& options) {
  if (auto error = writableFolderError(options.out)) return fail(kUsageFault, options.out.string(), *error);
  const double seconds = clockSeconds(scenario);
  const long frames = framesFor(seconds, options.video.fps);
  if (!options.video.file.empty())
    if (auto error = frameCountError(options.video, frames, seconds)) return fail(kUsageFault, options.video.file, *error);

  std::unique_ptr<lv::host::LockScreen> screen;
  try {
    lv::host::LibraryActivity starting("starting the lock screen");
    screen = lv::host::LockScreen::boot(scenario.boot);
  } catch (const lv::host::BootError& e) {
    return bootFault(e, options.where);
  }
  for (const auto& [name, place] : classesNamed(scenario))
    if (!options.skipImpossible && !objc_getClass(name.c_str()))
      return fail(kUsageFault, options.where, place + ": no class named \"" + name + "\"");

  if (options.narrate) std::printf("%7.3f s  boot %s\n", screen->now(), bootLine(scenario.boot, *screen).c_str());

  std::optional<SnapshotPictures> pictures;
  if (options.pictures) pictures.emplace(options.out, screen->device().profile().scale);
  std::optional<VideoRecorder> video;
  try {
    if (!options.video.file.empty())
      video.emplace(*screen, options.video.file, options.video, frames);
  } catch (const lv::render::VideoError& e) {
    return fail(kUsageFault, options.video.file, e.what());
  }
  if (video) std::printf("%s\n", video->plan().c_str());
  auto print = [&](const std::string& line) {
    if (video) video->clearProgress();
    std::printf("%7.3f s  %s\n", screen->now(), line.c_str());
    std::fflush(stdout);
  };
  OrderedJson snapshots = OrderedJson::array();
  StepTaker take{*screen, snapshots, pictures ? &*pictures : nullptr, options, {}};
  for (size_t i = 0; i < scenario.steps.size(); ++i) {
    const Step& step = scenario.steps[i];
    take.lastPicture.clear();
    try {
      std::string doing = "taking " + scenario.stepPlaces[i] + " (" + describeStep(step) + ")";
      lv::host::LibraryActivity taking(printable(doing, kShownStepLimit));
      std::visit(take, step);
    } catch (const lv::host::SessionError& e) {
      if (video) video->clearProgress();
      if (!options.skipImpossible) return fail(kRunFault, options.where, scenario.stepPlaces[i] + ": " + e.what());
      print("skipped: " + describeStep(step) + ": " + e.what());
      continue;
    } catch (const PictureError& e) {
      if (video) video->clearProgress();
      return fail(kRunFault, options.where, scenario.stepPlaces[i] + ": " + e.what());
    }
    if (!options.narrate) continue;
    std::string line = describeStep(step);
    if (!take.lastPicture.empty()) line += " -> " + (options.out / take.lastPicture).string();
    print(line);
  }
  if (video) {
    try {
      std::printf("%s\n", video->finish().c_str());
    } catch (const lv::render::VideoError& e) {
      return fail(kRunFault, options.video.file, e.what());
    }
  }

  OrderedJson report = headerJson(header(options.name, *screen, scenario.boot));
  report["hooks"] = hookCallsJson(lv::host::libraryHookCalls());
  report["snapshots"] = std::move(snapshots);
  std::filesystem::path out = options.out / "report.json";
  // Texts that are not UTF-8 (a file name) are written with U+FFFD in their place.
  const std::string text = report.dump(options.pretty ? 2 : -1, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
  if (text.size() > json::kMaxJsonBytes)
    return fail(kUsageFault, out.string(), reportTooLarge(text.size()));
  if (auto written = fnd::writeFileAtomically(out.string(), text); !written)
    return fail(kRunFault, out.string(), "cannot write the report: " + written.error().reason);
  std::filesystem::path shownFolder = options.shownOut.empty() ? options.out : options.shownOut;
  std::printf("%s: %zu snapshots\n", (shownFolder / "report.json").string().c_str(), report["snapshots"].size());
  if (!options.page) return kSuccess;
  std::filesystem::path page = options.out / "report.html";
  if (auto written = fnd::writeFileAtomically(page.string(), inspectorPage(report)); !written)
    return fail(kRunFault, page.string(), "cannot write the page: " + written.error().reason);
  std::printf("%s: the inspector page\n", (shownFolder / "report.html").string().c_str());
  return kSuccess;
}
