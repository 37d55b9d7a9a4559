// Registers the platform's classes when the platform library is loaded, in dependency
// order, so that the host and the library find them by name.
#include "foundation/block.h"
#include "foundation/character_set.h"
#include "foundation/dispatch.h"
#include "foundation/notification_center.h"
#include "foundation/perform_requests.h"
#include "foundation/scanner.h"
#include "foundation/values.h"
#include "prefs/preferences.h"
#include "quartz/classes.h"
#include "uikit/application.h"
#include "uikit/application_notifications.h"
#include "uikit/auto_layout.h"
#include "uikit/color.h"
#include "uikit/control.h"
#include "uikit/device.h"
#include "uikit/feedback_generator.h"
#include "uikit/font.h"
#include "uikit/gesture_recognizer.h"
#include "uikit/image.h"
#include "uikit/image_view.h"
#include "uikit/label.h"
#include "uikit/layout_constraint.h"
#include "uikit/responder.h"
#include "uikit/screen.h"
#include "uikit/scroll_view.h"
#include "uikit/stack_view.h"
#include "uikit/touch.h"
#include "uikit/trait_collection.h"
#include "uikit/view.h"
#include "uikit/view_controller.h"

namespace {

__attribute__((constructor(101))) void registerPlatformClasses() {
  rt::rootClass();
  fnd::registerValueClasses();
  fnd::registerBlockClass();
  fnd::registerPerformRequests();
  fnd::registerDispatchClasses();
  fnd::registerNotificationClasses();
  fnd::registerCharacterSetClasses();
  fnd::registerScannerClasses();
  quartz::registerQuartzClasses();
  uikit::registerColorClasses();
  uikit::registerResponderClasses();
  uikit::registerTraitCollectionClass();
  uikit::registerImageClass();
  uikit::registerViewClasses();
  uikit::registerViewControllerClass();
  uikit::registerScrollViewClass();
  uikit::registerImageViewClass();
  uikit::registerApplicationNotifications();
  uikit::registerApplicationClasses();
  uikit::registerFeedbackClasses();
  uikit::registerFontClasses();
  uikit::registerLabelClasses();
  uikit::registerLayoutConstraintClasses();
  uikit::registerStackViewClasses();
  uikit::registerAutoLayout();
  uikit::registerTouchClasses();
  uikit::registerHitTesting();
  uikit::registerGestureClasses();
  uikit::registerControlClasses();
  uikit::registerScreenClasses();
  uikit::registerDeviceClasses();
  prefs::registerPreferencesClasses();
}

}  // namespace
