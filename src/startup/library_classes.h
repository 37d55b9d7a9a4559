#pragma once
// The library's own classes and categories, registered by the load-time entry point before
// the initialisers run (startup/load.cpp).
namespace lv {

void registerLibraryClasses();

}  // namespace lv
