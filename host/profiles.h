#pragma once
// The devices the host can simulate. Every profile value lives here.
#include <span>
#include <string_view>

#include "quartz/geometry.h"

namespace lv::host {

struct DeviceProfile {
  std::string_view name;
  CGSize nativeSize{};  // pixels, portrait
  CGFloat scale;
  std::string_view systemVersion;
  NSInteger idiom;  // 0 phone, 1 pad
  bool homeButton;  // no home indicator and no quick-action buttons
  bool hasTorch;
};

inline constexpr DeviceProfile kPhone{"phone", {1170, 2532}, 3, "15.0", 0, false, true};
inline constexpr DeviceProfile kSmallPhone{"small-phone", {750, 1334}, 2, "14.8", 0, true, false};
inline constexpr DeviceProfile kTablet{"tablet", {1620, 2160}, 2, "15.0", 1, false, false};

inline constexpr DeviceProfile kProfiles[] = {kPhone, kSmallPhone, kTablet};

// nullptr when no profile has that name.
inline const DeviceProfile* findProfile(std::string_view name) {
  for (const DeviceProfile& p : kProfiles)
    if (p.name == name) return &p;
  return nullptr;
}

}  // namespace lv::host
