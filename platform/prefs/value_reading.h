#pragma once
// How the device reads a stored object for a preferences getter: boolForKey:,
// integerForKey:, doubleForKey:, stringForKey:. A number or a string converts; anything
// else (nil, an array, a dictionary) reads as NO, 0 or no string.
//
//   value                   bool   integer   double   string
//   number 0 / 2 / 2.5      NO/YES  0/2/2    0/2/2.5  "0"/"2"/"2.5"
//   "YES" "yes" "true" "T"  YES     0        0        itself
//   " 12abc"                YES     12       12       itself
//   "-0.5" "007"            NO/YES  0/7      -0.5/7   itself
//   "no" "false" "" "0"     NO      0        0        itself
//
// A string is YES when its first character after white space is Y, y, T or t, or, after an
// optional sign and zeros, a digit 1 to 9.
#include <optional>
#include <string>

#include "prefs/stored_values.h"
#include "runtime/runtime.h"

namespace prefs {

bool boolOf(id value);
long integerOf(id value);
double doubleOf(id value);
std::optional<std::string> stringOf(id value);
// A number made from a boolean.
bool isBoolean(id value);

// The object the device makes of a property-list node (autoreleased): NSNumber, NSString,
// NSArray, NSDictionary; nil for kinds the platform has no class for (data, dates).
id objectOf(plist_t node);

}  // namespace prefs
