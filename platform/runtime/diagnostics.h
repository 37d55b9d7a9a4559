#pragma once
// How the platform reports trouble. A fatal error is a broken contract (an unknown selector,
// a nil where an object must be): it writes one line to stderr and aborts, as the device's
// runtime does. A diagnostic is a fault the platform tolerates and goes on past (a broken
// constraint, a missing font): one line to the diagnostics sink, stderr unless a test has
// installed its own. Neither prints an address, so that runs are reproducible. Main thread.
#include <functional>
#include <string_view>

namespace rt {

[[noreturn]] void fatal(std::string_view message);

using DiagnosticSink = std::function<void(std::string_view line)>;

// Formats one line as printf does, without the newline, and hands it to the sink.
void diagnose(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Installs `sink` (an empty one restores stderr).
void setDiagnosticSink(DiagnosticSink sink);

}  // namespace rt
