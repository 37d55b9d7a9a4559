#pragma once
#include <stdexcept>
#include <string>

namespace lv::host {

// Why the host could not boot: bad options, or the library would not load.
struct BootError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace lv::host
