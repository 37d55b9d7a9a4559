#pragma once
// Priorities of the library's load-time constructors: the loader runs them in increasing
// order, all before the library's (unprioritised) dynamic initialisers. The library's own
// classes and categories are registered first, so that the initialisers and everything
// after find them. Anything an initialiser touches must be constant-initialised.
inline constexpr int kLoadClasses = 201;
inline constexpr int kLoadFirstInitialiser = 202;
inline constexpr int kLoadSecondInitialiser = 203;
