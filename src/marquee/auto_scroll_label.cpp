// The model of CBAutoScrollLabel: its fields, subviews, setters and the layout of the
// two copies. The moving half is in scroll_cycle.cpp and fade_mask.cpp.
#include "marquee/auto_scroll_label.h"

#include <cmath>

#include "foundation/values.h"
#include "uikit/label.h"
#include "uikit/view_animation.h"
#include "marquee/fade_mask.h"
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

CBAutoScrollLabel* self_(id self) { return static_cast<CBAutoScrollLabel*>(self); }

const std::vector<id>& copies(id self) {
  static const std::vector<id> none;
  id labels = self_(self)->labels.get();
  return labels ? fnd::arrayItems(labels) : none;
}

template <class... A>
void sendToCopies(id self, SEL sel, A... args) {
  for (id label : copies(self)) send<void>(label, sel, args...);
}

id mainLabel(id self, SEL) { return send<id>(self_(self)->labels.get(), "firstObject"_sel); }

// Structure

id labelsGetter(id self, SEL) { return self_(self)->labels.get(); }
void setLabels(id self, SEL, id labels) { self_(self)->labels = labels; }

id scrollViewGetter(id self, SEL) {
  CBAutoScrollLabel* label = self_(self);
  if (label->scrollView) return label->scrollView.get();
  CGRect bounds = send<CGRect>(self, "bounds"_sel);
  label->scrollView = rt::create(objc_getClass("UIScrollView"), "initWithFrame:"_sel, bounds);
  id scrollView = label->scrollView.get();
  send<void>(scrollView, "setAutoresizingMask:"_sel,
             UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
  send<void>(scrollView, "setBackgroundColor:"_sel, send<id>(objc_getClass("UIColor"), "clearColor"_sel));
  send<void>(self, "addSubview:"_sel, scrollView);
  return scrollView;
}
void setScrollView(id self, SEL, id scrollView) { self_(self)->scrollView = scrollView; }

// Creation

void commonInit(id self, SEL) {
  id set = send<id>(objc_getClass("NSMutableSet"), "setWithCapacity:"_sel, NSUInteger(kCopyCount));
  for (int i = 0; i < kCopyCount; ++i) {
    Ref<> label = rt::create(objc_getClass("UILabel"));
    send<void>(label, "setBackgroundColor:"_sel, send<id>(objc_getClass("UIColor"), "clearColor"_sel));
    send<void>(label, "setAutoresizingMask:"_sel, send<NSUInteger>(self, "autoresizingMask"_sel));
    send<void>(send<id>(self, "scrollView"_sel), "addSubview:"_sel, label);
    send<void>(set, "addObject:"_sel, label);
  }
  self_(self)->labels = send<id>(set, "allObjects"_sel);

  self_(self)->scrollDirection = kScrollLeft;
  self_(self)->scrollSpeed = kDefaultScrollSpeed;
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
  self = sendSuper<id>(g_class->superclass, self, sel, frame);
  if (self) send<void>(self, "commonInit"_sel);
  return self;
}

id initWithCoder(id self, SEL sel, id coder) {
  self = sendSuper<id>(g_class->superclass, self, sel, coder);
  if (self) send<void>(self, "commonInit"_sel);
  return self;
}

void dealloc(id self, SEL sel) {
  send<void>(objc_getClass("NSObject"), "cancelPreviousPerformRequestsWithTarget:"_sel, self);
  send<void>(send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel),
             "removeObserver:"_sel, self);
  sendSuper<void>(g_class->superclass, self, sel);
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

NSInteger textAlignment(id self, SEL) { return self_(self)->textAlignment; }
void setTextAlignment(id self, SEL, NSInteger alignment) { self_(self)->textAlignment = alignment; }

// Scrolling parameters

float scrollSpeed(id self, SEL) { return self_(self)->scrollSpeed; }
void setScrollSpeed(id self, SEL, float speed) {
  self_(self)->scrollSpeed = speed;
  send<void>(self, "scrollLabelIfNeeded"_sel);
}
NSInteger scrollDirection(id self, SEL) { return self_(self)->scrollDirection; }
void setScrollDirection(id self, SEL, NSInteger direction) {
  self_(self)->scrollDirection = direction;
  send<void>(self, "scrollLabelIfNeeded"_sel);
}
double pauseInterval(id self, SEL) { return self_(self)->pauseInterval; }
void setPauseInterval(id self, SEL, double interval) { self_(self)->pauseInterval = interval; }
NSInteger labelSpacing(id self, SEL) { return self_(self)->labelSpacing; }
void setLabelSpacing(id self, SEL, NSInteger spacing) { self_(self)->labelSpacing = spacing; }
NSUInteger animationOptions(id self, SEL) { return self_(self)->animationOptions; }
void setAnimationOptions(id self, SEL, NSUInteger options) { self_(self)->animationOptions = options; }
bool scrollingGetter(id self, SEL) { return self_(self)->scrolling; }
double fadeLength(id self, SEL) { return self_(self)->fadeLength; }
// A negative or undefined length is stored as no fade.
void setFadeLength(id self, SEL, double length) {
  if (!(length > 0)) length = 0;
  if (self_(self)->fadeLength == length) return;
  self_(self)->fadeLength = length;
  send<void>(self, "refreshLabels"_sel);
  send<void>(self, "applyGradientMaskForFadeLength:enableFade:"_sel, length, false);
}

// Layout

void refreshLabels(id self, SEL) {
  CBAutoScrollLabel* label = self_(self);
  CGRect bounds = send<CGRect>(self, "bounds"_sel);
  CGPoint center = send<CGPoint>(self, "center"_sel);
  CGRect frame = send<CGRect>(self, "frame"_sel);
  // The copies' vertical centre snaps to a whole point at half the view's height.
  double centreY = std::round(float(center.y - CGRectGetMinY(frame)));

  float offset = 0;
  for (id copy : copies(self)) {
    send<void>(copy, "sizeToFit"_sel);
    double width = frameWidth(copy);
    send<void>(copy, "setFrame:"_sel, CGRectMake(offset, 0, width, bounds.size.height));
    CGPoint copyCenter = send<CGPoint>(copy, "center"_sel);
    send<void>(copy, "setCenter:"_sel, CGPointMake(copyCenter.x, centreY));
    offset = float(double(offset) + send<CGRect>(copy, "bounds"_sel).size.width + double(label->labelSpacing));
  }

  id scrollView = send<id>(self, "scrollView"_sel);
  send<void>(scrollView, "setContentOffset:"_sel, CGPointMake(0, 0));
  send<void>(send<id>(scrollView, "layer"_sel), "removeAllAnimations"_sel);

  id main = mainLabel(self, nullptr);
  double textWidth = send<CGRect>(main, "bounds"_sel).size.width;
  if (textWidth > bounds.size.width) {
    send<void>(scrollView, "setContentSize:"_sel,
               CGSizeMake(textWidth + bounds.size.width + double(label->labelSpacing), bounds.size.height));
    sendToCopies(self, "setHidden:"_sel, false);
    send<void>(self, "applyGradientMaskForFadeLength:enableFade:"_sel, label->fadeLength, label->scrolling);
    send<void>(self, "scrollLabelIfNeeded"_sel);
    return;
  }

  for (id copy : copies(self)) setHidden(copy, copy != main);
  send<void>(scrollView, "setContentSize:"_sel, bounds.size);
  send<void>(main, "setFrame:"_sel, bounds);
  setHidden(main, false);
  send<void>(main, "setTextAlignment:"_sel, label->textAlignment);
  send<void>(send<id>(scrollView, "layer"_sel), "removeAllAnimations"_sel);
  send<void>(self, "applyGradientMaskForFadeLength:enableFade:"_sel, 0.0, false);
}

void didChangeFrame(id self, SEL) {
  send<void>(self, "refreshLabels"_sel);
  send<void>(self, "applyGradientMaskForFadeLength:enableFade:"_sel, self_(self)->fadeLength,
             self_(self)->scrolling);
}

void setFrame(id self, SEL sel, CGRect frame) {
  sendSuper<void>(g_class->superclass, self, sel, frame);
  send<void>(self, "didChangeFrame"_sel);
}

void setBounds(id self, SEL sel, CGRect bounds) {
  sendSuper<void>(g_class->superclass, self, sel, bounds);
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
  g_class = rt::defineClass<CBAutoScrollLabel>("CBAutoScrollLabel", "UIView");
  using rt::addMethod;
  addMethod(g_class, "initWithFrame:"_sel, initWithFrame);
  if (class_respondsToSelector(g_class->superclass, "initWithCoder:"_sel))
    addMethod(g_class, "initWithCoder:"_sel, initWithCoder);
  addMethod(g_class, "commonInit"_sel, commonInit);
  addMethod(g_class, "dealloc"_sel, dealloc);

  addMethod(g_class, "labels"_sel, labelsGetter);
  addMethod(g_class, "setLabels:"_sel, setLabels);
  addMethod(g_class, "mainLabel"_sel, mainLabel);
  addMethod(g_class, "scrollView"_sel, scrollViewGetter);
  addMethod(g_class, "setScrollView:"_sel, setScrollView);

  addMethod(g_class, "text"_sel, text);
  addMethod(g_class, "setText:"_sel, setText);
  addMethod(g_class, "setText:refreshLabels:"_sel, setTextRefreshing);
  addMethod(g_class, "attributedText"_sel, attributedText);
  addMethod(g_class, "setAttributedText:"_sel, setAttributedText);
  addMethod(g_class, "setAttributedText:refreshLabels:"_sel, setAttributedTextRefreshing);
  addMethod(g_class, "font"_sel, font);
  addMethod(g_class, "setFont:"_sel, setFont);
  addMethod(g_class, "textColor"_sel, textColor);
  addMethod(g_class, "setTextColor:"_sel, setTextColor);
  addMethod(g_class, "shadowColor"_sel, shadowColor);
  addMethod(g_class, "setShadowColor:"_sel, setShadowColor);
  addMethod(g_class, "shadowOffset"_sel, shadowOffset);
  addMethod(g_class, "setShadowOffset:"_sel, setShadowOffset);
  addMethod(g_class, "textAlignment"_sel, textAlignment);
  addMethod(g_class, "setTextAlignment:"_sel, setTextAlignment);

  addMethod(g_class, "scrollSpeed"_sel, scrollSpeed);
  addMethod(g_class, "setScrollSpeed:"_sel, setScrollSpeed);
  addMethod(g_class, "scrollDirection"_sel, scrollDirection);
  addMethod(g_class, "setScrollDirection:"_sel, setScrollDirection);
  addMethod(g_class, "pauseInterval"_sel, pauseInterval);
  addMethod(g_class, "setPauseInterval:"_sel, setPauseInterval);
  addMethod(g_class, "labelSpacing"_sel, labelSpacing);
  addMethod(g_class, "setLabelSpacing:"_sel, setLabelSpacing);
  addMethod(g_class, "animationOptions"_sel, animationOptions);
  addMethod(g_class, "setAnimationOptions:"_sel, setAnimationOptions);
  addMethod(g_class, "scrolling"_sel, scrollingGetter);
  addMethod(g_class, "fadeLength"_sel, fadeLength);
  addMethod(g_class, "setFadeLength:"_sel, setFadeLength);

  addMethod(g_class, "refreshLabels"_sel, refreshLabels);
  addMethod(g_class, "didChangeFrame"_sel, didChangeFrame);
  addMethod(g_class, "setFrame:"_sel, setFrame);
  addMethod(g_class, "setBounds:"_sel, setBounds);
  addMethod(g_class, "intrinsicContentSize"_sel, intrinsicContentSize);

  registerScrollCycle(g_class);
  registerFadeMask(g_class);
}
