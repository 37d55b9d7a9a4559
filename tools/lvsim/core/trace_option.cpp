#include "tools/lvsim/core/trace_option.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "foundation/atomic_file.h"
#include "foundation/run_loop.h"
#include "foundation/write_all.h"
#include "host/library.h"
#include "host/library_watch.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/story.h"

namespace lv::sim {

namespace {

const char* kindWord(rt::TraceKind kind) {
  switch (kind) {
    case rt::TraceKind::Enter: return "enter";
    case rt::TraceKind::Action: return "action";
    case rt::TraceKind::Delayed: return "delayed";
    case rt::TraceKind::Completion: return "completion";
    case rt::TraceKind::Slot: return "slot";
    case rt::TraceKind::Return: return "return";
  }
  return "?";
}

constexpr int kLinesShownAtACrash = 32;
constexpr size_t kLongestLine = 240;  // bytes before the newline; a longer line ends in "…"

lv::sim::MessageTrace* g_recording = nullptr;

}  // namespace

}  // namespace lv::sim

lv::sim::MessageTrace::MessageTrace(const TraceOptions& options) : options_(options) {
  if (options_.file.empty()) return;
  crashFile_ = options_.file + ".crashed";
  rt::setMessageObserver(this);
  g_recording = this;
  lv::host::setLastWords(leave);
}

lv::sim::MessageTrace::~MessageTrace() {
  if (rt::g_messageObserver == this) stop();
}

void lv::sim::MessageTrace::stop() {
  rt::setMessageObserver(nullptr);
  g_recording = nullptr;
  lv::host::setLastWords(nullptr);
}

void lv::sim::MessageTrace::leave(std::string_view signalName) {
  const MessageTrace* trace = g_recording;
  if (!trace) return;
  std::string_view lines = trace->lines_;
  size_t start = lines.size();
  for (int seen = 0; start > 0; --start)
    if (lines[start - 1] == '\n' && ++seen > kLinesShownAtACrash) break;
  if (start < lines.size()) {
    fnd::writeAll(STDERR_FILENO, "lvsim: the trace's last lines:\n");
    fnd::writeAll(STDERR_FILENO, lines.substr(start));
  }
  int fd = ::open(trace->crashFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  fnd::writeAll(fd, lines);
  fnd::writeAll(fd, "died of ");
  fnd::writeAll(fd, signalName);
  fnd::writeAll(fd, "\n");
  ::close(fd);
  ::rename(trace->crashFile_.c_str(), trace->options_.file.c_str());
}

std::optional<std::string> lv::sim::MessageTrace::folderError() const {
  if (options_.file.empty()) return std::nullopt;
  std::filesystem::path folder = std::filesystem::path(options_.file).parent_path();
  return writableFolderError(folder.empty() ? "." : folder);
}

int lv::sim::MessageTrace::finish(int code) {
  if (rt::g_messageObserver != this) return code;
  stop();
  if (code == kUsageFault) return code;
  if (auto written = fnd::writeFileAtomically(options_.file, lines_); !written)
    return fail(kRunFault, options_.file, "cannot write the trace: " + written.error().reason);
  return code;
}

bool lv::sim::MessageTrace::traces(IMP imp) {
  return lv::host::Library::contains(reinterpret_cast<const void*>(imp));
}

bool lv::sim::MessageTrace::keeps(Class cls, SEL sel) {
  if (options_.filters.empty()) return true;
  auto [at, added] = kept_.try_emplace({cls, sel}, false);
  if (!added) return at->second;
  std::string name = std::string(class_getName(cls)) + " " + sel_getName(sel);
  auto matches = [&](const std::string& glob) { return fnmatch(glob.c_str(), name.c_str(), 0) == 0; };
  return at->second = std::ranges::any_of(options_.filters, matches);
}

void lv::sim::MessageTrace::observe(const rt::TraceEvent& event) {
  if (!keeps(event.receiverClass, event.selector)) return;
  char head[64];
  std::snprintf(head, sizeof head, "t=%.3f depth=%d %s ", fnd::RunLoop::main().now(), event.depth,
                kindWord(event.kind));
  std::string line = head;
  values_.appendFrame(line, event);
  if (line.size() > kLongestLine) {
    size_t cut = kLongestLine;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
    line.resize(cut);
    line += "…";
  }
  lines_ += line + "\n";
}
