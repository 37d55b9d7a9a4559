#pragma once
// The host's classes, registered with the runtime under their names before the library
// is loaded. A host can be made without any of them, to see the library cope.
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace lv::host {

struct HostClass {
  std::string_view name;
  void (*registerClass)();
};

std::span<const HostClass> hostClasses();
bool isHostClass(std::string_view name);

// Registers every host class except those named in `without`. Once per process.
void registerHostClasses(const std::set<std::string, std::less<>>& without);

}  // namespace lv::host
