#pragma once
// The lock screen seen from the now-playing header: its labels, the host label view and
// the controls' width the library places them by.
#include "support/lock_screen_helpers.h"

namespace testing_support {

struct HeaderScene {
  std::unique_ptr<lv::host::LockScreen> screen;

  explicit HeaderScene(prefs::BoolSettings settings = {}) : screen(bootEnabled({.settings = std::move(settings)})) {}

  id header() const { return screen->firstView("MRUNowPlayingHeaderView"); }
  id labelView() const { return screen->firstView("MRUNowPlayingLabelView"); }
  id label(const char* which) const { return member(header(), which); }
  double controlsWidth() const { return frameOf(screen->firstView("MRUNowPlayingControlsView")).size.width; }
  double stackX() const { return frameOf(label("labelStackView")).origin.x; }

  // Gives the host's title or subtitle line a width, as a text of that width would.
  void setHostTextWidth(const char* line, double width) const {
    id view = member(labelView(), line);
    CGRect f = frameOf(view);
    setFrame(view, CGRectMake(f.origin.x, f.origin.y, width, f.size.height));
  }

  // A header or label view of the host's, made apart from the lock screen's platter.
  static Ref<> makeHostView(const char* cls, NSInteger layout = 4, CGRect frame = {}) {
    Ref<> view = makeView(cls, frame);
    send<void>(view, "setLayout:"_sel, layout);
    return view;
  }
};

}  // namespace testing_support
