#pragma once
// Names the innermost frame of a crash that lies in the loaded library, for the line a fatal
// signal prints (library_watch.h): the function's own name from the loader's symbols,
// followed by its parameters as C types when it implements a method, "setFrame(id, SEL,
// CGRect)"; without a symbol, the library's file name and the offset in it.
#include <cstddef>

namespace lv::host {

// Notes the parameters of every method the loaded library implements, so that a crash
// names them without allocating. Called once its initialisers have run.
void recordLibraryMethods();

// Notes where the main thread's stack ends, for describeCrashFrame. Called on that thread.
void noteStackEnd();

// Writes " in NAME" for the innermost library frame of the code a signal interrupted
// (`context` is the handler's ucontext) into `into`; nothing when no frame lies in the
// library. Returns the bytes written. For a signal handler on the main thread: it reads the
// stack, asks the loader, and allocates nothing.
size_t describeCrashFrame(const void* context, char* into, size_t capacity);

}  // namespace lv::host
