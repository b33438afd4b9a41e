#pragma once
// profile.js as the program carries it, embedded at build time.

#include <string_view>

namespace jsdebug::engine::jscript {
extern const std::string_view kProfileScript;
}  // namespace jsdebug::engine::jscript
