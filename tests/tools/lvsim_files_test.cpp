// What lvsim leaves on the disk when its environment, the disk or a signal gets in the way.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "lvsim_process.h"
#include "png_probe.h"

namespace {

using namespace testing_support;

int settingsFolders(const fs::path& tmp) {
  auto entries = fs::directory_iterator(tmp);
  return int(std::count_if(fs::begin(entries), fs::end(entries), [](const fs::directory_entry& e) {
    return e.path().filename().string().starts_with("lumivane-settings-");
  }));
}

// Each command, each kind of folder that is none: missing, a file, relative and missing.
TEST(LvsimFiles, ABadTmpdirIsOneLineAndExitCodeTwo) {
  Folder dir;
  const std::string out = " --out " + dir.path.string();
  const std::pair<std::string, std::string> cases[] = {
      {"/nonexistent", "hooks"},
      {dir.write("file", "x").string(), "run " + sourceFile("scenarios/artwork-toggle.json").string() + out},
      {"relative/missing", "live --exit-after 1" + out}};
  for (const auto& [tmpdir, command] : cases)
    EXPECT_EQ(runCommand("{ TMPDIR=" + tmpdir + " " + kLvsim + " " + command + "; echo $?; }", true).output,
              "lvsim: TMPDIR: \"" + tmpdir + "\" is not a folder\n2\n");
  EXPECT_FALSE(fs::exists(dir.path / "report.json"));
  const std::string usable[] = {"env -u TMPDIR", "TMPDIR=", "cd " + dir.path.string() + " && TMPDIR=."};
  for (const std::string& environment : usable)
    EXPECT_EQ(runCommand(environment + " " + kLvsim + " hooks").exitCode, 0) << environment << ": /tmp, or the folder";
}

// The demo is stopped by a signal once its settings are stored; then another run starts.
TEST(LvsimFiles, NoSettingsFolderOutlivesItsRun) {
  Folder tmp;
  fs::path out = tmp.path / "out";
  fs::path alive = tmp.path / ("lumivane-settings-" + std::to_string(getpid()) + "-x");
  fs::create_directory(alive);
  auto stored = [&] {
    for (const fs::directory_entry& e : fs::directory_iterator(tmp.path))
      if (e.path() != alive && fs::exists(e.path() / "com.lumivane.preferences.plist")) return true;
    return false;
  };
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGABRT, SIGKILL}) {
    pid_t child = fork();
    if (child == 0) {
      setenv("TMPDIR", tmp.path.c_str(), 1);
      ::signal(signal, SIG_DFL);  // as a shell's background job, the test may ignore SIGINT
      dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
      execl(kLvsim.c_str(), "lvsim", "demo", "--out", out.c_str(), nullptr);
      _exit(127);
    }
    while (!stored() && waitpid(child, nullptr, WNOHANG) == 0) usleep(10000);
    kill(child, signal);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "ended as the signal ends it: " << signal;
    EXPECT_EQ(settingsFolders(tmp.path), signal == SIGKILL ? 2 : 1) << signal;
    EXPECT_EQ(runCommand("TMPDIR=" + tmp.path.string() + " " + kLvsim + " hooks").exitCode, 0);
    EXPECT_EQ(settingsFolders(tmp.path), 1) << "a killed run's folder is removed by the next; a live one's stays";
  }
}

// A file size limit stands in for a disk that fills midway through a write. In a coverage
// build the limited run's counters go, silently, to a scratch folder where a cut-off write
// spoils nothing.
TEST(LvsimFiles, FilesAreWrittenWholeNeverOverAnInputNorThroughALink) {
  Folder dir;
  const std::string scenario = sourceFile("scenarios/artwork-toggle.json").string();
  const std::string limited =
      "trap '' XFSZ; ulimit -f 16; GCOV_ERROR_FILE=/dev/null GCOV_PREFIX=" + (dir.path / "gcov").string() +
      " exec " + kLvsim;
  fs::path precious = dir.write("precious.txt", "precious");
  dir.write("saves.png", R"({"events": [{"at": 1, "save": "saves.png"}]})");
  const std::tuple<std::string, int, std::string> cases[] = {
      {limited + " run " + scenario + " --out D", 1, "D/report.json: cannot write the report: File too large"},
      {limited + " run " + scenario + " --png --out D", 1, "cannot write D/01-expanded.png: File too large"},
      {limited + " demo --out D", 1, "cannot write D/01-playing.png: File too large"},
      {kLvsim + " run D/report.json --out D", 2, "D/report.json: would write over the input D/report.json"},
      {kLvsim + " run D/own.json --png --out D", 2, "D/01-expanded.png: would write over the input D/01-expanded.png"},
      {kLvsim + " live --script saves.png --out .", 2, "saves.png: events[0].save: would write over the input saves.png"},
      {"ln -sf ../precious.txt D/report.json && " + kLvsim + " run " + scenario + " --out D", 0, ""},
  };
  for (const auto& [command, exitCode, message] : cases) {
    fs::path out = dir.path / "D";
    fs::remove_all(out);
    fs::create_directory(out);
    fs::copy_file(scenario, out / "report.json");
    fs::copy_file(sourceFile("scenarios/artwork.png"), out / "01-expanded.png");
    std::ofstream(out / "own.json") << R"({"steps": [{"snapshot": "expanded"},
        {"play": {"title": "T", "duration": 9, "artwork": "01-expanded.png"}}]})";
    ProcessRun run = runCommand("{ { cd " + dir.path.string() + " && " + command + "; } 2>&1 >/dev/null; }");
    EXPECT_EQ(run.exitCode, exitCode) << command << ": " << run.output;
    EXPECT_EQ(lineCount(run.output), exitCode ? 1 : 0) << run.output;
    EXPECT_TRUE(run.output.ends_with(message + (exitCode ? "\n" : ""))) << run.output;
    for (const fs::directory_entry& e : fs::directory_iterator(out)) {
      EXPECT_NE(e.path().filename().string()[0], '.') << "a temporary file left: " << e.path();
      EXPECT_TRUE(e.path().extension() != ".png" || Png(e.path()).ok()) << e.path();
    }
    EXPECT_FALSE(fs::is_symlink(out / "report.json"));
    EXPECT_EQ(readFile(out / "report.json") == readFile(scenario), exitCode != 0) << command;
  }
  EXPECT_EQ(readFile(precious), "precious") << "the link was replaced, not written through";
}

}  // namespace
