#pragma once
// A hand-made platter for the header tests: a window holding a header and a host label
// view with its marquee views, on a device booted with the library.
#include <memory>

#include "boot_helpers.h"
#include "foundation/run_loop.h"
#include "foundation/values.h"
#include "host/media_views.h"

namespace testing_support {

inline Ref<> makeView(const char* cls, CGRect frame = {}) {
  return rt::create(objc_getClass(cls), "initWithFrame:"_sel, frame);
}

inline CGRect frameOf(id view) { return send<CGRect>(view, "frame"_sel); }
inline std::string textOf(id label) { return fnd::utf8(send<id>(label, "text"_sel)); }

struct Platter {
  std::unique_ptr<host::Device> device;
  Ref<> window, header, labelView;

  explicit Platter(prefs::BoolSettings settings) : device(bootWith(std::move(settings))) {
    window = makeView("UIWindow", CGRectMake(0, 0, 390, 844));
    header = makeView("MRUNowPlayingHeaderView");
    labelView = makeView("MRUNowPlayingLabelView");
    auto* host = static_cast<MRUNowPlayingLabelView*>(labelView.get());
    host->titleMarqueeView = makeView("UIView", CGRectMake(0, 0, 120, 20));
    host->subtitleMarqueeView = makeView("UIView", CGRectMake(0, 20, 80, 20));
    host->routeLabel = makeView("UIView", CGRectMake(0, 40, 60, 15));
    for (id part : {host->titleMarqueeView.get(), host->subtitleMarqueeView.get(), host->routeLabel.get()})
      send<void>(labelView, "addSubview:"_sel, part);
  }

  template <class T>
  T& global(const char* name) const { return device->library().global<T>(name); }

  id label(const char* which) const { return send<id>(header, sel_registerName(which)); }

  // Frames the header on the platter and lays it out, as the host does on showing it.
  void showHeader(CGRect frame = CGRectMake(0, 0, 359, 200)) {
    send<void>(window, "addSubview:"_sel, header);
    send<void>(header, "setFrame:"_sel, frame);
    send<void>(header, "layoutSubviews"_sel);
    settle();
  }

  void setHostText(SEL marquee, double width) {
    id view = send<id>(labelView, marquee);
    CGRect f = frameOf(view);
    send<void>(view, "setFrame:"_sel, CGRectMake(f.origin.x, f.origin.y, width, f.size.height));
  }

  static void settle() { fnd::RunLoop::main().runFor(0.05); }
};

}  // namespace testing_support
