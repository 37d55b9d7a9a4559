#pragma once
// A lock screen's artwork corner put together by hand: a regular-height window holding
// the platter's artwork view, a cover sheet with its two background views, a header and
// the host's label view, each stored in the library's globals as the library would.
#include <memory>

#include "boot_helpers.h"
#include "host/media_views.h"
#include "uikit/image.h"
#include "uikit/touch_injector.h"
#include "uikit/view.h"
#include "uikit/view_animation.h"

namespace testing_support {

struct ArtworkScene {
  // The library's controls width is 0 here, which puts the squares left of the platter's
  // origin; the platter's bounds start far enough left to keep them on screen.
  static constexpr double kPlatterX = 200;

  explicit ArtworkScene(prefs::BoolSettings settings = {}, std::string profile = "phone") {
    settings.emplace("kEnabled", true);
    device = bootWith(std::move(settings), {}, std::move(profile));
    window = rt::create(objc_getClass("UIWindow"), "initWithFrame:"_sel, CGRectMake(0, 0, 390, 844));
    uikit::setVerticalSizeClass(window, UIUserInterfaceSizeClassRegular);
    coverSheet = rt::create(objc_getClass("CSCoverSheetView"), "initWithFrame:"_sel, CGRectMake(0, 0, 390, 844));
    backgroundImage = rt::create("UIImageView");
    background = rt::create("UIView");
    send<void>(coverSheet, "setLumivaneArtworkBackgroundImageView:"_sel, backgroundImage);
    send<void>(coverSheet, "setLumivaneArtworkBackgroundView:"_sel, background);
    storeGlobal("coverSheetView", coverSheet);
    labelView = rt::create("MRUNowPlayingLabelView");
    send<void>(labelView, "setPlaceholderText:"_sel, nil);  // no host text at all
    storeGlobal("mruLabel", labelView);
    header = rt::create("MRUNowPlayingHeaderView");
    storeGlobal("headerView", header);
    artwork = makeArtworkView();
    send<void>(artwork, "setArtworkImage:"_sel, uikit::imageWithRGBA(1, 1, 1, {255, 0, 0, 255}));
    platter = rt::create(objc_getClass("UIView"), "initWithFrame:"_sel, CGRectMake(0, 0, 390, 844));
    send<void>(platter, "setBounds:"_sel, CGRectMake(-kPlatterX, 0, 390, 844));
    send<void>(window, "addSubview:"_sel, platter);
    send<void>(platter, "addSubview:"_sel, artwork);
    send<void>(artwork, "setFrame:"_sel, CGRectMake(0, 0, 50, 50));
    touches = std::make_unique<uikit::TouchInjector>(window);
  }

  // The header's first layout builds its title and artist labels.
  void buildHeaderLabels() const {
    send<void>(platter, "insertSubview:atIndex:"_sel, header, NSInteger(0));
    send<void>(header, "setFrame:"_sel, CGRectMake(0, 0, 390, 498));
    send<void>(header, "layoutSubviews"_sel);
  }
  id headerLabel(const char* name) const { return send<id>(header, sel_registerName(name)); }

  // The host's artwork view makes its own image, shadow, icon and placeholder views.
  static Ref<> makeArtworkView() { return rt::create("MRUArtworkView"); }

  void storeGlobal(const char* name, id value) const {
    id& global = device->library().global<id>(name);
    rt::retain(value);
    rt::release(global);
    global = value;
  }

  template <class T>
  T& global(const char* name) const {
    return device->library().global<T>(name);
  }

  MRUArtworkView* host() const { return static_cast<MRUArtworkView*>(artwork.get()); }
  CGRect frame() const { return send<CGRect>(artwork, "frame"_sel); }
  CGRect shownFrame() const { return uikit::presentationFrame(artwork); }
  void tapArtwork() const {
    CGRect f = shownFrame();
    touches->tap(CGPointMake(kPlatterX + f.origin.x + 5, f.origin.y + f.size.height / 2));
  }

  static bool hidden(id view) { return send<bool>(view, "isHidden"_sel); }
  static double shownAlpha(id view) { return uikit::presentationAlpha(view); }

  std::unique_ptr<host::Device> device;
  Ref<> window, platter, coverSheet, backgroundImage, background, labelView, header, artwork;
  std::unique_ptr<uikit::TouchInjector> touches;
};

}  // namespace testing_support
