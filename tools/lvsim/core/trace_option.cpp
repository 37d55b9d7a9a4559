#include "tools/lvsim/core/trace_option.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstdio>

#include "foundation/atomic_file.h"
#include "foundation/run_loop.h"
#include "host/library.h"
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

}  // namespace

}  // namespace lv::sim

lv::sim::MessageTrace::MessageTrace(const TraceOptions& options) : options_(options) {
  if (!options_.file.empty()) rt::setMessageObserver(this);
}

lv::sim::MessageTrace::~MessageTrace() {
  if (rt::g_messageObserver == this) rt::setMessageObserver(nullptr);
}

std::optional<std::string> lv::sim::MessageTrace::folderError() const {
  if (options_.file.empty()) return std::nullopt;
  std::filesystem::path folder = std::filesystem::path(options_.file).parent_path();
  return writableFolderError(folder.empty() ? "." : folder);
}

int lv::sim::MessageTrace::finish(int code) {
  if (rt::g_messageObserver != this) return code;
  rt::setMessageObserver(nullptr);
  if (code == kUsageFault) return code;
  if (auto written = fnd::writeFileAtomically(options_.file, lines_); !written)
    return fail(kRunFault, options_.file, "cannot write the trace: " + written.error().reason);
  return code;
}

bool lv::sim::MessageTrace::traces(IMP imp) {
  return lv::host::Library::contains(reinterpret_cast<const void*>(imp));
}

void lv::sim::MessageTrace::observe(const rt::TraceEvent& event) {
  std::string name = std::string(class_getName(event.receiverClass)) + " " + sel_getName(event.selector);
  auto matches = [&](const std::string& glob) { return fnmatch(glob.c_str(), name.c_str(), 0) == 0; };
  if (!options_.filters.empty() && std::ranges::none_of(options_.filters, matches)) return;
  char head[64];
  std::snprintf(head, sizeof head, "t=%.3f depth=%d %s ", fnd::RunLoop::main().now(), event.depth,
                kindWord(event.kind));
  lines_ += head + name + "\n";
}
