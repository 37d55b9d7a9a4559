#pragma once
// UIDevice: the one current device. The host sets the system version and idiom of the
// device it simulates.
#include <UIKit/UIDevice.h>

#include <string>

#include "runtime/runtime.h"

struct UIDevice : objc_object {
  Ref<> systemVersion;  // NSString
  NSInteger idiom = UIUserInterfaceIdiomPhone;
};

namespace uikit {

void setDevice(std::string_view systemVersion, NSInteger idiom);

}  // namespace uikit
