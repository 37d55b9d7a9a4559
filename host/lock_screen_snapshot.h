#pragma once
// What the lock screen showed at one moment, and what the system had recorded by then.
#include <string>
#include <vector>

#include "host/globals_snapshot.h"
#include "host/view_snapshot.h"

namespace lv::host {

struct EventsSnapshot {
  std::vector<std::string> launches;  // application identifiers, in order
  long unlockRequests;
  long haptics;
  long nowPlayingRequests;
};

struct LockScreenSnapshot {
  std::string name;
  double time;  // the run loop's clock, in seconds
  std::vector<GlobalSnapshot> globals;
  EventsSnapshot events;
  ViewSnapshot tree;  // the window
};

}  // namespace lv::host
