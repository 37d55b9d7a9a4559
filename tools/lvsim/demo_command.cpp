#include "tools/lvsim/demo_command.h"

#include <sys/wait.h>

#include <cstdio>

#include <CLI/CLI.hpp>

#include "render/contact_sheet.h"
#include "render/surface_ptr.h"
#include "tools/lvsim/core/child_process.h"
#include "tools/lvsim/core/demo_captions.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/report_reading.h"
#include "tools/lvsim/core/story.h"
#include "tools/lvsim/shared_options.h"

namespace lv::sim {

namespace {

using Json = nlohmann::ordered_json;
using Caption = std::string (*)(const Json& snapshot);

// Where --before-after tells the story with the library off, inside the demo's folder.
constexpr const char* kLibraryOffFolder = "library-off";

// The video of the story with the library off: the one asked for, named alike in `folder`.
std::filesystem::path libraryOffVideo(const DemoOptions& options, const std::filesystem::path& folder) {
  return folder / std::filesystem::path(options.video.file).filename();
}

struct Moment {
  std::string name;
  Caption caption;
  std::vector<Step> steps;  // taken before the snapshot
};

// The story, a moment at a time: `at` starts a moment, `then` adds a step to it.
class Story {
 public:
  Story& at(std::string name, Caption caption) {
    moments_.push_back({std::move(name), caption, {}});
    return *this;
  }
  template <class S>
  Story& then(S step) {
    moments_.back().steps.emplace_back(std::in_place_type<S>, std::move(step));
    return *this;
  }
  std::vector<Moment> take() { return std::move(moments_); }

