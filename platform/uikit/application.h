#pragma once
// UIApplication: the shared application object and the requests made of it. The host
// creates the application (its own subclass); the first one initialised becomes the
// shared one. Launch requests are recorded for inspection.
#include <string>
#include <vector>

#include "uikit/responder.h"

namespace uikit {

struct ApplicationLaunch {
  std::string identifier;
  bool suspended = false;
};

// Every accepted `launchApplicationWithIdentifier:suspended:`, oldest first.
const std::vector<ApplicationLaunch>& applicationLaunches();

}  // namespace uikit
