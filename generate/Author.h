#pragma once
// The author's contact number: the window title, the help message and both generated E sources
// name it, and they must never disagree.

namespace jsdebug::generate {

inline constexpr const char* kAuthorContact = "10086001";

}  // namespace jsdebug::generate
