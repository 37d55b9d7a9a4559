#include "tools/lvsim/classes_command.h"

#include <iostream>

#include <CLI/CLI.hpp>

#include "tools/lvsim/core/class_header.h"
#include "tools/lvsim/core/class_listing.h"
#include "tools/lvsim/core/echo.h"
#include "tools/lvsim/core/exit_codes.h"
#include "tools/lvsim/core/story.h"
#include "tools/lvsim/shared_options.h"

void lv::sim::addClassesCommand(CLI::App& app, ClassesOptions& options) {
  CLI::App* classes = app.add_subcommand(
      "classes", "List the host's and the platform's classes: superclass, ivars, properties and methods with their "
                 "type encodings (no library is loaded unless --library names one)");
  classes->add_option("PATTERN", options.pattern, "Class names to list: a glob (*, ?, [...]) or a part of the name");
  addDeviceOptions(*classes, options.device);
  auto* json = classes->add_flag("--json", options.json, "Print one JSON object");
  classes->add_flag("--header", options.header, "Print an Objective-C header, an @interface a class")->excludes(json);
}

int lv::sim::runClasses(const ClassesOptions& options) {
  lv::host::BootOptions boot;
  boot.loadLibrary = false;
  if (int code = applyDeviceOptions(options.device, boot)) return code;
  std::unique_ptr<lv::host::Device> device;
  try {
    device = lv::host::Device::boot(boot);
  } catch (const lv::host::BootError& e) {
    return bootFault(e, "classes");
  }
  std::vector<ListedClass> classes = listClasses(options.pattern);
  if (classes.empty()) return fail(kRunFault, "classes", "no class matches " + inQuotes(options.pattern));
  if (options.json)
    std::cout << classesJson(classes).dump(2) << "\n";
  else
    std::cout << (options.header ? classesHeader(classes) : classesText(classes));
  return kSuccess;
}
