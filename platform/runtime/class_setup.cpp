#include "runtime/class_setup.h"

#include <algorithm>
#include <string>

#include "runtime/class.h"

namespace {

// Setups not yet run, in the order they were gathered (the link order of their units).
std::vector<const rt::ClassSetup*>& pending() {
  static auto* setups = new std::vector<const rt::ClassSetup*>;
  return *setups;
}

// After every setup has been gathered, and before the rest of the platform's static state.
__attribute__((constructor(102))) void runAtLoad() { rt::runClassSetups(); }

}  // namespace

rt::ClassSetup::ClassSetup(const char* name, void (*run)(), std::initializer_list<const char*> needs)
    : name_(name), run_(run), needs_(needs) {
  pending().push_back(this);
}

void rt::runClassSetups() {
  rootClass();
  std::vector<const ClassSetup*>& setups = pending();
  auto ready = [](const ClassSetup* s) {
    return std::all_of(s->needs_.begin(), s->needs_.end(),
                       [](const char* name) { return findClass(name) != nullptr; });
  };
  while (!setups.empty()) {
    auto next = std::find_if(setups.begin(), setups.end(), ready);
    if (next == setups.end()) {
      const ClassSetup* stuck = setups.front();
      auto missing = std::find_if(stuck->needs_.begin(), stuck->needs_.end(),
                                  [](const char* name) { return !findClass(name); });
      fatal(std::string("class setup ") + stuck->name_ + " needs class " + *missing +
            ", which no setup defines");
    }
    const ClassSetup* setup = *next;
    setups.erase(next);
    setup->run_();
  }
}
