// A library that goes wrong as LV_MISBEHAVE says: "exit" ends the process while it loads,
// "crash" sends itself SIGSEGV while it loads, "crash-on-artwork" makes the artwork view
// write to a page it may not touch when it is given an image, so the process dies in a play
// step (not through a null pointer, which the sanitizers would catch first).
#include <signal.h>
#include <sys/mman.h>

#include <cstdlib>
#include <string_view>

#include "substrate/substrate.h"

namespace {

void (*previousSetter)(id, SEL, id);

void crashingSetter(id, SEL, id) {
  void* forbidden = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  *static_cast<volatile int*>(forbidden) = 1;
}

__attribute__((constructor)) void misbehave() {
  const char* named = std::getenv("LV_MISBEHAVE");
  std::string_view how = named ? named : "";
  if (how == "exit") std::exit(0);
  if (how == "crash") raise(SIGSEGV);
  if (how != "crash-on-artwork") return;
  MSHookMessageEx(objc_getClass("MRUArtworkView"), sel_registerName("setArtworkImage:"), crashingSetter,
                  &previousSetter);
}

}  // namespace
