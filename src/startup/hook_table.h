#pragma once
// The two installation tables, in the order the initialisers install them: the first
// always, the second when the library is enabled.
#include <span>

#include "startup/install_table.h"

namespace lv {

std::span<const InstallEntry> firstGroup();
std::span<const InstallEntry> secondGroup();

}  // namespace lv
