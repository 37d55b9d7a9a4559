#include "tools/lvsim/core/host_looks.h"

#include "host/lock_screen_furniture.h"
#include "render/stock_looks.h"

void lv::sim::addHostLooks(render::PaintRules& rules) {
  rules.add("SBFStaticWallpaperView", render::wallpaperRule());
  rules.add("MRUNowPlayingTransportControlsView",
            render::transportGlyphsRule([](id view) { return send<bool>(view, "isPaused"_sel); }));
  rules.add("MRUNowPlayingRoutingButton", render::routingGlyphRule());
  rules.add("SBStatusBarIndicatorsView", render::statusIndicatorsRule());
  rules.add("CSQuickActionButton", render::quickActionGlyphRule([](id view) {
              return send<NSInteger>(view, "action"_sel) == CSQuickActionCamera;
            }));
}
