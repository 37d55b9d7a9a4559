#include <gtest/gtest.h>

#include <string>

#include "foundation/dispatch.h"
#include "foundation/values.h"
#include "uikit/application_notifications.h"

namespace {

// Objects the platform exports as data live in static storage: releasing one more often
// than it was retained must leave it whole.
TEST(ConstantObjects, ExportedObjectsAreOfTheirClassAndNeverCounted) {
  const struct {
    id object;
    const char* className;
    const char* text;  // nullptr: not a string
  } cases[] = {
      {dispatch_get_main_queue(), "OS_dispatch_queue", nullptr},
      {UIApplicationDidBecomeActiveNotification, "__NSCFConstantString", "UIApplicationDidBecomeActiveNotification"},
      {UIApplicationWillEnterForegroundNotification, "__NSCFConstantString",
       "UIApplicationWillEnterForegroundNotification"},
      {UIApplicationDidChangeStatusBarOrientationNotification, "__NSCFConstantString",
       "UIApplicationDidChangeStatusBarOrientationNotification"},
  };
  for (const auto& c : cases) {
    long live = rt::liveObjectCount();
    rt::retain(c.object);
    for (int i = 0; i < 3; ++i) rt::release(c.object);
    EXPECT_STREQ(class_getName(object_getClass(c.object)), c.className);
    EXPECT_EQ(rt::retainCount(c.object), 0u) << c.className;
    EXPECT_EQ(rt::liveObjectCount(), live);
    if (!c.text) continue;
    EXPECT_TRUE(send<bool>(c.object, "isEqualToString:"_sel, fnd::string(c.text))) << c.text;
  }
}

}  // namespace
