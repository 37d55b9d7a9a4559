#include "uikit/label.h"

#include "foundation/values.h"
#include "runtime/accessors.h"
#include "runtime/class_setup.h"
#include "uikit/font.h"

namespace {

Class g_UILabel;

constexpr CGFloat kDefaultFontSize = 17;

UILabel* asLabel(id self) { return static_cast<UILabel*>(self); }

id defaultTextColor() { return send<id>(objc_getClass("UIColor"), "labelColor"_sel); }

// What the label measures changed: a constraint layout asks for its size again.
void measureChanged(id self) { send<void>(self, "invalidateIntrinsicContentSize"_sel); }

id UILabel_initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(g_UILabel->superclass, self, "initWithFrame:"_sel, frame);
  if (!self) return nil;
  UILabel* label = asLabel(self);
  label->font = Ref<>::retain(uikit::systemFont(kDefaultFontSize));
  label->textColor = Ref<>::retain(defaultTextColor());
  send<void>(self, "setUserInteractionEnabled:"_sel, false);
  return self;
}

void UILabel_setText(id self, SEL, id text) {
  UILabel* label = asLabel(self);
  if (text == label->text.get() || (text && send<bool>(text, "isEqualToString:"_sel, label->text.get())))
    return;
  label->text = Ref<>::adopt(send<id>(text, "copy"_sel));
  label->attributedText = nullptr;
  measureChanged(self);
}

id UILabel_attributedText(id self, SEL) {
  UILabel* label = asLabel(self);
  if (label->attributedText || !label->text) return label->attributedText.get();
  return fnd::attributedString(label->text.get());
}

void UILabel_setAttributedText(id self, SEL, id attributed) {
  UILabel* label = asLabel(self);
  if (attributed == label->attributedText.get() && (attributed || !label->text)) return;
  label->attributedText = Ref<>::adopt(send<id>(attributed, "copy"_sel));
  label->text = Ref<>::adopt(send<id>(send<id>(attributed, "string"_sel), "copy"_sel));
  measureChanged(self);
}

void UILabel_setFont(id self, SEL, id font) {
  UILabel* label = asLabel(self);
  if (!font) font = uikit::systemFont(kDefaultFontSize);
  if (font == label->font.get()) return;
  bool same = send<bool>(font, "isEqual:"_sel, label->font.get());
  label->font = Ref<>::retain(font);
  if (!same) measureChanged(self);
}

void UILabel_setTextColor(id self, SEL, id color) {
  asLabel(self)->textColor = Ref<>::retain(color ? color : defaultTextColor());
}

void UILabel_setNumberOfLines(id self, SEL, NSInteger lines) {
  UILabel* label = asLabel(self);
  if (label->numberOfLines == lines) return;
  label->numberOfLines = lines;
  measureChanged(self);
}

CGSize UILabel_sizeThatFits(id self, SEL, CGSize) { return uikit::labelTextSize(*asLabel(self)); }
CGSize UILabel_intrinsicContentSize(id self, SEL) { return uikit::labelTextSize(*asLabel(self)); }

}  // namespace

namespace uikit {

CGSize labelTextSize(const UILabel& label) {
  std::string text = fnd::utf8(label.text.get());
  if (label.numberOfLines > 0) {
    size_t end = 0;
    for (NSInteger line = 0; line < label.numberOfLines && end != std::string::npos; ++line)
      end = text.find('\n', line ? end + 1 : 0);
    if (end != std::string::npos) text.resize(end);
  }
  return measureText(fontFace(label.font.get()), text);
}

namespace {

void registerLabelClasses() {
  using rt::addMethod;
  g_UILabel = rt::defineClass<UILabel>("UILabel", "UIView");
  Class c = g_UILabel;
  addMethod(c, "initWithFrame:"_sel, UILabel_initWithFrame);
  addMethod(c, "text"_sel, rt::objectGetter<&UILabel::text>);
  addMethod(c, "setText:"_sel, UILabel_setText);
  addMethod(c, "attributedText"_sel, UILabel_attributedText);
  addMethod(c, "setAttributedText:"_sel, UILabel_setAttributedText);
  addMethod(c, "font"_sel, rt::objectGetter<&UILabel::font>);
  addMethod(c, "setFont:"_sel, UILabel_setFont);
  addMethod(c, "textColor"_sel, rt::objectGetter<&UILabel::textColor>);
  addMethod(c, "setTextColor:"_sel, UILabel_setTextColor);
  rt::addObjectProperty<&UILabel::shadowColor>(c, "shadowColor"_sel, "setShadowColor:"_sel);
  rt::addFieldProperty<&UILabel::shadowOffset>(c, "shadowOffset"_sel, "setShadowOffset:"_sel);
  rt::addFieldProperty<&UILabel::textAlignment>(c, "textAlignment"_sel, "setTextAlignment:"_sel);
  addMethod(c, "numberOfLines"_sel, rt::fieldGetter<&UILabel::numberOfLines>);
  addMethod(c, "setNumberOfLines:"_sel, UILabel_setNumberOfLines);
  addMethod(c, "sizeThatFits:"_sel, UILabel_sizeThatFits);
  addMethod(c, "intrinsicContentSize"_sel, UILabel_intrinsicContentSize);
}

LV_CLASS_SETUP(registerLabelClasses, "UIView");

}  // namespace

}  // namespace uikit
