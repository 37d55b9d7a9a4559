// Quiet Clock in C++: hides the lock screen's clock, tints the now-playing platter and
// shows the title in capitals, with a typed send over objc_msgSend; see CMakeLists.txt.
#include <CoreGraphics/CGGeometry.h>
#include <objc/message.h>
#include <objc/runtime.h>
#include <substrate.h>

#include <string_view>

namespace {

template <typename R = void, typename... Args>
R send(id receiver, const char* selector, Args... args) {
  return reinterpret_cast<R (*)(id, SEL, Args...)>(objc_msgSend)(receiver, sel_registerName(selector), args...);
}

// Replaces `selector` of `className` with `replacement`, keeping the original in `original`.
template <typename F>
void hook(const char* className, const char* selector, F* replacement, F** original) {
  MSHookMessageEx(objc_getClass(className), sel_registerName(selector), reinterpret_cast<IMP>(replacement),
                  reinterpret_cast<IMP*>(original));
}

void (*coverSheetLayout)(id, SEL);
void (*configurePlatterBackground)(id, SEL, id);
void (*setTitle)(id, SEL, id);

// The clock is the cover sheet's label that shows a time.
void hideClock(id self, SEL cmd) {
  coverSheetLayout(self, cmd);
  id views = send<id>(self, "subviews");
  for (unsigned long i = 0, n = send<unsigned long>(views, "count"); i < n; ++i) {
    id view = send<id>(views, "objectAtIndex:", i);
    if (!class_respondsToSelector(object_getClass(view), sel_registerName("text"))) continue;
    const char* text = send<const char*>(send<id>(view, "text"), "UTF8String");
    if (text && std::string_view(text).find(':') != std::string_view::npos) send(view, "setHidden:", BOOL(YES));
  }
}

// The platter's material background, once the platter has made and coloured it.
void tintPlatter(id self, SEL cmd, id background) {
  configurePlatterBackground(self, cmd, background);
  id tint = send<id>(reinterpret_cast<id>(objc_getClass("UIColor")), "colorWithRed:green:blue:alpha:", CGFloat(0.1),
                     CGFloat(0.35), CGFloat(0.55), CGFloat(0.85));
  send(background, "setBackgroundColor:", tint);
}

void setCapitalTitle(id self, SEL cmd, id title) { setTitle(self, cmd, send<id>(title, "uppercaseString")); }

[[gnu::constructor]] void install() {
  hook("CSCoverSheetView", "layoutSubviews", hideClock, &coverSheetLayout);
  hook("PLPlatterView", "_configureBackgroundView:", tintPlatter, &configurePlatterBackground);
  hook("MRUNowPlayingLabelView", "setTitle:", setCapitalTitle, &setTitle);
}

}  // namespace
