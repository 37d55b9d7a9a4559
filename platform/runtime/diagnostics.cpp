#include "runtime/diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

void writeToStderr(std::string_view line) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
  std::fflush(stderr);
}

rt::DiagnosticSink g_sink = writeToStderr;

}  // namespace

void rt::fatal(std::string_view message) {
  std::fprintf(stderr, "lumivane runtime: %.*s\n", static_cast<int>(message.size()),
               message.data());
  std::fflush(stderr);
  std::abort();
}

void rt::diagnose(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  int size = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::string line(size > 0 ? size_t(size) : 0, '\0');
  if (size > 0) std::vsnprintf(line.data(), line.size() + 1, format, args);
  va_end(args);
  g_sink(line);
}

void rt::setDiagnosticSink(DiagnosticSink sink) {
  g_sink = sink ? std::move(sink) : writeToStderr;
}
