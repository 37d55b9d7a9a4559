#pragma once
// Listed classes written as an Objective-C header, one `@interface Name : Super … @end` a
// class, the types read back from their encodings: `@"UILabel"` is `UILabel *`, `@?` a
// block, `{CGRect=…}` `struct CGRect`, `^v` `void *`.
#include <string>
#include <vector>

#include "tools/lvsim/core/class_listing.h"

namespace lv::sim {

std::string classesHeader(const std::vector<ListedClass>& classes);

}  // namespace lv::sim
