#pragma once
// Whole files as raw bytes: scripts, saved scripts and the test page are never converted.
// Paths are in the platform's narrow file-name encoding.

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace jsdebug::platform {

// The file's bytes; a file that cannot be opened or read gives no bytes.
std::string readFileBytes(const std::string& path);

// No script is this large; what is, is no script (a device, a runaway log): the same cap as a
// download.
inline constexpr std::size_t kMaxScriptBytes = std::size_t{256} << 20;

// A script from a file, for "打开" and the CLI alike. Only a regular file is read (a directory,
// a device or a pipe is refused with is_a_directory or not_supported), at most kMaxScriptBytes
// of it (file_too_large past that); a read that fails part way gives its error, never half a
// script. On failure `bytes` is left as it was.
std::error_code readScriptFile(const std::string& path, std::string& bytes);
// The same for a stream already open (standard input), which need not be a regular file.
std::error_code readScriptStream(std::FILE* stream, std::string& bytes);

// The same checks and errors, for bytes that need to be seen only once: each piece read goes to
// `piece` as it comes instead of being kept, so a file of any size costs one buffer. A failure
// part way comes after some pieces have been handed over.
using ScriptPiece = std::function<void(std::string_view)>;
std::error_code readScriptFileInPieces(const std::string& path, const ScriptPiece& piece);
std::error_code readScriptStreamInPieces(std::FILE* stream, const ScriptPiece& piece);

// Creates the file or truncates an existing one and writes all bytes (none for an empty text).
// Returns the reason when the file could not be created, written or closed completely.
std::error_code writeFileBytes(const std::string& path, std::string_view bytes);

// The folder for files the program writes for the user when it cannot write beside itself (an
// installed program's directory belongs to the system): $XDG_CACHE_HOME/jsdebug, else
// $HOME/.cache/jsdebug (%LOCALAPPDATA%\jsdebug on Windows); empty when no such variable is set.
// Not created here.
std::string userCacheDirectory();

}  // namespace jsdebug::platform
