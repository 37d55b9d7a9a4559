#pragma once
// The host's artwork view: the artwork image with its shadow, the app icon, and a
// placeholder while there is no artwork; a new artwork updates the visibility.
#include "host/media_view.h"

struct MRUArtworkView : lv::host::MediaView<UIView> {
  NSInteger style = lv::host::geometry::kPlatterArtworkStyle;
  Ref<> artworkImage;  // UIImage
  Ref<> artworkImageView, artworkShadowView, iconView, iconShadowView;
  Ref<> placeholderBackground, placeholderImageView;
  CGFloat cornerRadius = 0, continuousCornerRadius = 0;
};

namespace lv::host {

void registerMRUArtworkView();

}  // namespace lv::host
