#include "startup/library_classes.h"

#include "color/hex_color.h"
#include "marquee/auto_scroll_label.h"

void lv::registerLibraryClasses() {
  marquee::registerAutoScrollLabelClass();
  color::registerHexColorMethods();
}
