#pragma once
// UIImageView: its image by content mode. Content outside the bounds shows unless the
// view clips, as on the device.
#include "render/paint_rules.h"

namespace lv::render {

class ImageCache;

PaintRule imageViewRule(ImageCache& images);

}  // namespace lv::render
