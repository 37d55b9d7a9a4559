// Registers the platform's classes when the platform library is loaded, in dependency
// order, so that the host and the library find them by name.
#include "foundation/character_set.h"
#include "foundation/dispatch.h"
#include "foundation/notification_center.h"
#include "foundation/perform_requests.h"
#include "foundation/scanner.h"
#include "foundation/values.h"
#include "uikit/application.h"
#include "uikit/application_notifications.h"
#include "uikit/color.h"
#include "uikit/feedback_generator.h"
#include "uikit/font.h"
#include "uikit/responder.h"
#include "uikit/view.h"

namespace {

__attribute__((constructor(101))) void registerPlatformClasses() {
  rt::rootClass();
  fnd::registerValueClasses();
  fnd::registerPerformRequests();
  fnd::registerDispatchClasses();
  fnd::registerNotificationClasses();
  fnd::registerCharacterSetClasses();
  fnd::registerScannerClasses();
  uikit::registerColorClasses();
  uikit::registerResponderClasses();
  uikit::registerViewClasses();
  uikit::registerApplicationNotifications();
  uikit::registerApplicationClasses();
  uikit::registerFeedbackClasses();
  uikit::registerFontClasses();
}

}  // namespace
