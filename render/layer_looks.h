#pragma once
// What a layer looks like by itself, hashed: its bounds, background, corners, clipping,
// whether it has a mask, and its class's content. Shared by the painter's signatures of
// what lies beneath and by a renderer's signature of a whole scene.
#include "quartz/layer.h"
#include "render/hasher.h"
#include "render/paint_rules.h"

namespace lv::render {

void addLayerLooks(Hasher& h, const CALayer* layer, id object, CGRect bounds, const PaintRule* rule);

// The layer's mask when it is a layer, else null.
CALayer* maskLayerOf(const CALayer* layer);

}  // namespace lv::render
