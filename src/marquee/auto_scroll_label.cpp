// The model of CBAutoScrollLabel: its instance variables, subviews, setters and the layout of the
// two copies. The moving half is in scroll_cycle.cpp and fade_mask.cpp.
#include "marquee/auto_scroll_label.h"

#include <UIKit/NSText.h>
#include <UIKit/UIView.h>

#include <cmath>

#include "bridge/methods.h"
#include "bridge/values.h"
#include "marquee/fade_mask.h"
#include "marquee/label_ivars.h"
#include "marquee/scroll_cycle.h"
#include "startup/view_messages.h"

namespace lv::marquee {

namespace {

Class g_class = nullptr;

constexpr int kCopyCount = 2;
constexpr float kDefaultScrollSpeed = 30;
constexpr double kDefaultPauseInterval = 1.5;
constexpr NSInteger kDefaultLabelSpacing = 20;
constexpr double kDefaultFadeLength = 7;

template <class... A>
void sendToCopies(id self, SEL sel, A... args) {
  forEachItem(labels(self), [&](id label) { send<void>(label, sel, args...); });
}

id mainLabel(id self, SEL) { return send<id>(labels(self), "firstObject"_sel); }

// Structure

id labelsGetter(id self, SEL) { return labels(self); }
void setLabels(id self, SEL, id labels) { setStrongIvar(self, g_ivars.labels, labels); }

id scrollViewGetter(id self, SEL) {
  if (id existing = scrollView(self)) return existing;
  CGRect bounds = send<CGRect>(self, "bounds"_sel);
  Strong made = create(objc_getClass("UIScrollView"), "initWithFrame:"_sel, bounds);
  setStrongIvar(self, g_ivars.scrollView, made.get());
  id scrollView = made.get();
  send<void>(scrollView, "setAutoresizingMask:"_sel,
             UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
  send<void>(scrollView, "setBackgroundColor:"_sel, send<id>(objc_getClass("UIColor"), "clearColor"_sel));
  send<void>(self, "addSubview:"_sel, scrollView);
  return scrollView;
}
void setScrollView(id self, SEL, id scrollView) { setStrongIvar(self, g_ivars.scrollView, scrollView); }

// Creation

void commonInit(id self, SEL) {
  id set = send<id>(objc_getClass("NSMutableSet"), "setWithCapacity:"_sel, NSUInteger(kCopyCount));
  for (int i = 0; i < kCopyCount; ++i) {
    Strong label = create(objc_getClass("UILabel"));
    send<void>(label, "setBackgroundColor:"_sel, send<id>(objc_getClass("UIColor"), "clearColor"_sel));
    send<void>(label, "setAutoresizingMask:"_sel, send<NSUInteger>(self, "autoresizingMask"_sel));
    send<void>(send<id>(self, "scrollView"_sel), "addSubview:"_sel, label);
    send<void>(set, "addObject:"_sel, label);
  }
  setStrongIvar(self, g_ivars.labels, send<id>(set, "allObjects"_sel));

  scrollDirection(self) = kScrollLeft;
  scrollSpeed(self) = kDefaultScrollSpeed;
  send<void>(self, "setPauseInterval:"_sel, kDefaultPauseInterval);
  send<void>(self, "setLabelSpacing:"_sel, kDefaultLabelSpacing);
  send<void>(self, "setTextAlignment:"_sel, NSTextAlignmentLeft);
  send<void>(self, "setAnimationOptions:"_sel, UIViewAnimationOptionCurveLinear);

  id scrollView = send<id>(self, "scrollView"_sel);
  send<void>(scrollView, "setShowsVerticalScrollIndicator:"_sel, false);
  send<void>(scrollView, "setShowsHorizontalScrollIndicator:"_sel, false);
  send<void>(scrollView, "setScrollEnabled:"_sel, false);

  send<void>(self, "setUserInteractionEnabled:"_sel, false);
  send<void>(self, "setBackgroundColor:"_sel, send<id>(objc_getClass("UIColor"), "clearColor"_sel));
  send<void>(self, "setClipsToBounds:"_sel, true);
  send<void>(self, "setFadeLength:"_sel, kDefaultFadeLength);
}

id initWithFrame(id self, SEL sel, CGRect frame) {
  self = sendSuper<id>(g_class, self, sel, frame);
  if (self) send<void>(self, "commonInit"_sel);
  return self;
}

id initWithCoder(id self, SEL sel, id coder) {
  self = sendSuper<id>(g_class, self, sel, coder);
  if (self) send<void>(self, "commonInit"_sel);
  return self;
}

void dealloc(id self, SEL sel) {
  send<void>(objc_getClass("NSObject"), "cancelPreviousPerformRequestsWithTarget:"_sel, self);
  send<void>(send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel),
             "removeObserver:"_sel, self);
  setStrongIvar(self, g_ivars.labels, nil);
  setStrongIvar(self, g_ivars.scrollView, nil);
  sendSuper<void>(g_class, self, sel);
}

// Text and appearance. The copies hold every value; the getters read the main copy.

id text(id self, SEL) { return send<id>(mainLabel(self, nullptr), "text"_sel); }

void setTextRefreshing(id self, SEL, id newText, bool refresh) {
  if (newText && send<bool>(newText, "isEqualToString:"_sel, text(self, nullptr))) return;
  sendToCopies(self, "setText:"_sel, newText);
  if (refresh) send<void>(self, "refreshLabels"_sel);
}
void setText(id self, SEL, id newText) { setTextRefreshing(self, nullptr, newText, true); }

id attributedText(id self, SEL) { return send<id>(mainLabel(self, nullptr), "attributedText"_sel); }

void setAttributedTextRefreshing(id self, SEL, id newText, bool refresh) {
  id characters = send<id>(newText, "string"_sel);
  id current = send<id>(attributedText(self, nullptr), "string"_sel);
  if (characters && send<bool>(characters, "isEqualToString:"_sel, current)) return;
  sendToCopies(self, "setAttributedText:"_sel, newText);
  if (refresh) send<void>(self, "refreshLabels"_sel);
}
void setAttributedText(id self, SEL, id newText) {
  setAttributedTextRefreshing(self, nullptr, newText, true);
}

id font(id self, SEL) { return send<id>(mainLabel(self, nullptr), "font"_sel); }
void setFont(id self, SEL, id newFont) {
  if (newFont == font(self, nullptr)) return;
  sendToCopies(self, "setFont:"_sel, newFont);
  send<void>(self, "refreshLabels"_sel);
  send<void>(self, "invalidateIntrinsicContentSize"_sel);
}

id textColor(id self, SEL) { return send<id>(mainLabel(self, nullptr), "textColor"_sel); }
void setTextColor(id self, SEL, id color) { sendToCopies(self, "setTextColor:"_sel, color); }
id shadowColor(id self, SEL) { return send<id>(mainLabel(self, nullptr), "shadowColor"_sel); }
void setShadowColor(id self, SEL, id color) { sendToCopies(self, "setShadowColor:"_sel, color); }
CGSize shadowOffset(id self, SEL) { return send<CGSize>(mainLabel(self, nullptr), "shadowOffset"_sel); }
void setShadowOffset(id self, SEL, CGSize offset) { sendToCopies(self, "setShadowOffset:"_sel, offset); }

NSInteger textAlignmentGetter(id self, SEL) { return textAlignment(self); }
void setTextAlignment(id self, SEL, NSInteger alignment) { textAlignment(self) = alignment; }

// Scrolling parameters

float scrollSpeedGetter(id self, SEL) { return scrollSpeed(self); }
void setScrollSpeed(id self, SEL, float speed) {
  scrollSpeed(self) = speed;
  send<void>(self, "scrollLabelIfNeeded"_sel);
}
NSInteger scrollDirectionGetter(id self, SEL) { return scrollDirection(self); }
void setScrollDirection(id self, SEL, NSInteger direction) {
  scrollDirection(self) = direction;
  send<void>(self, "scrollLabelIfNeeded"_sel);
}
double pauseIntervalGetter(id self, SEL) { return pauseInterval(self); }
void setPauseInterval(id self, SEL, double interval) { pauseInterval(self) = interval; }
NSInteger labelSpacingGetter(id self, SEL) { return labelSpacing(self); }
void setLabelSpacing(id self, SEL, NSInteger spacing) { labelSpacing(self) = spacing; }
NSUInteger animationOptionsGetter(id self, SEL) { return animationOptions(self); }
void setAnimationOptions(id self, SEL, NSUInteger options) { animationOptions(self) = options; }
bool scrollingGetter(id self, SEL) { return scrolling(self); }
double fadeLengthGetter(id self, SEL) { return fadeLength(self); }
// A negative or undefined length is stored as no fade.
void setFadeLength(id self, SEL, double length) {
  if (!(length > 0)) length = 0;
  if (fadeLength(self) == length) return;
  fadeLength(self) = length;
  send<void>(self, "refreshLabels"_sel);
  send<void>(self, "applyGradientMaskForFadeLength:enableFade:"_sel, length, false);
}

// Layout

void refreshLabels(id self, SEL) {
  CGRect bounds = send<CGRect>(self, "bounds"_sel);
  CGPoint center = send<CGPoint>(self, "center"_sel);
  CGRect frame = send<CGRect>(self, "frame"_sel);
  // The copies' vertical centre snaps to a whole point at half the view's height.
  double centreY = std::round(float(center.y - CGRectGetMinY(frame)));

  float offset = 0;
  forEachItem(labels(self), [&](id copy) {
    send<void>(copy, "sizeToFit"_sel);
    double width = frameWidth(copy);
    send<void>(copy, "setFrame:"_sel, CGRectMake(offset, 0, width, bounds.size.height));
    CGPoint copyCenter = send<CGPoint>(copy, "center"_sel);
    send<void>(copy, "setCenter:"_sel, CGPointMake(copyCenter.x, centreY));
    offset = float(double(offset) + send<CGRect>(copy, "bounds"_sel).size.width + double(labelSpacing(self)));
  });

  id scrollView = send<id>(self, "scrollView"_sel);
  send<void>(scrollView, "setContentOffset:"_sel, CGPointMake(0, 0));
  send<void>(send<id>(scrollView, "layer"_sel), "removeAllAnimations"_sel);

  id main = mainLabel(self, nullptr);
  double textWidth = send<CGRect>(main, "bounds"_sel).size.width;
  if (textWidth > bounds.size.width) {
    send<void>(scrollView, "setContentSize:"_sel,
               CGSizeMake(textWidth + bounds.size.width + double(labelSpacing(self)), bounds.size.height));
    sendToCopies(self, "setHidden:"_sel, false);
    send<void>(self, "applyGradientMaskForFadeLength:enableFade:"_sel, fadeLength(self), scrolling(self));
    send<void>(self, "scrollLabelIfNeeded"_sel);
    return;
  }

  forEachItem(labels(self), [&](id copy) { setHidden(copy, copy != main); });
  send<void>(scrollView, "setContentSize:"_sel, bounds.size);
  send<void>(main, "setFrame:"_sel, bounds);
  setHidden(main, false);
  send<void>(main, "setTextAlignment:"_sel, textAlignment(self));
  send<void>(send<id>(scrollView, "layer"_sel), "removeAllAnimations"_sel);
  send<void>(self, "applyGradientMaskForFadeLength:enableFade:"_sel, 0.0, false);
}

void didChangeFrame(id self, SEL) {
  send<void>(self, "refreshLabels"_sel);
  send<void>(self, "applyGradientMaskForFadeLength:enableFade:"_sel, fadeLength(self), scrolling(self));
}

void setFrame(id self, SEL sel, CGRect frame) {
  sendSuper<void>(g_class, self, sel, frame);
  send<void>(self, "didChangeFrame"_sel);
}

void setBounds(id self, SEL sel, CGRect bounds) {
  sendSuper<void>(g_class, self, sel, bounds);
  send<void>(self, "didChangeFrame"_sel);
}

CGSize intrinsicContentSize(id self, SEL) {
  CGSize mainSize = send<CGSize>(mainLabel(self, nullptr), "intrinsicContentSize"_sel);
  return CGSizeMake(0, mainSize.height);
}

}  // namespace

}  // namespace lv::marquee

