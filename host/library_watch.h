#pragma once
// The last words of a process that a loaded library ends. While the host is busy with
// something it has named (loading the library, a step of a story), a library that calls
// exit() makes the process print one line naming the library and that, then end with code 2:
// the library is bad input, and the exit status it chose would pass for success. A fatal
// signal (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT) that no other process sent prints the
// line, then takes its course as before: the handler that was there, or the default action,
// so the process still dies of it. The line names the virtual time and the innermost frame
// in the library (crash_frame.h): "PROGRAM: LIBRARY: died of SIGSEGV while taking steps[1]
// (play "T" by A) at t=1.000 in crashingSetter(id, SEL, id)". A runtime fatal error aborts,
// so it prints its own line, then this one. A library that calls _exit() or is killed
// outright ends the process without a line. Main thread only.
#include <filesystem>
#include <string>
#include <string_view>

namespace lv::host {

// What a dying process leaves besides its line, such as a trace written so far: called
// from the signal handler with the signal's name, after the line. It may only do what a
// handler may (write(2), open, rename).
using LastWords = void (*)(std::string_view signalName);
void setLastWords(LastWords lastWords);  // null: none

// Names `library` in the line from now on; the first call installs the handlers, which stay
// for the life of the process.
void watchLibrary(const std::filesystem::path& library);

// Names what the host is doing ("loading", "taking steps[2] (tap MRUArtworkView)") for as long
// as it lives, then what was named before; nothing named, nothing is watched.
class LibraryActivity {
 public:
  explicit LibraryActivity(std::string_view doing);
  ~LibraryActivity();
  LibraryActivity(const LibraryActivity&) = delete;
  LibraryActivity& operator=(const LibraryActivity&) = delete;

 private:
  std::string previous_;
};

}  // namespace lv::host
