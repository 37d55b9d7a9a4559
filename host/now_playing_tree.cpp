#include "host/now_playing_tree.h"

#include "host/appearance.h"
#include "host/class_helpers.h"
#include "host/host_geometry.h"

namespace lv::host {

namespace {

using namespace geometry;

// Adds `child` to `parent` and hands it to the parent's setter; the parent keeps it. Nil,
// and the child dropped, when either is missing.
id attach(id parent, const char* setter, Ref<> child) {
  if (!parent || !child) return nil;
  addSubview(parent, child.get());
  send<void>(parent, sel_registerName(setter), child.get());
  return child.get();
}

void addHeaderParts(id header, CGFloat w) {
  attach(header, "setArtworkView:", makeView("MRUArtworkView", kArtworkFrame));
  attach(header, "setLabelView:", makeView("MRUNowPlayingLabelView", labelViewFrame(w)));
  attach(header, "setRoutingButton:", makeView("MRUNowPlayingRoutingButton", routingButtonFrame(w)));
}

}  // namespace

}  // namespace lv::host

// Parents are framed before their children are made, so that each child starts inside a
// sized parent (the controls' width is known before the time controls exist). The parts
// of a container the host lacks are not made.
Ref<> lv::host::makeNowPlayingTree(CGRect frame) {
  Ref<> nowPlaying = makeView("MRUNowPlayingView", frame);
  if (!nowPlaying) return nil;
  CGRect bounds = boundsOf(nowPlaying.get());
  id controls = attach(nowPlaying.get(), "setControlsView:", makeView("MRUNowPlayingControlsView", bounds));
  if (!controls) return nowPlaying;
  CGFloat w = bounds.size.width;

  if (id header = attach(controls, "setHeaderView:", makeView("MRUNowPlayingHeaderView", headerFrame(w))))
    addHeaderParts(header, w);
  attach(controls, "setTimeControlsView:",
         rt::create(objc_getClass("MRUNowPlayingTimeControlsView"), "initWithFrame:primaryAction:"_sel,
                    timeControlsFrame(w), nil));
  attach(controls, "setTransportControlsView:",
         makeView("MRUNowPlayingTransportControlsView", transportControlsFrame(w)));
  id volume = attach(controls, "setVolumeControlsView:", makeView("UIView", volumeControlsFrame(w)));
  appearance::fillRounded(volume, appearance::kUnplayedTrack, kVolumeControlsHeight / 2);
  id suggestions = attach(controls, "setSuggestionsView:", makeView("MRUMediaSuggestionsView", suggestionsFrame(w)));
  appearance::fillRounded(suggestions, appearance::kControlFill, kSuggestionsCornerRadius);
  return nowPlaying;
}
