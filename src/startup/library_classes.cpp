#include "startup/library_classes.h"

#include "color/hex_color.h"
#include "marquee/auto_scroll_label.h"
#include "startup/load_order.h"

// In place before the two initialisers run, so that they and everything after find them.
__attribute__((constructor(kLoadClasses))) void lv::registerLibraryClasses() {
  marquee::registerAutoScrollLabelClass();
  color::registerHexColorMethods();
}
