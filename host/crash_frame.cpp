#include "host/crash_frame.h"

#include <dlfcn.h>
#include <pthread.h>
#include <ucontext.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "host/library.h"
#include "runtime/class.h"
#include "runtime/signature.h"

namespace {

struct MethodParameters {
  uintptr_t imp;
  std::string text;  // "(id, SEL, CGRect)"
};

std::vector<MethodParameters>& libraryMethods() {
  static auto* methods = new std::vector<MethodParameters>;  // read by a dying process
  return *methods;
}

std::string cType(std::string_view type) {
  if (type.empty()) return "?";
  switch (type[0]) {
    case '@': return "id";
    case ':': return "SEL";
    case '#': return "Class";
    case 'v': return "void";
    case 'c': return "char";
    case 'C': return "unsigned char";
    case 's': return "short";
    case 'S': return "unsigned short";
    case 'i': return "int";
    case 'I': return "unsigned int";
    case 'l': return "long";
    case 'L': return "unsigned long";
    case 'q': return "long long";
    case 'Q': return "unsigned long long";
    case 'f': return "float";
    case 'd': return "double";
    case 'B': return "bool";
    case '*': return "char *";
    case '^': return cType(type.substr(1)) + " *";
    case '{':
    case '(': return std::string(type.substr(1, type.find_first_of("=})") - 1));
  }
  return std::string(type);
}

// "(id, SEL, CGRect)" of "v48@0:8{CGRect={CGPoint=dd}{CGSize=dd}}16": the result is left out.
std::string parameterList(const char* types) {
  std::string text;
  std::string_view rest = types ? types : "";
  bool result = true;
  while (auto read = rt::readType(rest)) {
    if (!result) text += (text.empty() ? "" : ", ") + cType(read->type);
    result = false;
    rest = read->rest;
  }
  return "(" + text + ")";
}

void recordMethodsOf(Class cls) {
  unsigned count = 0;
  Method* methods = class_copyMethodList(cls, &count);
  for (unsigned i = 0; i < count; ++i) {
    IMP imp = method_getImplementation(methods[i]);
    if (!lv::host::Library::contains(reinterpret_cast<const void*>(imp))) continue;
    libraryMethods().push_back({reinterpret_cast<uintptr_t>(imp), parameterList(method_getTypeEncoding(methods[i]))});
  }
  std::free(methods);
}

// The function's own name in a symbol: "crashingSetter" of "crashingSetter", and of
// "_ZN12_GLOBAL__N_114crashingSetterEP11objc_object" the last name of the nested ones.
std::string_view ownName(std::string_view symbol) {
  if (!symbol.starts_with("_Z")) return symbol;
  size_t at = 2;
  bool nested = at < symbol.size() && symbol[at] == 'N';
  if (nested) ++at;
  while (at < symbol.size() && std::strchr("rVK", symbol[at])) ++at;
  std::string_view last;
  while (at < symbol.size() && symbol[at] >= '0' && symbol[at] <= '9') {
    size_t length = 0;
    for (; at < symbol.size() && symbol[at] >= '0' && symbol[at] <= '9'; ++at) length = length * 10 + (symbol[at] - '0');
    if (length > symbol.size() - at) break;
    last = symbol.substr(at, length);
    at += length;
    if (!nested) break;
  }
  return last.empty() ? symbol : last;
}

constexpr uintptr_t kStackSearched = 1 << 20;
uintptr_t g_stackEnd = 0;  // the main thread's: where a search of its stack stops

// Whether the code just before `address` is a call: a direct one (E8 and four bytes), or an
// indirect one through a register or memory (FF /2, two to seven bytes).
bool followsACall(const unsigned char* address) {
  if (address[-5] == 0xE8) return true;
  for (int length = 2; length <= 7; ++length)
    if (address[-length] == 0xFF && ((address[-length + 1] >> 3) & 7) == 2) return true;
  return false;
}

// A word of the stack, read whole: the search crosses frames and the red zones that
// AddressSanitizer puts between their variables, so this read is not checked.
[[gnu::noinline, gnu::no_sanitize_address]] uintptr_t stackWord(uintptr_t at) {
  return *reinterpret_cast<const uintptr_t*>(at);
}

struct Writer {
  char* into;
  size_t capacity;
  size_t size = 0;
  void add(std::string_view text) {
    size_t n = std::min(text.size(), capacity - size);
    if (n) std::memcpy(into + size, text.data(), n);
    size += n;
  }
  void addHex(uintptr_t value) {
    char digits[2 + 2 * sizeof value];
    size_t n = sizeof digits;
    do digits[--n] = "0123456789abcdef"[value % 16];
    while (value /= 16);
    digits[--n] = 'x';
    digits[--n] = '0';
    add({digits + n, sizeof digits - n});
  }
};

void describe(const void* address, Writer& out) {
  Dl_info info{};
  if (!dladdr(address, &info)) return;
  out.add(" in ");
  if (!info.dli_sname || !info.dli_saddr) {
    std::string_view file = info.dli_fname ? info.dli_fname : "?";
    out.add(file.substr(file.rfind('/') + 1));
    out.add("+");
    out.addHex(reinterpret_cast<uintptr_t>(address) - reinterpret_cast<uintptr_t>(info.dli_fbase));
    return;
  }
  out.add(ownName(info.dli_sname));
  const auto& methods = libraryMethods();
  auto start = reinterpret_cast<uintptr_t>(info.dli_saddr);
  auto at = std::ranges::lower_bound(methods, start, {}, &MethodParameters::imp);
  if (at != methods.end() && at->imp == start) out.add(at->text);
}

}  // namespace

void lv::host::recordLibraryMethods() {
  libraryMethods().clear();
  for (Class cls : rt::allClasses()) {
    recordMethodsOf(cls);
    recordMethodsOf(object_getClass(reinterpret_cast<id>(cls)));
  }
  std::ranges::sort(libraryMethods(), {}, &MethodParameters::imp);
}

void lv::host::noteStackEnd() {
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) != 0) return;
  void* low = nullptr;
  size_t size = 0;
  if (pthread_attr_getstack(&attributes, &low, &size) == 0) g_stackEnd = reinterpret_cast<uintptr_t>(low) + size;
  pthread_attr_destroy(&attributes);
}

size_t lv::host::describeCrashFrame(const void* context, char* into, size_t capacity) {
  Writer out{into, capacity};
  auto* interrupted = reinterpret_cast<const void*>(static_cast<const ucontext_t*>(context)->uc_mcontext.gregs[REG_RIP]);
  if (Library::contains(interrupted)) {
    describe(interrupted, out);
    return out.size;
  }
  // The stack is read word by word from where the signal struck: the first return address
  // into the library is its innermost frame. Neither an unwinder nor frame pointers are needed.
  auto word = static_cast<uintptr_t>(static_cast<const ucontext_t*>(context)->uc_mcontext.gregs[REG_RSP]);
  uintptr_t end = std::min(g_stackEnd, word + kStackSearched);
  for (word &= ~uintptr_t(7); word + 8 <= end; word += 8) {
    uintptr_t address = stackWord(word);
    auto* code = reinterpret_cast<const unsigned char*>(address);
    if (!Library::contains(reinterpret_cast<const void*>(address - 7)) ||
        !Library::contains(reinterpret_cast<const void*>(address - 1)) || !followsACall(code))
      continue;
    describe(code - 1, out);
    break;
  }
  return out.size;
}
