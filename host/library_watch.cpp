#include "host/library_watch.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "foundation/exit_cleanup.h"
#include "foundation/run_loop.h"
#include "foundation/write_all.h"
#include "host/crash_frame.h"

namespace lv::host {

namespace {

struct FatalSignal {
  int number;
  std::string_view name;
};
constexpr FatalSignal kFatalSignals[] = {
    {SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"}, {SIGILL, "SIGILL"}, {SIGFPE, "SIGFPE"}, {SIGABRT, "SIGABRT"}};

// Written outside the handlers, which only read them.
char g_library[1024];  // "PROGRAM: LIBRARY: "
char g_doing[512];     // empty: nothing is watched
const fnd::RunLoop* g_clock = nullptr;
LastWords g_lastWords = nullptr;
struct sigaction g_previous[std::size(kFatalSignals)];
bool g_installed = false;
// A library that overflows the stack still gets its line.
alignas(16) char g_signalStack[1 << 16];

// `text` with control characters shown as '?', cut to fit.
void copyShown(std::string_view text, char* into, size_t capacity) {
  size_t size = std::min(text.size(), capacity - 1);
  for (size_t i = 0; i < size; ++i) into[i] = (unsigned char)text[i] < 0x20 || text[i] == 0x7f ? '?' : text[i];
  into[size] = '\0';
}

// " at t=1.250", the virtual clock to the millisecond, written without printf.
std::string_view clockText(char (&into)[32]) {
  if (!g_clock) return {};
  long millis = std::lround(g_clock->now() * 1000);
  size_t at = sizeof into;
  for (int digit = 0; digit < 4 || millis; ++digit, millis /= 10) {
    if (digit == 3) into[--at] = '.';
    into[--at] = char('0' + millis % 10);
  }
  constexpr std::string_view kHead = " at t=";
  at -= kHead.size();
  std::memcpy(into + at, kHead.data(), kHead.size());
  return {into + at, sizeof into - at};
}

// Async-signal-safe: the line is put together in place and written in one call.
void tell(std::string_view what, std::string_view detail = {}, std::string_view where = {}) {
  char line[sizeof g_library + sizeof g_doing + 1024];
  char clock[32];
  size_t size = 0;
  for (std::string_view part : {std::string_view(g_library), what, detail, std::string_view(" while "),
                                std::string_view(g_doing), clockText(clock), where, std::string_view("\n")}) {
    if (part.empty()) continue;  // an empty view may hold no pointer, which memcpy may not take
    std::memcpy(line + size, part.data(), part.size());
    size += part.size();
  }
  fnd::writeAll(STDERR_FILENO, {line, size});
}

void tellAndGoOn(int signal, siginfo_t* info, void* context) {
  size_t i = 0;
  while (kFatalSignals[i].number != signal) ++i;
  // A signal another process sent is none of the library's doing.
  bool fromWithin = info->si_code > 0 || info->si_pid == ::getpid();
  if (g_doing[0] && fromWithin) {
    char frame[512];
    size_t size = describeCrashFrame(context, frame, sizeof frame);
    tell("died of ", kFatalSignals[i].name, {frame, size});
    if (g_lastWords) g_lastWords(kFatalSignals[i].name);
  }
  fnd::removeTemporaryPaths();
  ::sigaction(signal, &g_previous[i], nullptr);
  // A fault comes again when the instruction is retried; a signal that was sent is sent again.
  if (info->si_code <= 0) ::raise(signal);
}

void endedWhileBusy(int status, void*) {
  if (!g_doing[0]) return;
  char what[64];
  std::snprintf(what, sizeof what, "ended the process (exit status %d)", status);
  tell(what);
  // _Exit skips the exit handlers that would remove the temporary files.
  fnd::removeTemporaryPaths();
  std::_Exit(2);
}

void useSignalStack() {
  stack_t stack{};
  if (::sigaltstack(nullptr, &stack) != 0 || !(stack.ss_flags & SS_DISABLE)) return;
  stack = {.ss_sp = g_signalStack, .ss_flags = 0, .ss_size = sizeof g_signalStack};
  ::sigaltstack(&stack, nullptr);
}

// A signal the process ignores stays ignored.
void installHandlers() {
  g_clock = &fnd::RunLoop::main();
  useSignalStack();
  noteStackEnd();
  struct sigaction action {};
  action.sa_sigaction = tellAndGoOn;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigfillset(&action.sa_mask);
  for (size_t i = 0; i < std::size(kFatalSignals); ++i) {
    ::sigaction(kFatalSignals[i].number, nullptr, &g_previous[i]);
    if (g_previous[i].sa_handler != SIG_IGN) ::sigaction(kFatalSignals[i].number, &action, nullptr);
  }
  ::on_exit(endedWhileBusy, nullptr);
}

}  // namespace

}  // namespace lv::host

void lv::host::setLastWords(LastWords lastWords) { g_lastWords = lastWords; }

void lv::host::watchLibrary(const std::filesystem::path& library) {
  std::string start = std::string(program_invocation_short_name) + ": " + library.string() + ": ";
  copyShown(start, g_library, sizeof g_library);
  if (!std::exchange(g_installed, true)) installHandlers();
}

lv::host::LibraryActivity::LibraryActivity(std::string_view doing) : previous_(g_doing) {
  copyShown(doing, g_doing, sizeof g_doing);
}

lv::host::LibraryActivity::~LibraryActivity() { copyShown(previous_, g_doing, sizeof g_doing); }
