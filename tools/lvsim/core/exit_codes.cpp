#include "tools/lvsim/core/exit_codes.h"

#include <cstdio>

#include "tools/lvsim/core/echo.h"

namespace {

// Characters of an error line's place and of what went wrong: input echoed in it is cut.
constexpr size_t kWhereLimit = 160;
constexpr size_t kWhatLimit = 320;

}  // namespace

int lv::sim::fail(int code, const std::string& where, const std::string& what) {
  return fail(code, printable(where, kWhereLimit) + ": " + printable(what, kWhatLimit));
}

int lv::sim::fail(int code, const std::string& what) {
  std::fprintf(stderr, "lvsim: %s\n", what.c_str());
  return code;
}
