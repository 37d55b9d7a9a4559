#pragma once
// A validator for options that take a number within a range, with one wording for all of
// them: `--fps: expected a number above 0, at most 240, got "0"`. NaN, infinities and
// trailing words are refused.
#include <string>

#include <CLI/CLI.hpp>

namespace lv::sim {

struct NumberRange {
  double low = 0, high = 0;  // the number lies above `low` (or at it) and at most at `high`
  bool lowIncluded = false;
  bool whole = false;            // only whole numbers, for an option held in an integer
  std::string unit = {};         // "seconds" reads "a number of seconds"; empty: "a number"
  std::string highInWords = {};  // after `high` in the message, as "(100 hours)"; may be empty
};

CLI::Validator numberIn(NumberRange range);

}  // namespace lv::sim
