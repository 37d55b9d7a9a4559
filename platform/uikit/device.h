#pragma once
// UIDevice: the one current device. The host sets the system version and idiom of the
// device it simulates.
#include <string>

#include "runtime/runtime.h"

enum UIUserInterfaceIdiom : NSInteger {
  UIUserInterfaceIdiomPhone = 0,
  UIUserInterfaceIdiomPad = 1,
};

struct UIDevice : objc_object {
  Ref<> systemVersion;  // NSString
  NSInteger idiom = UIUserInterfaceIdiomPhone;
};

namespace uikit {

void setDevice(std::string_view systemVersion, NSInteger idiom);

}  // namespace uikit
