// What lvsim leaves on the disk when its environment, the disk or a signal gets in the way.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
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
  const Args out = {"--out", dir.path.string()};
  const std::pair<std::string, Args> cases[] = {
      {"/nonexistent", {"hooks"}},
      {dir.write("file", "x").string(), Args{"run", sourceFile("scenarios/artwork-toggle.json").string()} + out},
      {"relative/missing", Args{"live", "--exit-after", "1"} + out}};
  for (const auto& [tmpdir, command] : cases) {
    ProcessRun run = lvsim(command, {.stderrToo = true, .environment = {{"TMPDIR", tmpdir}}});
    EXPECT_EQ(run.output + std::to_string(run.exitCode), "lvsim: TMPDIR: \"" + tmpdir + "\" is not a folder\n2");
  }
  EXPECT_FALSE(fs::exists(dir.path / "report.json"));
  const std::pair<std::string, ProcessOptions> usable[] = {
      {"unset", {.environment = {{"TMPDIR", std::nullopt}}}},
      {"empty", {.environment = {{"TMPDIR", ""}}}},
      {"the folder", {.environment = {{"TMPDIR", "."}}, .directory = dir.path}}};
  for (const auto& [name, options] : usable)
    EXPECT_EQ(lvsim({"hooks"}, options).exitCode, 0) << name << ": /tmp, or the folder";
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
    EXPECT_EQ(lvsim({"hooks"}, {.environment = {{"TMPDIR", tmp.path.string()}}}).exitCode, 0);
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
  // The limit is set in a shell that then becomes lvsim; its arguments pass through untouched.
  const Args limited = {"sh", "-c", "trap '' XFSZ; ulimit -f 16; exec \"$@\"", "sh", kLvsim};
  const ProcessOptions scratchCounters = {
      .environment = {{"GCOV_ERROR_FILE", "/dev/null"}, {"GCOV_PREFIX", (dir.path / "gcov").string()}}};
  fs::path precious = dir.write("precious.txt", "precious");
  dir.write("saves.png", R"({"events": [{"at": 1, "save": "saves.png"}]})");
  const struct {
    bool limit;
    Args args;
    int exitCode;
    std::string message;
    bool linkReport = false;  // D/report.json a link to precious.txt
  } cases[] = {
      {true, {"run", scenario, "--out", "D"}, 1, "D/report.json: cannot write the report: File too large"},
      {true, {"run", scenario, "--png", "--out", "D"}, 1, "cannot write D/01-expanded.png: File too large"},
      {true, {"demo", "--out", "D"}, 1, "cannot write D/01-playing.png: File too large"},
      {false, {"run", "D/report.json", "--out", "D"}, 2, "D/report.json: would write over the input D/report.json"},
      {false, {"run", "D/own.json", "--png", "--out", "D"}, 2, "D/01-expanded.png: would write over the input D/01-expanded.png"},
      {false, {"live", "--script", "saves.png", "--out", "."}, 2, "saves.png: events[0].save: would write over the input saves.png"},
      {false, {"run", scenario, "--out", "D"}, 0, "", true},
  };
  for (const auto& [limit, args, exitCode, message, linkReport] : cases) {
    fs::path out = dir.path / "D";
    fs::remove_all(out);
    fs::create_directory(out);
    fs::copy_file(scenario, out / "report.json");
    fs::copy_file(sourceFile("scenarios/artwork.png"), out / "01-expanded.png");
    std::ofstream(out / "own.json") << R"({"steps": [{"snapshot": "expanded"},
        {"play": {"title": "T", "duration": 9, "artwork": "01-expanded.png"}}]})";
    if (linkReport) {
      fs::remove(out / "report.json");
      fs::create_symlink("../precious.txt", out / "report.json");
    }
    ProcessOptions options = limit ? scratchCounters : ProcessOptions{};
    options.directory = dir.path;
    ProcessRun run = limit ? runProcess(limited + args, options) : lvsim(args, options);
    const std::string command = joined(args);
    EXPECT_EQ(run.exitCode, exitCode) << command << ": " << run.errors;
    EXPECT_TRUE(lineCount(run.errors) == (exitCode ? 1 : 0) && run.errors.ends_with(message + (exitCode ? "\n" : ""))) << run.errors;
    for (const fs::directory_entry& e : fs::directory_iterator(out)) {
      EXPECT_NE(e.path().filename().string()[0], '.') << "a temporary file left: " << e.path();
      EXPECT_TRUE(e.path().extension() != ".png" || Png(e.path()).ok()) << e.path();
    }
    EXPECT_FALSE(fs::is_symlink(out / "report.json"));
    EXPECT_EQ(readFile(out / "report.json") == readFile(scenario), exitCode != 0) << command;
  }
  EXPECT_EQ(readFile(precious), "precious") << "the link was replaced, not written through";
}

