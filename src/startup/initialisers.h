#pragma once
// The two load-time initialisers, run by the loader one after the other when the host
// loads the library (priorities in startup/load_order.h).
namespace lv {

// Installs the first table, before any setting is read.
void firstInitialiser();

// Registers the settings, then installs the second table when the library is enabled.
void secondInitialiser();

}  // namespace lv