 private:
  std::vector<Moment> moments_;
};

std::vector<Moment> story() {
  lv::host::Track track{.title = "Lanterns Over The Night Drive (Extended Version)",
                    .artist = "The Lanterns",
                    .app = "com.example.player",
                    .duration = 215,
                    .artwork = lv::host::Artwork::generated()};
  const std::string scrubber = "MRUNowPlayingTimeControlsView";
  return Story()
      .at("playing", captions::playing)
      .then(PlayStep{track}).then(AdvanceStep{0.5})
      .at("marquee", captions::marquee)
      .then(AdvanceStep{7})
      .at("enlarging", captions::enlarging)
      .then(TapViewStep{"MRUArtworkView"}).then(AdvanceStep{0.2})
      .at("enlarged", captions::enlarged)
      .then(AdvanceStep{1})
      .at("scrubbing", captions::scrubbing)
      .then(DragStep{.on = scrubber, .from = 0.2, .to = 0.7, .steps = 12, .hold = true}).then(AdvanceStep{0.4})
      .at("released", captions::released)
      .then(ReleaseStep{}).then(AdvanceStep{1})
      .at("collapsed", captions::collapsed)
      .then(TapViewStep{"MRUArtworkView"}).then(AdvanceStep{1})
      .at("launched", captions::launched)
      .then(TapViewStep{"CBAutoScrollLabel"}).then(AdvanceStep{0.5})
      .take();
}

// The moments as a scenario: each one's steps, then its snapshot.
Scenario scenarioOf(const std::vector<Moment>& moments, const lv::host::BootOptions& boot) {
  Scenario scenario;
  scenario.boot = boot;
  for (const Moment& m : moments) {
    scenario.steps.insert(scenario.steps.end(), m.steps.begin(), m.steps.end());
    scenario.steps.emplace_back(std::in_place_type<SnapshotStep>, SnapshotStep{m.name});
  }
  for (size_t i = 0; i < scenario.steps.size(); ++i) scenario.stepPlaces.push_back("step " + std::to_string(i + 1));
  return scenario;
}

// What the moment's snapshot shows, for its "caption".
std::string captionOf(const std::vector<Moment>& moments, const Json& snapshot) {
  for (const Moment& m : moments)
    if (m.name == snapshot["name"]) return m.caption(snapshot);
  return {};
}

// Adds a moment of the story to the sheet: its picture, the close-up of its platter and
// its caption.
void addMoment(lv::render::ContactSheet& sheet, const Json& snapshot, const lv::render::Picture& picture, size_t number,
               const std::string& row) {
  std::string title = std::to_string(number) + "  " + snapshot["name"].get<std::string>() + row;
  sheet.add(picture, title, snapshot["caption"], captions::platterArea(snapshot, picture.scale()));
}

// A device boots once per process: the story with the library off is told by another.
int tellInAnotherProcess(const std::vector<std::string>& args) {
  auto status = runChildToEnd(args);
  if (!status) return fail(kRunFault, "demo", "the story with the library off: " + status.error());
  if (WIFEXITED(status.value())) return WEXITSTATUS(status.value());
  return fail(kRunFault, "demo", "the story with the library off ended by signal " + std::to_string(WTERMSIG(status.value())));
}

// The moments another process told into `folder`, read back from its report and pictures.
int addToldMoments(lv::render::ContactSheet& sheet, const std::filesystem::path& folder, const std::string& row) {
  const std::filesystem::path reportFile = folder / "report.json";
  Report report;
  try {
    report = readReport(reportFile);
  } catch (const InputError& e) {
    return fail(kRunFault, reportFile.string(), e.what());
  }
  size_t number = 0;
  for (const ReportSnapshot& snapshot : report.snapshots) {
    if (snapshot.picture.empty()) return fail(kRunFault, reportFile.string(), inQuotes(snapshot.name) + " has no picture");
    std::filesystem::path file = folder / snapshot.picture;
    lv::render::SurfacePtr png(cairo_image_surface_create_from_png(file.c_str()));
    if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS) return fail(kRunFault, file.string(), "cannot read the picture");
    int width = cairo_image_surface_get_width(png.get());
    lv::render::Picture picture(width, cairo_image_surface_get_height(png.get()), width / snapshot.windowWidth);
    cairo_t* cr = cairo_create(picture.surface());
    cairo_set_source_surface(cr, png.get(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    addMoment(sheet, Json(snapshot.json), picture, ++number, row);
  }
  return kSuccess;
}

// The library's story before: this demo told again with the library off, into `folder`.
// Every option goes along as given but these: --out is `folder`, --library is none,
// --before-after is not asked again, the trace stays with this process (with no library
// there is nothing to trace), and the video goes into `folder` under its own name.
std::vector<std::string> libraryOffArguments(const DemoOptions& options, const std::filesystem::path& folder) {
  OptionChanges changes = {{"--out", {folder.string()}},
                           {"--library", {std::string(kNoLibrary)}},
                           {"--before-after", {}},
                           {"--trace", {}},
                           {"--trace-filter", {}}};
  if (!options.video.file.empty()) changes["--video"] = {libraryOffVideo(options, folder).string()};
  return relaunchArguments(options.given, changes);
}

}  // namespace

}  // namespace lv::sim

void lv::sim::addDemoCommand(CLI::App& app, DemoOptions& options) {
  CLI::App* demo = app.add_subcommand("demo", "Tell the library's story on the lock screen, in pictures");
  demo->add_option("--out", options.out, "Folder for the pictures and report.json (default out/demo)")->type_name("DIR");
  addDeviceOptions(*demo, options.device, "; kEnabled is stored true first");
  demo->add_flag("--before-after", options.beforeAfter,
                 "Also tell it with the library off, into DIR/library-off, the sheet's first row");
  demo->add_flag("--html", options.html, "Also write report.html, a page to inspect the report and pictures in a browser");
  demo->add_flag("--pretty", options.pretty, "Indent report.json for reading (compact by default)");
  addTraceOptions(*demo, options.trace);
  addVideoOptions(*demo, options.video);
  recordCommandLine(*demo, options.given);
}

int lv::sim::runDemo(const DemoOptions& options) {
  lv::host::BootOptions boot;
  boot.settings["kEnabled"] = true;
  if (int code = applyDeviceOptions(options.device, boot)) return code;
  std::vector<Moment> moments = story();
  const Scenario scenario = scenarioOf(moments, boot);
  const std::filesystem::path out = options.out;
  StoryOptions told;
  told.name = "demo";
  told.where = "demo";
  told.inputs = inputFiles(options.device);
  told.out = out;
  told.pictures = true;
  told.page = options.html;
  told.narrate = true;
  told.pretty = options.pretty;
  told.skipImpossible = true;
  told.video = options.video;
  const std::filesystem::path sheetFile = out / "contact-sheet.png";
  CommandFiles files;
  addStoryFiles(files, scenario, told);
  files.writes(sheetFile);
  if (options.beforeAfter) {
    for (const std::string& name : storyOutputs(scenario, told)) files.writes(out / kLibraryOffFolder / name);
    if (!options.video.file.empty()) files.writes(libraryOffVideo(options, out / kLibraryOffFolder));
  }
  files.writes(options.trace.file);
  if (auto allowed = files.check(); !allowed) return fail(kUsageFault, allowed.error().where, allowed.error().what);
  MessageTrace trace(options.trace);
  if (auto error = trace.folderError()) return fail(kUsageFault, options.trace.file, *error);

  lv::render::ContactSheet sheet({.columns = options.beforeAfter ? int(moments.size()) : 4});
  std::string row;
  if (options.beforeAfter) {
    if (auto error = writableFolderError(out)) return fail(kUsageFault, options.out, *error);
    if (int code = tellInAnotherProcess(libraryOffArguments(options, out / kLibraryOffFolder))) return code;
    if (int code = addToldMoments(sheet, out / kLibraryOffFolder, ", library off")) return code;
    row = boot.loadLibrary ? ", library on" : ", library off";
  }
  size_t number = 0;
  told.onPicture = [&](Json& snapshot, const lv::render::Picture& picture) {
    snapshot["caption"] = captionOf(moments, snapshot);
    addMoment(sheet, snapshot, picture, ++number, row);
  };
  if (int code = trace.finish(tellStory(scenario, told))) return code;

  auto written = sheet.compose().writePng(sheetFile.string());
  if (!written) return fail(kRunFault, "demo", written.error().message());
  std::printf("%s: %zu moments\n", sheetFile.string().c_str(), sheet.size());
  return kSuccess;
}
