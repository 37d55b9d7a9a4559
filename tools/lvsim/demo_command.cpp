#include "tools/lvsim/demo_command.h"

#include <cstdio>
#include <map>

#include "render/contact_sheet.h"
#include "tools/lvsim/exit_codes.h"
#include "tools/lvsim/settings_option.h"
#include "tools/lvsim/story.h"

namespace lv::sim {

namespace {

struct Moment {
  std::string name, caption;
  std::vector<Step> steps;  // taken before the snapshot
};

// The story, a moment at a time: `at` starts a moment, `then` adds a step to it.
class Story {
 public:
  Story& at(std::string name, std::string caption) {
    moments_.push_back({std::move(name), std::move(caption), {}});
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
      .at("playing", "A track with a long title plays.")
      .then(PlayStep{track}).then(AdvanceStep{0.5})
      .at("marquee", "The title scrolls: its marquee has moved.")
      .then(AdvanceStep{7})
      .at("enlarging", "The artwork is tapped and grows...")
      .then(TapViewStep{"MRUArtworkView"}).then(AdvanceStep{0.2})
      .at("enlarged", "...over the blurred artwork background.")
      .then(AdvanceStep{1})
      .at("scrubbing", "The scrubber is dragged and held: it stretches.")
      .then(DragStep{.on = scrubber, .from = 0.2, .to = 0.7, .steps = 12, .hold = true}).then(AdvanceStep{0.4})
      .at("released", "Released: the scrubber settles at the new time.")
      .then(ReleaseStep{}).then(AdvanceStep{1})
      .at("collapsed", "The artwork is tapped back.")
      .then(TapViewStep{"MRUArtworkView"}).then(AdvanceStep{1})
      .at("launched", "The title is tapped: the app launch and the unlock are requested.")
      .then(TapViewStep{"CBAutoScrollLabel"}).then(AdvanceStep{0.5})
      .take();
}

// The moments as a scenario: each one's steps, then its snapshot.
Scenario scenarioOf(const std::vector<Moment>& moments, const DemoOptions& options) {
  Scenario scenario;
  scenario.boot.profile = options.profile;
  scenario.boot.settings["kEnabled"] = true;
  addSettingOptions(scenario.boot, options.settings);
  for (const Moment& m : moments) {
    scenario.steps.insert(scenario.steps.end(), m.steps.begin(), m.steps.end());
    scenario.steps.emplace_back(std::in_place_type<SnapshotStep>, SnapshotStep{m.name});
  }
  for (size_t i = 0; i < scenario.steps.size(); ++i) scenario.stepPlaces.push_back("step " + std::to_string(i + 1));
  return scenario;
}

}  // namespace

}  // namespace lv::sim

void lv::sim::addDemoCommand(CLI::App& app, DemoOptions& options) {
  CLI::App* demo = app.add_subcommand("demo", "Tell the library's story on the lock screen, in pictures");
  demo->add_option("--out", options.out, "Folder for the pictures and report.json (default out/demo)")->type_name("DIR");
  demo->add_option("--profile", options.profile, "Device profile (default phone)")
      ->type_name("phone|small-phone|tablet")
      ->check(profileName());
  demo->add_option("--set", options.settings, "Stored setting (repeatable; kEnabled is stored true first)")
      ->type_name("KEY=true|false")
      ->check(storedSetting())
      ->allow_extra_args(false);
}

int lv::sim::runDemo(const DemoOptions& options) {
  std::vector<Moment> moments = story();
  std::map<std::string, std::string> captions;
  for (const Moment& m : moments) captions[m.name] = m.caption;

  lv::render::ContactSheet sheet;
  StoryOptions told;
  told.name = "demo";
  told.where = "demo";
  told.out = options.out;
  told.pictures = true;
  told.narrate = true;
  told.onPicture = [&](const SnapshotStep& s, const lv::render::Picture& picture, const std::string&) {
    sheet.add(picture, std::to_string(sheet.size() + 1) + "  " + s.name, captions[s.name]);
  };
  if (int code = tellStory(scenarioOf(moments, options), told)) return code;

  std::filesystem::path file = std::filesystem::path(options.out) / "contact-sheet.png";
  if (auto failed = sheet.compose().writePng(file.string())) return fail(kRunFault, "demo", failed->message());
  std::printf("%s: %zu moments\n", file.string().c_str(), sheet.size());
  return kSuccess;
}