void lv::marquee::registerAutoScrollLabelClass() {
  if (g_class) return;
  Class view = objc_getClass("UIView");
  g_class = objc_allocateClassPair(view, "CBAutoScrollLabel", 0);
  if (!g_class) return;
  addLabelIvars(g_class);
  addMethod<initWithFrame>(g_class, "initWithFrame:"_sel);
  if (class_respondsToSelector(view, "initWithCoder:"_sel))
    addMethod<initWithCoder>(g_class, "initWithCoder:"_sel);
  addMethod<commonInit>(g_class, "commonInit"_sel);
  addMethod<dealloc>(g_class, "dealloc"_sel);

  addMethod<labelsGetter>(g_class, "labels"_sel);
  addMethod<setLabels>(g_class, "setLabels:"_sel);
  addMethod<mainLabel>(g_class, "mainLabel"_sel);
  addMethod<scrollViewGetter>(g_class, "scrollView"_sel);
  addMethod<setScrollView>(g_class, "setScrollView:"_sel);

  addMethod<text>(g_class, "text"_sel);
  addMethod<setText>(g_class, "setText:"_sel);
  addMethod<setTextRefreshing>(g_class, "setText:refreshLabels:"_sel);
  addMethod<attributedText>(g_class, "attributedText"_sel);
  addMethod<setAttributedText>(g_class, "setAttributedText:"_sel);
  addMethod<setAttributedTextRefreshing>(g_class, "setAttributedText:refreshLabels:"_sel);
  addMethod<font>(g_class, "font"_sel);
  addMethod<setFont>(g_class, "setFont:"_sel);
  addMethod<textColor>(g_class, "textColor"_sel);
  addMethod<setTextColor>(g_class, "setTextColor:"_sel);
  addMethod<shadowColor>(g_class, "shadowColor"_sel);
  addMethod<setShadowColor>(g_class, "setShadowColor:"_sel);
  addMethod<shadowOffset>(g_class, "shadowOffset"_sel);
  addMethod<setShadowOffset>(g_class, "setShadowOffset:"_sel);
  addMethod<textAlignmentGetter>(g_class, "textAlignment"_sel);
  addMethod<setTextAlignment>(g_class, "setTextAlignment:"_sel);

  addMethod<scrollSpeedGetter>(g_class, "scrollSpeed"_sel);
  addMethod<setScrollSpeed>(g_class, "setScrollSpeed:"_sel);
  addMethod<scrollDirectionGetter>(g_class, "scrollDirection"_sel);
  addMethod<setScrollDirection>(g_class, "setScrollDirection:"_sel);
  addMethod<pauseIntervalGetter>(g_class, "pauseInterval"_sel);
  addMethod<setPauseInterval>(g_class, "setPauseInterval:"_sel);
  addMethod<labelSpacingGetter>(g_class, "labelSpacing"_sel);
  addMethod<setLabelSpacing>(g_class, "setLabelSpacing:"_sel);
  addMethod<animationOptionsGetter>(g_class, "animationOptions"_sel);
  addMethod<setAnimationOptions>(g_class, "setAnimationOptions:"_sel);
  addMethod<scrollingGetter>(g_class, "scrolling"_sel);
  addMethod<fadeLengthGetter>(g_class, "fadeLength"_sel);
  addMethod<setFadeLength>(g_class, "setFadeLength:"_sel);

  addMethod<refreshLabels>(g_class, "refreshLabels"_sel);
  addMethod<didChangeFrame>(g_class, "didChangeFrame"_sel);
  addMethod<setFrame>(g_class, "setFrame:"_sel);
  addMethod<setBounds>(g_class, "setBounds:"_sel);
  addMethod<intrinsicContentSize>(g_class, "intrinsicContentSize"_sel);

  registerScrollCycle(g_class);
  registerFadeMask(g_class);
  objc_registerClassPair(g_class);
  readLabelIvarOffsets(g_class);
}
