#pragma once
// Writing every byte to a descriptor, going on after interruptions and short writes.
// Async-signal-safe, so that a crash handler may write with it.
#include <string_view>

namespace fnd {

// 0, or the errno of the write that failed.
int writeAll(int fd, std::string_view bytes);

}  // namespace fnd
