#pragma once
// The inspector of `lvsim live`: the view under the pointer, named by its class and its
// place in the window, outlined over the window's frame with its frame in points. It is
// drawn over what the window shows, never into saved pictures. Main thread only.
#include <cairo.h>

#include <optional>
#include <string>

#include "quartz/geometry.h"
#include "runtime/runtime.h"

namespace lv::sim {

struct InspectedView {
  std::string name;  // class and place, as viewName gives them
  CGRect frame{};    // in the window's points
};

// "CLASS PLACE", as "UIImageView 0/1/3/0"; "nothing" for nil.
std::string viewName(id view);

// The view a user sees at `point` of `window`; none where there is no view.
std::optional<InspectedView> inspectAt(id window, CGPoint point);

// "UIImageView 0/1/3/0 at (31.5, 178, 44, 44)".
std::string inspectedText(const InspectedView& view);

// Where a caption of size `caption` goes beside the outline of `view`, all in one unit:
// outside it, `gap` above, else `gap` below where the window has no room above, at the
// view's left; moved inside the window wherever it would leave it (then only does it
// cover the view: one as tall as the window).
CGPoint captionOrigin(CGRect view, CGSize caption, CGSize window, double gap);

// The outline and its caption, at `scale` pixels per point, within `width` by `height` pixels.
void drawInspector(cairo_t* cr, const InspectedView& view, double scale, double width, double height);

}  // namespace lv::sim
