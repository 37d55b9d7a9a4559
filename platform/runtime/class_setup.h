#pragma once
// Class setups. Each unit that defines or extends platform classes declares its setup with
// LV_CLASS_SETUP, naming the classes it builds on that other units define (NSObject always
// exists). When the platform library loads, every setup runs once, each after the classes
// it needs exist, so no one keeps the order by hand. A need that no setup fulfils is a
// fatal error naming the setup and the class. Setups are gathered and run while the
// library loads, before any other code of the process runs; one thread.
#include <initializer_list>
#include <vector>

namespace rt {

class ClassSetup {
 public:
  ClassSetup(const char* name, void (*run)(), std::initializer_list<const char*> needs);

 private:
  friend void runClassSetups();
  const char* name_;
  void (*run_)();
  std::vector<const char*> needs_;
};

// Runs every gathered setup in dependency order; the platform does it once, at load.
void runClassSetups();

}  // namespace rt

// Gathered before the platform's setups run (see class_setup.cpp), whatever the link order.
#define LV_CLASS_SETUP(run, ...) \
  const rt::ClassSetup run##Setup __attribute__((init_priority(101)))(#run, run, {__VA_ARGS__})
