// `lvsim run --each`: one child run per combination, a table in a fixed order, each
// combination's outputs in its own sub-folder, the worst outcome as the exit code.
#include <gtest/gtest.h>

#include "lvsim_process.h"

namespace {

using namespace testing_support;

const char* kStory = R"({"steps": [{"play": {"title": "T", "artist": "A", "duration": 60}}, {"snapshot": "s"}]})";

TEST(LvsimMatrix, EveryProfileAndSettingInItsOwnFolderInAFixedOrder) {
  Folder dir;
  const std::string story = dir.write("s.json", kStory).string(), out = (dir.path / "out").string();
  ProcessRun run = lvsim({"run", story, "--each", "setting=HapticFeedback", "--each", "profile", "--jobs", "2", "--set",
                          "kEnabled=false", "--out", out});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  size_t at = 0;
  for (const char* profile : {"phone", "small-phone", "tablet"})
    for (const char* haptic : {"false", "true"}) {
      const std::string name = std::string(profile) + ",HapticFeedback=" + haptic;
      at = run.output.find("\n" + name + " ", at);
      EXPECT_NE(at, std::string::npos) << name << " in its place: " << run.output;
      Json report = readReport(fs::path(out) / name);
      EXPECT_EQ(report["profile"], profile) << name;
      EXPECT_EQ(report["settings"]["HapticFeedback"], haptic == std::string("true")) << name;
      EXPECT_EQ(report["settings"]["kEnabled"], false) << name << ": --set goes along";
    }
}

TEST(LvsimMatrix, OutcomesPerRowWithReferencesAndTheWorstExitCode) {
  Folder dir;
  const std::string story = dir.write("s.json", kStory).string(), refs = (dir.path / "refs").string();
  const Args each = {story, "--each", "setting=kEnabled"};
  ASSERT_EQ(lvsim(Args{"run"} + each + Args{"--record", refs}).exitCode, 0);
  fs::copy(fs::path(refs) / "kEnabled=true", fs::path(refs) / "kEnabled=false",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  ProcessRun run = lvsim(Args{"run"} + each + Args{"--expect", refs, "--out", (dir.path / "out").string()});
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("kEnabled=false  differs"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("kEnabled=true   alike"), std::string::npos) << run.output;
  for (const Args& refused : {Args{"--each", "profile", "--profile", "phone"}, Args{"--each", "settings=kEnabled"}})
    expectRefused(lvsim(Args{"run", story} + refused, true), "profile", refused);
}

}  // namespace
