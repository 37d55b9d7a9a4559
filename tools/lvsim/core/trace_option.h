#pragma once
// `--trace FILE` and `--trace-filter GLOB` (repeatable), as `run`, `demo` and `live` take
// them: a line for every message that enters the library and for every call it makes back
// to the host through a slot, written whole into FILE when the command ends.
//
//   t=1.250 depth=1 enter CBAutoScrollLabel setText: "Night Drive"
//   t=1.250 depth=2 enter CBAutoScrollLabel refreshLabels
//   t=1.250 depth=2 return CBAutoScrollLabel refreshLabels
//   t=1.250 depth=1 return CBAutoScrollLabel setText:
//   t=1.250 depth=1 enter MRUNowPlayingHeaderView titleLabel
//   t=1.250 depth=1 return MRUNowPlayingHeaderView titleLabel -> <CBAutoScrollLabel #1>
//
// `t` is the virtual clock in seconds; `depth` counts the open frames, this one included.
// The word says how the frame opened: `enter` (a message), `action` (a gesture's action),
// `delayed` (a delayed perform), `completion` (a block the library made, run as a
// completion, named after the method that made it), `slot` (the library calling the
// host's implementation), or `return` (a library frame ends; slot frames have none). A
// message's arguments follow the parts of its selector, a return's result follows "->"
// (traced_values.h). With filters, a line is kept when its "Class selector" matches one of
// the globs (fnmatch).
// A line longer than 240 bytes is cut there and ends in "…".
//
// A run the library crashes (library_watch.h) prints the trace's last 32 lines after the
// line naming the crash, and writes FILE with the lines up to the crash and a last line
// "died of SIGSEGV".
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "runtime/runtime.h"
#include "tools/lvsim/core/traced_values.h"

namespace lv::sim {

struct TraceOptions {
  std::string file;  // empty: no trace
  std::vector<std::string> filters;
};

// The trace a command asked for, recording from construction to finish(); nothing at all
// without a file. One per process, main thread only.
class MessageTrace final : public rt::MessageObserver {
 public:
  explicit MessageTrace(const TraceOptions& options);
  ~MessageTrace() override;
  MessageTrace(const MessageTrace&) = delete;
  MessageTrace& operator=(const MessageTrace&) = delete;

  // Why the file's folder cannot be written in. What lies at the file itself the command
  // checks with its other files (command_files.h).
  std::optional<std::string> folderError() const;

  // Stops recording and, unless the command ended on bad input, writes the file. Returns
  // `code`, or kRunFault once the line is printed when the file cannot be written.
  int finish(int code);

  bool traces(IMP imp) override;
  void observe(const rt::TraceEvent& event) override;

 private:
  // Whether the filters keep the lines of `sel` sent to `cls`, decided once for each pair.
  bool keeps(Class cls, SEL sel);
  void stop();
  // What a crash leaves of the recording trace; async-signal-safe.
  static void leave(std::string_view signalName);

  struct PairHash {
    size_t operator()(const std::pair<Class, SEL>& p) const {
      return std::hash<const void*>()(p.first) * 31 + std::hash<const void*>()(p.second);
    }
  };

  TraceOptions options_;
  std::unordered_map<std::pair<Class, SEL>, bool, PairHash> kept_;
  TracedValueWriter values_;
  std::string lines_;
  std::string crashFile_;  // where a crash writes the trace, before it is renamed into place
};

}  // namespace lv::sim
