#pragma once
#include <memory>

#include "host/device.h"

namespace testing_support {

inline std::unique_ptr<host::Device> bootWith(prefs::BoolSettings settings,
                                              std::set<std::string, std::less<>> without = {},
                                              std::string profile = "phone") {
  host::BootOptions options;
  options.profile = std::move(profile);
  options.settings = std::move(settings);
  options.without = std::move(without);
  return host::Device::boot(options);
}

inline std::unique_ptr<host::Device> bootEnabled() { return bootWith({{"kEnabled", true}}); }

}  // namespace testing_support
