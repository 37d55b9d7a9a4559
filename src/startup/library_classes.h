#pragma once
// The library's own classes and categories, registered by a load-time constructor that
// runs before the initialisers (see startup/load_order.h).
namespace lv {

void registerLibraryClasses();

}  // namespace lv
