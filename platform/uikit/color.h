#pragma once
// UIColor and the CGColor objects layers hold. Colours are immutable RGBA values in the
// device's sRGB space; components are kept as given, unclamped. A colour owns its CGColor
// (made on first request): `-CGColor` answers it at +0, and a layer that stores it retains
// it, so it may outlive the colour.
#include "runtime/runtime.h"

namespace uikit {

struct RGBA {
  double r = 0, g = 0, b = 0, a = 0;
  bool operator==(const RGBA&) const = default;
};

}  // namespace uikit

struct CGColor : objc_object {
  uikit::RGBA components;
};

struct UIColor : objc_object {
  uikit::RGBA components;
  Ref<> cgColor;
};

namespace uikit {

// The components of a UIColor or a CGColor; nil reads as the clear colour. Any other
// object is a fatal error.
RGBA rgba(id colorOrCGColor);

}  // namespace uikit
