#pragma once
// UIView and UIWindow. A view's geometry and appearance live in its layer (position is
// the centre, bounds, transform, opacity, hidden, masks to bounds); the view adds the
// hierarchy, layout flags, traits and the remaining UIKit properties.
//
// Messages that host code or the library may replace (setFrame:, setBounds:, setCenter:,
// setNeedsLayout, layoutSubviews, didMoveToWindow, …) are always sent through the
// runtime, never called as C++ functions, so replacements run where they would on the
// device.
#include <UIKit/UIInterface.h>
#include <UIKit/UIView.h>

#include <optional>
#include <vector>

#include "quartz/layer.h"
#include "uikit/responder.h"

inline constexpr CGFloat UIViewNoIntrinsicMetric = -1;

struct UIView : UIResponder {
  Ref<CALayer> layer;             // owned; the layer's delegate points back here
  UIView* superview = nullptr;    // weak: the superview owns its subviews
  std::vector<Ref<UIView>> subviews;  // back to front
  Ref<> backgroundColor;          // a UIColor; the layer holds its CGColor
  NSInteger tag = 0;
  NSInteger contentMode = UIViewContentModeScaleToFill;
  NSUInteger autoresizingMask = UIViewAutoresizingNone;
  bool userInteractionEnabled = true;
  bool autoresizesSubviews = true;
  bool translatesAutoresizingMaskIntoConstraints = true;
  bool needsLayout = false;
  bool descendantNeedsLayout = false;
  std::optional<NSInteger> verticalSizeClass;  // set on this view; otherwise inherited
  ~UIView();
};
struct UIControl : UIView {
  bool enabled = true;
  bool tracking = false;     // between a begin that answered YES and the touch's end
  bool touchInside = false;  // the tracked touch is inside the control
};
struct UIWindow : UIView {};

namespace uikit {

Class viewClass();
Class windowClass();

// The layout step that UIView's own layoutSubviews runs first; Auto Layout installs its
// solver here. Null uninstalls.
using ConstraintLayoutHook = void (*)(id view);
void setConstraintLayoutHook(ConstraintLayoutHook hook);

// Lays out every view flagged by setNeedsLayout, each tree top-down, as the display
// commit does.
void runLayoutPass();

// The vertical size class set on a window or view (the stand-in's knob); nullopt makes
// the view inherit it from its superview again. Views whose effective class changes get
// traitCollectionDidChange:.
void setVerticalSizeClass(id view, std::optional<NSInteger> sizeClass);
// The size class the view's traitCollection reports.
NSInteger effectiveVerticalSizeClass(id view);

// The window the view is in (a window is in itself), or nil.
UIWindow* windowOf(id view);

}  // namespace uikit
