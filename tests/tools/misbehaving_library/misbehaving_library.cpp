// A library that goes wrong as LV_MISBEHAVE says: "exit" ends the process while it loads,
// "crash" sends itself SIGSEGV while it loads, "crash-on-artwork" makes the artwork view
// write to a page it may not touch when it is given an image, so the process dies in a play
// step (not through a null pointer, which the sanitizers would catch first), and
// "unknown-on-artwork" makes it send a message nothing answers there instead. The hooks are
// exported, so that the crash line can name them.
#include <signal.h>
#include <sys/mman.h>

#include <cstdlib>
#include <string_view>

#include <objc/message.h>

#include "substrate/substrate.h"

namespace {
void (*previousSetter)(id, SEL, id);
}

extern "C" {

[[gnu::visibility("default")]] void lvCrashingSetter(id, SEL, id) {
  void* forbidden = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  *static_cast<volatile int*>(forbidden) = 1;
}

[[gnu::visibility("default")]] void lvUnknownSendingSetter(id self, SEL sel, id image) {
  reinterpret_cast<void (*)(id, SEL)>(objc_msgSend)(self, sel_registerName("noSuchMessage"));
  previousSetter(self, sel, image);
}
}

namespace {

__attribute__((constructor)) void misbehave() {
  const char* named = std::getenv("LV_MISBEHAVE");
  std::string_view how = named ? named : "";
  if (how == "exit") std::exit(0);
  if (how == "crash") raise(SIGSEGV);
  if (how != "crash-on-artwork" && how != "unknown-on-artwork") return;
  MSHookMessageEx(objc_getClass("MRUArtworkView"), sel_registerName("setArtworkImage:"),
                  how == "crash-on-artwork" ? lvCrashingSetter : lvUnknownSendingSetter, &previousSetter);
}

}  // namespace
