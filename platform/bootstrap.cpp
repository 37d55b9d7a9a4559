// Registers the platform's classes when the platform library is loaded, in dependency
// order, so that the host and the library find them by name.
#include "foundation/dispatch.h"
#include "foundation/perform_requests.h"
#include "foundation/values.h"
#include "uikit/responder.h"
#include "uikit/view.h"

namespace {

__attribute__((constructor(101))) void registerPlatformClasses() {
  rt::rootClass();
  fnd::registerValueClasses();
  fnd::registerPerformRequests();
  fnd::registerDispatchClasses();
  uikit::registerResponderClasses();
  uikit::registerViewClasses();
}

}  // namespace
