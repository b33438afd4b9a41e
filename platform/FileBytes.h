#pragma once
// Whole files as raw bytes: scripts, saved scripts and the test page are never converted.
// Paths are in the platform's narrow file-name encoding.

#include <string>
#include <string_view>
#include <system_error>

namespace jsdebug::platform {

// The file's bytes; a file that cannot be opened or read gives no bytes.
std::string readFileBytes(const std::string& path);

// Creates the file or truncates an existing one and writes all bytes (none for an empty text).
// Returns the reason when the file could not be created, written or closed completely.
std::error_code writeFileBytes(const std::string& path, std::string_view bytes);

// The folder for files the program writes for the user when it cannot write beside itself (an
// installed program's directory belongs to the system): $XDG_CACHE_HOME/jsdebug, else
// $HOME/.cache/jsdebug; empty when neither variable is set. Not created here.
std::string userCacheDirectory();

}  // namespace jsdebug::platform
