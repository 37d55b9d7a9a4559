#include "tools/lvsim/number_option.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/lvsim/core/echo.h"

CLI::Validator lv::sim::numberIn(NumberRange range) {
  char bounds[96];
  std::snprintf(bounds, sizeof bounds, range.lowIncluded ? "from %g to %g" : "above %g, at most %g", range.low,
                range.high);
  std::string expected = std::string(range.whole ? "expected a whole number" : "expected a number") + (range.unit.empty() ? "" : " of " + range.unit) + " " + bounds +
                         (range.highInWords.empty() ? "" : " " + range.highInWords);
  return CLI::Validator(
      [range, expected](std::string& text) -> std::string {
        char* end = nullptr;
        double value = range.whole ? double(std::strtol(text.c_str(), &end, 10)) : std::strtod(text.c_str(), &end);
        bool number = !text.empty() && *end == '\0' && std::isfinite(value);
        bool above = value > range.low || (range.lowIncluded && value == range.low);
        if (number && above && value <= range.high) return {};
        return expected + ", got " + inQuotes(text);
      },
      "");
}
