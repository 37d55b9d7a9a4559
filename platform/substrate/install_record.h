#pragma once
// How a library that installs replacements and members at load describes what it
// installed, for tools: one record per row of its installation tables, in order.
#include <cstddef>

#include "runtime/types.h"

enum class InstallKind { Property, Method, Replacement };

struct InstallRecord {
  int group;
  int row;
  InstallKind kind;
  const char* className;
  const char* name;    // property name or selector
  const char* getter;  // a property row that also adds its accessors: their selectors
  const char* setter;
  const IMP* slot;     // replacements: the slot the previous implementation is called through
};

// The library exports a function of this shape; the records live as long as the library.
using InstallRecordsFunction = const InstallRecord* (*)(size_t* count);

inline const char* installKindName(InstallKind kind) {
  switch (kind) {
    case InstallKind::Property: return "property";
    case InstallKind::Method: return "method";
    case InstallKind::Replacement: return "replacement";
  }
  return "?";
}
