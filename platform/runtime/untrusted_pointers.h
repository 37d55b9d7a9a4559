#pragma once
// Checks of pointers that a reader must not trust, such as the values the message trace
// reads through a library's own type encodings: a wrong encoding hands it an integer where
// it expects an object. Each answers false rather than fault. Main thread only.
#include <cstddef>
#include <optional>
#include <string>

#include "runtime/types.h"

namespace rt {

// Copies `size` bytes at `from` into `to`; false when any of them cannot be read. Read by
// the kernel, so that neither a fault nor a sanitizer's report comes of it.
bool readUntrusted(const void* from, void* to, size_t size);

// The text of a C string at `text`, at most `most` bytes of it; nullopt when unreadable.
std::optional<std::string> readUntrustedString(const char* text, size_t most);

// Whether `p` is a registered class or metaclass.
bool isClassPointer(const void* p);

// Whether `p` is an interned selector.
bool isSelectorPointer(const void* p);

// Whether `p` is an object: readable, and its class a registered one. A freed object's
// class is cleared, so that a pointer kept to it is not taken for one.
bool isObjectPointer(const void* p);

}  // namespace rt
