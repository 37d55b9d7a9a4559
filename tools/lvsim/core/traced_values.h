#pragma once
// How a trace line writes the values a frame was given or gave back, read through their
// encodings: numbers in their shortest exact form, BOOLs as YES and NO, structures as
// {{0, 0}, {390, 844}}, strings quoted, numbers as @7, classes and selectors by name, and
// any other object as <Class #n>, n counting that class's objects in the order the trace
// first meets them, so that the same run writes the same bytes; an object made later at a
// freed one's address is another. Strings and arrays are cut after a few dozen characters
// or elements; what the writer cannot read is "?", a pointer that is not what its type
// says is named as such ("<not an object>").
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "runtime/runtime.h"

namespace lv::sim {

class TracedValueWriter {
 public:
  // "Class selector" for the event, each part of the selector followed by its argument when
  // they are known, and a return's result after " -> ".
  void appendFrame(std::string& line, const rt::TraceEvent& event);
  void append(std::string& line, const rt::TracedValue& value);

 private:
  // Each part of the selector followed by its argument.
  void appendMessage(std::string& line, std::string_view selector, std::span<const rt::TracedValue> arguments);
  void appendValue(std::string& line, std::string_view type, const void* value, int depth);
  void appendObject(std::string& line, id object);

  // By creation serial, or by address for an object the runtime did not allocate (a
  // constant); only looked up, so no order comes of the addresses.
  std::map<std::pair<uint64_t, const void*>, std::string> names_;
  std::unordered_map<std::string, int> classCounts_;  // objects named so far, by class name
};

}  // namespace lv::sim
