#pragma once
// A command run again in another process with the options it was given. The arguments come
// from what CLI11 parsed, so an option that a command gains is carried along unless the
// command changes it.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace lv::sim {

struct GivenOption {
  std::string name;                 // "--out"
  std::vector<std::string> values;  // as given, once per value; a flag's is "true" or "false"
};

// The options a command was given, every one with a long name in the order declared.
struct CommandLine {
  std::string command;
  std::vector<GivenOption> options;
};

// Fills `line` once `command` has been parsed.
void recordCommandLine(CLI::App& command, CommandLine& line);

// Values of options to give instead of those given: an empty list leaves the option out.
using OptionChanges = std::map<std::string, std::vector<std::string>, std::less<>>;

// "lvsim COMMAND --name=value ...": the options given, with `changes` made.
std::vector<std::string> relaunchArguments(const CommandLine& line, const OptionChanges& changes);

}  // namespace lv::sim
