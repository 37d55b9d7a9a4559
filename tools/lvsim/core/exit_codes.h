#pragma once
// lvsim's exit codes, and the one way a command fails: one error line on stderr, made
// printable and cut short, then the code. Every failure of every command goes through here.
#include <string>

namespace lv::sim {

inline constexpr int kSuccess = 0;
inline constexpr int kRunFault = 1;    // a step could not be taken, or writing failed
inline constexpr int kUsageFault = 2;  // bad options or input, nowhere to write
inline constexpr int kNotAlike = 1;    // compared outputs differ

// Prints "lvsim: WHERE: WHAT" and returns `code`.
int fail(int code, const std::string& where, const std::string& what);
// Prints "lvsim: WHAT" and returns `code`.
int fail(int code, const std::string& what);

}  // namespace lv::sim
