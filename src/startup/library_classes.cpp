// The library's own classes and categories, in place before its two initialisers run.
#include "color/hex_color.h"
#include "marquee/auto_scroll_label.h"
#include "startup/load_order.h"

namespace {

__attribute__((constructor(kLoadClasses))) void registerLibraryClasses() {
  lv::marquee::registerAutoScrollLabelClass();
  lv::color::registerHexColorMethods();
}

}  // namespace
