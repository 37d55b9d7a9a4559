#pragma once
// The UIColor(Hex) class methods: colours from hexadecimal numbers and six-digit texts,
// and a diagonal two-colour gradient layer. They keep no state.

namespace lv::color {

// Adds the pf_ class methods to UIColor, replacing any earlier ones as a category does.
void registerHexColorMethods();

}  // namespace lv::color