// Every command, every output that would take the place of an input, of another output
// (by name, through a linked folder, a hard link) or of a stream: refused before anything
// is written, and what was there stays as it was.
TEST(LvsimFiles, NoOutputTakesThePlaceOfAnInputAnotherOutputOrAStream) {
  Folder dir;
  const std::string d = dir.path.string() + "/";
  const Args scenario = {sourceFile("scenarios/artwork-toggle.json").string(), "--png"};
  ASSERT_EQ(lvsim(Args{"run"} + scenario + Args{"--out", d + "refs"}).exitCode, 0);
  fs::copy(dir.path / "refs", dir.path / "changed");
  fs::copy_file(dir.path / "refs/02-collapsed.png", dir.path / "changed/01-expanded.png",
                fs::copy_options::overwrite_existing);
  const std::string refsReport = readFile(dir.path / "refs/report.json");
  fs::copy_file(sourceFile("scenarios/artwork.png"), dir.path / "art.png");
  dir.write("own.json", R"({"steps": [{"play": {"title": "T", "duration": 9, "artwork": "art.png"}}]})");
  const std::string settings = dir.write("s.plist", R"(<?xml version="1.0"?><plist version="1.0"><dict></dict></plist>)");
  fs::create_hard_link(settings, dir.path / "hard.plist");
  fs::create_directory(dir.path / "P");
  fs::copy_file(settings, dir.path / "P/com.example.own.plist");
  dir.write("lib.so", "never loaded");
  dir.write("saves.json", R"({"events": [{"at": 1, "save": "a.png"}]})");
  ASSERT_EQ(mkfifo((d + "fifo").c_str(), 0600), 0);
  fs::create_symlink("/dev/null", dir.path / "null.mp4");
  fs::create_symlink("/proc/self/fd/1", dir.path / "stdout");  // the pipe lvsim writes its lines into
  fs::create_directory(dir.path / "D");
  fs::create_symlink("/dev/null", dir.path / "D/compare.html");
  fs::create_directory_symlink(dir.path / "D", dir.path / "L");
  const Args run = Args{"run"} + scenario + Args{"--out", d + "D"}, demo = {"demo", "--out", d + "D"};
  const Args live = {"live", "--out", d + "D"};
  auto compare = [&](const std::string& diff) { return Args{"compare", d + "refs", d + "changed", "--diff", d + diff}; };
  auto input = [&](const std::string& file) { return file + ": would write over the input " + d; };
  auto output = [&](const std::string& file) { return "would write over the output " + d + file; };
  const std::pair<Args, std::string> cases[] = {
      {Args{"run", d + "own.json", "--out", d + "D", "--trace", d + "art.png"}, input("art.png")},
      {run + Args{"--library", d + "lib.so", "--trace", d + "lib.so"}, input("lib.so") + "lib.so"},
      {run + Args{"--trace", d + "D/report.json"}, output("D/report.json")},
      {run + Args{"--trace", d + "L/01-expanded.png"}, "L/01-expanded.png: " + output("D/01-expanded.png")},
      {run + Args{"--html", "--video", d + "v.mp4", "--trace", d + "v.mp4"}, output("v.mp4")},
      {run + Args{"--expect", d + "refs", "--trace", d + "refs/report.json"}, input("refs/report.json") + "refs/report.json"},
      {run + Args{"--expect", d + "refs", "--diff", d + "D"}, "D/01-expanded.png: " + output("D/01-expanded.png")},
      {run + Args{"--expect", d + "refs", "--html", "--trace", d + "D/diff/compare.html"}, output("D/diff/compare.html")},
      {compare("changed"), input("01-expanded.png") + "changed/01-expanded.png"},
      {compare("D") + Args{"--html"}, "D/compare.html: is a link to a device, not a file"},
      {demo + Args{"--settings", settings, "--trace", d + "hard.plist"}, input("hard.plist") + "s.plist"},
      {run + Args{"--preferences", d + "P", "--trace", d + "P/com.example.own.plist"},
       input("P/com.example.own.plist") + "P/com.example.own.plist"},
      {demo + Args{"--trace", d + "D/contact-sheet.png"}, output("D/contact-sheet.png")},
      {demo + Args{"--before-after", "--trace", d + "D/library-off/report.json"}, output("D/library-off/report.json")},
      {demo + Args{"--video", d + "null.mp4"}, "null.mp4: is a link to a device, not a file"},
      {live + Args{"--settings", settings, "--trace", settings}, input("s.plist") + "s.plist"},
      {live + Args{"--script", d + "saves.json", "--trace", d + "D/a.png"}, output("D/a.png")},
      {live + Args{"--script", d + "saves.json", "--trace", d + "saves.json"}, input("saves.json") + "saves.json"},
      {run + Args{"--trace", d + "fifo"}, "fifo: is a pipe, not a file (files are written whole, then renamed into place)"},
      {run + Args{"--trace", d + "stdout"}, "stdout: is a link to a pipe, not a file"},
  };
  for (const auto& [args, message] : cases)
    expectRefused(lvsim(args, kNoDisplay), message, args);
  EXPECT_EQ(lvsim(run + Args{"--trace", d + "stdout"}, {.stderrToo = true, .stdoutFile = d + "log"}).output,
            "lvsim: " + d + "stdout: is where the command's standard output goes\n") << "/dev/stdout when it is a file";
  EXPECT_EQ(readFile(dir.path / "art.png"), readFile(sourceFile("scenarios/artwork.png")));
  EXPECT_EQ(readFile(dir.path / "lib.so"), "never loaded");
  EXPECT_TRUE(readFile(settings).ends_with("<dict></dict></plist>"));
  EXPECT_EQ(readFile(dir.path / "refs/report.json"), refsReport);
  EXPECT_EQ(readFile(dir.path / "changed/01-expanded.png"), readFile(dir.path / "refs/02-collapsed.png"));
  EXPECT_TRUE(fs::is_fifo(dir.path / "fifo"));
  for (const char* link : {"null.mp4", "stdout", "D/compare.html"}) EXPECT_TRUE(fs::is_symlink(dir.path / link)) << link;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir.path / "D"))
    EXPECT_EQ(e.path(), dir.path / "D/compare.html") << "nothing written";
}

}  // namespace
