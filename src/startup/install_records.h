#pragma once
// The installation tables as text, for tools (lvsim hooks), exported under a C name. Built
// for the simulator only: the phone has no use for it.
#include "startup/export.h"

// One line a row, first group first: "GROUP ROW KIND CLASS NAME GETTER SETTER", one space
// between fields, KIND one of property, method, replacement, and "-" for the accessors of
// a row that adds none. The text lives as long as the library.
extern "C" LV_EXPORT const char* lvInstallTable(void);
