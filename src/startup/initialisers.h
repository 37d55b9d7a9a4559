#pragma once
// The two load-time initialisers, run one after the other by the load-time entry point
// (startup/load.cpp).
namespace lv {

// Installs the first table, before any setting is read.
void firstInitialiser();

// Registers the settings, then installs the second table when the library is enabled.
void secondInitialiser();

}  // namespace lv
