/* Quiet Clock: hides the lock screen's clock, tints the now-playing platter and shows the
 * title in capitals. Plain C against the device's headers; see CMakeLists.txt. */
#include <CoreGraphics/CGGeometry.h>
#include <objc/message.h>
#include <objc/runtime.h>
#include <string.h>
#include <substrate.h>

/* Every send casts objc_msgSend to the method's own type. */
static IMP send = (IMP)objc_msgSend;
#define SEND(R, ...) ((R(*)(id, SEL, ##__VA_ARGS__))send)

static void (*coverSheetLayout)(id, SEL);
static void (*configurePlatterBackground)(id, SEL, id);
static void (*setTitle)(id, SEL, id);

/* The clock is the cover sheet's label that shows a time. */
static void hideClock(id self, SEL _cmd) {
  coverSheetLayout(self, _cmd);
  id views = SEND(id)(self, sel_registerName("subviews"));
  unsigned long count = SEND(unsigned long)(views, sel_registerName("count"));
  for (unsigned long i = 0; i < count; ++i) {
    id view = SEND(id, unsigned long)(views, sel_registerName("objectAtIndex:"), i);
    if (!class_respondsToSelector(object_getClass(view), sel_registerName("text"))) continue;
    id text = SEND(id)(view, sel_registerName("text"));
    const char *utf8 = SEND(const char *)(text, sel_registerName("UTF8String"));
    if (utf8 && strchr(utf8, ':')) SEND(void, BOOL)(view, sel_registerName("setHidden:"), YES);
  }
}

/* The platter's material background, once the platter has made and coloured it. */
static void tintPlatter(id self, SEL _cmd, id background) {
  configurePlatterBackground(self, _cmd, background);
  id tint = SEND(id, CGFloat, CGFloat, CGFloat, CGFloat)((id)objc_getClass("UIColor"),
      sel_registerName("colorWithRed:green:blue:alpha:"), 0.55, 0.1, 0.35, 0.85);
  SEND(void, id)(background, sel_registerName("setBackgroundColor:"), tint);
}

static void setCapitalTitle(id self, SEL _cmd, id title) {
  setTitle(self, _cmd, SEND(id)(title, sel_registerName("uppercaseString")));
}

__attribute__((constructor)) static void install(void) {
  MSHookMessageEx(objc_getClass("CSCoverSheetView"), sel_registerName("layoutSubviews"), (IMP)hideClock,
                  (IMP *)&coverSheetLayout);
  MSHookMessageEx(objc_getClass("PLPlatterView"), sel_registerName("_configureBackgroundView:"), (IMP)tintPlatter,
                  (IMP *)&configurePlatterBackground);
  MSHookMessageEx(objc_getClass("MRUNowPlayingLabelView"), sel_registerName("setTitle:"), (IMP)setCapitalTitle,
                  (IMP *)&setTitle);
}
