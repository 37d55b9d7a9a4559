/* A tweak as another developer writes one, in C against the device's headers: it hides the
 * clock, reached through the cover sheet's _timeLabel ivar, and dims the date through the
 * dateLabel property's getter; it upper-cases the title and makes the platter taller. Three
 * of its calls install nothing on purpose: a misspelt class, a misspelt selector, and a
 * method the class has already. */
#include <objc/message.h>
#include <objc/runtime.h>
#include <substrate.h>

static void (*previousLayout)(id, SEL);
static void (*previousSetTitle)(id, SEL, id);
static double (*previousPlatterHeight)(id, SEL);
static IMP sendMessage = (IMP)objc_msgSend;

static void layoutCoverSheet(id self, SEL _cmd) {
  previousLayout(self, _cmd);
  id clock = object_getIvar(self, class_getInstanceVariable(object_getClass(self), "_timeLabel"));
  ((void (*)(id, SEL, BOOL))sendMessage)(clock, sel_registerName("setHidden:"), YES);
  id date = ((id(*)(id, SEL))sendMessage)(self, sel_registerName("dateLabel"));
  ((void (*)(id, SEL, double))sendMessage)(date, sel_registerName("setAlpha:"), 0.5);
}

static void setTitleUpperCased(id self, SEL _cmd, id title) {
  previousSetTitle(self, _cmd, ((id(*)(id, SEL))sendMessage)(title, sel_registerName("uppercaseString")));
}

static double tallerPlatter(id self, SEL _cmd) { return previousPlatterHeight(self, _cmd) + 20; }

static void nothing(id self, SEL _cmd) {
  (void)self;
  (void)_cmd;
}

__attribute__((constructor)) static void install(void) {
  Class coverSheet = objc_getClass("CSCoverSheetView");
  SEL mark = sel_registerName("lvt_mark");
  MSHookMessageEx(coverSheet, sel_registerName("layoutSubviews"), (IMP)layoutCoverSheet, (IMP *)&previousLayout);
  MSHookMessageEx(objc_getClass("MRUNowPlayingLabelView"), sel_registerName("setTitle:"), (IMP)setTitleUpperCased,
                  (IMP *)&previousSetTitle);
  MSHookMessageEx(objc_getClass("CSMediaControlsViewController"), sel_registerName("_preferredMediaRemoteHeight"),
                  (IMP)tallerPlatter, (IMP *)&previousPlatterHeight);
  MSHookMessageEx(objc_getClass("CSCoverSheetVeiw"), sel_registerName("layoutSubviews"), (IMP)nothing, NULL);
  MSHookMessageEx(coverSheet, sel_registerName("layoutSubveiws"), (IMP)nothing, NULL);
  class_addMethod(coverSheet, sel_registerName("initWithFrame:"), (IMP)nothing, "v16@0:8");
  class_addMethod(coverSheet, mark, (IMP)nothing, "v16@0:8");
  class_replaceMethod(coverSheet, mark, (IMP)nothing, "v16@0:8");
  class_replaceMethod(object_getClass((id)coverSheet), mark, (IMP)nothing, "v16@0:8");
}
