// The library's one load-time entry point. The loader runs it once, when the host loads the
// library, on the loading thread. It takes the steps in their order itself, so that the
// order holds whatever a compiler or an object format does with constructor priorities:
// the library's own classes first, so that the initialisers and everything after find
// them, then the first initialiser, then the second.
#include "startup/initialisers.h"
#include "startup/library_classes.h"

namespace {

__attribute__((constructor)) void load() {
  lv::registerLibraryClasses();
  lv::firstInitialiser();
  lv::secondInitialiser();
}

}  // namespace
