#include "tools/lvsim/relaunch.h"

#include <CLI/CLI.hpp>

void lv::sim::recordCommandLine(CLI::App& command, CommandLine& line) {
  command.final_callback([&command, &line] {
    line.command = command.get_name();
    line.options.clear();
    // By the long name: get_name() is empty for the options help leaves out.
    for (const CLI::Option* option : command.get_options())
      if (!option->get_lnames().empty()) line.options.push_back({"--" + option->get_lnames().front(), option->results()});
  });
}

std::vector<std::string> lv::sim::relaunchArguments(const CommandLine& line, const OptionChanges& changes) {
  std::vector<std::string> args = {"lvsim", line.command};
  for (const GivenOption& option : line.options) {
    auto changed = changes.find(option.name);
    // One word per value, so that a value beginning with a dash is not taken for an option.
    for (const std::string& value : changed == changes.end() ? option.values : changed->second)
      args.push_back(option.name + "=" + value);
  }
  return args;
}
