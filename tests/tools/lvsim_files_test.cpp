// What lvsim leaves on the disk when its environment, the disk or a signal gets in the way.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>
#include <tuple>
#include <vector>

#include "lvsim_process.h"
#include "png_probe.h"

namespace {

using namespace testing_support;

int settingsFolders(const fs::path& tmp) {
  int n = 0;
  for (const fs::directory_entry& e : fs::directory_iterator(tmp)) n += e.path().filename().string().starts_with("lumivane-settings-");
  return n;
}

// Whether a settings folder in `tmp` but `other` holds the stored settings.
bool settingsStored(const fs::path& tmp, const fs::path& other = {}) {
  for (const fs::directory_entry& e : fs::directory_iterator(tmp))
    if (e.path() != other && fs::exists(e.path() / "com.lumivane.preferences.plist")) return true;
  return false;
}

// What a write or a recording in progress keeps beside its target, under a hidden name.
std::vector<std::string> hiddenIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code none;
  for (const fs::directory_entry& e : fs::directory_iterator(folder, none))
    if (e.path().filename().string()[0] == '.') names.push_back(e.path().filename().string());
  return names;
}

// lvsim with `args`, its settings in `tmp`, `signal` at its default action (a shell's
// background job, the test may ignore SIGINT), files up to `fileLimit` bytes, no core files.
pid_t startLvsim(const std::vector<std::string>& args, const fs::path& tmp, int signal, rlim_t fileLimit = RLIM_INFINITY) {
  pid_t child = fork();
  if (child != 0) return child;
  setenv("TMPDIR", tmp.c_str(), 1);
  ::signal(signal, SIG_DFL);
  const rlimit noCore{0, 0}, files{fileLimit, fileLimit};
  setrlimit(RLIMIT_CORE, &noCore);
  setrlimit(RLIMIT_FSIZE, &files);
  int null = open("/dev/null", O_WRONLY);
  dup2(null, STDOUT_FILENO);
  dup2(null, STDERR_FILENO);
  std::vector<char*> argv{const_cast<char*>("lvsim")};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(kLvsim.c_str(), argv.data());
  _exit(127);
}

// Waits until `ready` holds or `child` has ended (left to be reaped).
template <class Ready>
void waitUntil(pid_t child, Ready ready) {
  siginfo_t ended{};
  while (!ready() && waitid(P_PID, id_t(child), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == 0) usleep(10000);
}

// How `child` ends: "exit N" or "signal N".
std::string howEnded(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status)) : "exit " + std::to_string(WEXITSTATUS(status));
}

std::string bySignal(int signal) { return "signal " + std::to_string(signal); }

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
  fs::path alive = tmp.path / ("lumivane-settings-" + std::to_string(getpid()) + "-x");
  fs::create_directory(alive);
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGABRT, SIGKILL}) {
    pid_t child = startLvsim({"demo", "--out", (tmp.path / "out").string()}, tmp.path, signal);
    waitUntil(child, [&] { return settingsStored(tmp.path, alive); });
    kill(child, signal);
    EXPECT_EQ(howEnded(child), bySignal(signal)) << "ended as the signal ends it";
    EXPECT_EQ(settingsFolders(tmp.path), signal == SIGKILL ? 2 : 1) << signal;
    EXPECT_EQ(runCommand("TMPDIR=" + tmp.path.string() + " " + kLvsim + " hooks").exitCode, 0);
    EXPECT_EQ(settingsFolders(tmp.path), 1) << "a killed run's folder is removed by the next; a live one's stays";
  }
}

// A run that records references and a video is ended midway by each signal that ends a
// process, by a file size limit (SIGXFSZ), or outright; then a short one records the same.
TEST(LvsimFiles, TemporaryFilesGoWithTheRunOrWithTheNextOneAfterAKill) {
  Folder dir;
  const fs::path tmp = dir.path / "tmp", out = dir.path / "out";
  fs::create_directories(tmp);
  fs::create_directories(out);
  auto recording = [&](const std::string& steps) {
    fs::path story = dir.write("story.json", R"({"steps": [{"play": {"title": "T", "duration": 900}}, )" + steps + "]}");
    return std::vector<std::string>{"run", story.string(), "--record", (out / "refs").string(), "--video",
                                    (out / "story.mp4").string(), "--fps", "10", "--scale", "0.1"};
  };
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT, SIGXFSZ, SIGKILL}) {
    pid_t child = startLvsim(recording(R"({"advance": 600})"), tmp, signal, signal == SIGXFSZ ? 8192 : RLIM_INFINITY);
    waitUntil(child, [&] { return hiddenIn(out).size() == 2; });
    if (signal != SIGXFSZ) kill(child, signal);
    EXPECT_EQ(howEnded(child), bySignal(signal));
    EXPECT_EQ(hiddenIn(out).size(), signal == SIGKILL ? 2u : 0u) << signal << ": the video's and the references' folder";
    EXPECT_EQ(settingsFolders(tmp), signal == SIGKILL) << signal;
    EXPECT_EQ(howEnded(startLvsim(recording(R"({"snapshot": "s"})"), tmp, SIGTERM)), "exit 0") << signal;
    EXPECT_EQ(hiddenIn(out), std::vector<std::string>{}) << signal << ": what a killed run left goes with the next";
    EXPECT_EQ(settingsFolders(tmp), 0) << signal;
  }
}

// The demo's child process tells the story with the library off until a signal ends the
// demo: it ends first and cleans up after itself, also when SIGKILL leaves it an orphan
// (then it gets SIGTERM; the test adopts it).
TEST(LvsimFiles, TheStoryWithTheLibraryOffEndsWithItsDemo) {
  Folder dir;
  const fs::path tmp = dir.path / "tmp", out = dir.path / "out";
  fs::create_directories(tmp);
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
    pid_t demo = startLvsim({"demo", "--before-after", "--out", out.string()}, tmp, signal);
    waitUntil(demo, [&] { return settingsStored(tmp); });  // the child's: the demo boots after it
    kill(demo, signal);
    EXPECT_EQ(howEnded(demo), bySignal(signal));
    int status = 0;
    pid_t orphan = waitpid(-1, &status, 0);
    if (signal == SIGKILL)
      EXPECT_TRUE(orphan > 0 && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "told by its parent's death";
    else
      EXPECT_EQ(orphan, -1) << signal << ": the demo ended its child before itself";
    EXPECT_EQ(settingsFolders(tmp), 0) << signal;
    EXPECT_EQ(hiddenIn(out / "library-off"), std::vector<std::string>{}) << signal;
  }
  prctl(PR_SET_CHILD_SUBREAPER, 0);
}

// A file size limit stands in for a disk that fills midway through a write. In a coverage
// build the limited run's counters go, silently, to a scratch folder where a cut-off write
// spoils nothing.
TEST(LvsimFiles, FilesAreWrittenWholeNeverOverAnInputNorThroughALink) {
  Folder dir;
  const std::string scenario = sourceFile("scenarios/artwork-toggle.json").string();
  const std::string limited = "trap '' XFSZ; ulimit -f 16; GCOV_ERROR_FILE=/dev/null GCOV_PREFIX=" +
                              (dir.path / "gcov").string() + " exec " + kLvsim;
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
    EXPECT_TRUE(lineCount(run.output) == (exitCode ? 1 : 0) && run.output.ends_with(message + (exitCode ? "\n" : ""))) << run.output;
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
