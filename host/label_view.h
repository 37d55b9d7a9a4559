#pragma once
// The host label view: the route, title and subtitle texts; with no title the title line
// shows the placeholder text.
#include "host/media_view.h"

struct MRUNowPlayingLabelView : lv::host::MediaView<UIView> {
  Ref<> titleMarqueeView, subtitleMarqueeView, routeLabel;  // UILabel
  Ref<> title, subtitle, placeholderText;                   // NSString
};

namespace lv::host {

void registerMRUNowPlayingLabelView();

}  // namespace lv::host
