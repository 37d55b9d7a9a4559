#include "marquee/label_ivars.h"

#include <bit>

#include "bridge/encoding.h"

namespace lv::marquee {

constinit LabelIvarOffsets g_ivars{};

namespace {

struct IvarSpec {
  const char* name;
  ptrdiff_t LabelIvarOffsets::*offset;
  size_t size;
  size_t alignment;
  const char* types;
};

template <class T>
constexpr IvarSpec spec(const char* name, ptrdiff_t LabelIvarOffsets::*offset,
                        const char* types = Encoding<T>::value.data()) {
  return {name, offset, sizeof(T), alignof(T), types};
}

constexpr IvarSpec kIvars[] = {
    spec<bool>("_scrolling", &LabelIvarOffsets::scrolling),
    spec<float>("_scrollSpeed", &LabelIvarOffsets::scrollSpeed),
    spec<NSInteger>("_scrollDirection", &LabelIvarOffsets::scrollDirection),
    spec<double>("_pauseInterval", &LabelIvarOffsets::pauseInterval),
    spec<NSInteger>("_labelSpacing", &LabelIvarOffsets::labelSpacing),
    spec<NSUInteger>("_animationOptions", &LabelIvarOffsets::animationOptions),
    spec<double>("_fadeLength", &LabelIvarOffsets::fadeLength),
    spec<NSInteger>("_textAlignment", &LabelIvarOffsets::textAlignment),
    spec<id>("_labels", &LabelIvarOffsets::labels, "@\"NSArray\""),
    spec<id>("_scrollView", &LabelIvarOffsets::scrollView, "@\"UIScrollView\""),
};

}  // namespace

}  // namespace lv::marquee

void lv::marquee::addLabelIvars(Class cls) {
  for (const IvarSpec& v : kIvars)
    class_addIvar(cls, v.name, v.size, uint8_t(std::countr_zero(v.alignment)), v.types);
}

void lv::marquee::readLabelIvarOffsets(Class cls) {
  for (const IvarSpec& v : kIvars) g_ivars.*v.offset = ivar_getOffset(class_getInstanceVariable(cls, v.name));
}

void lv::marquee::setStrongIvar(id self, ptrdiff_t offset, id value) {
  id& slot = ivar<id>(self, offset);
  objc_retain(value);
  objc_release(slot);
  slot = value;
}
