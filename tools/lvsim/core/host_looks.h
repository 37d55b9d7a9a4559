#pragma once
// The host's views that leave their look to the screen, each given the renderer's look
// that draws it and the host state that look shows.
namespace lv::render {
class PaintRules;
}

namespace lv::sim {

void addHostLooks(render::PaintRules& rules);

}  // namespace lv::sim
