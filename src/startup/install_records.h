#pragma once
// The installation tables as records for tools (lvsim hooks), exported under a C name.
#include <cstddef>

#include "startup/export.h"
#include "substrate/install_record.h"

// The records of both tables, first group first; `count`, when given, receives their
// number. The records live as long as the library.
extern "C" LV_EXPORT const InstallRecord* lvInstallRecords(size_t* count);
