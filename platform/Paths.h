#pragma once
// Where the program is, how its paths are joined, and the platform's narrow texts (file names,
// system error messages) in the program's GBK.

#include <string>
#include <system_error>

namespace jsdebug::platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The running executable's full path; empty when the system will not say.
std::string executablePath();
// The directory of the running executable, without a trailing separator ("." when unknown).
std::string programDirectory();
// The running executable's file name.
std::string programFileName();

// `directory` and `name` with one separator between them.
std::string joinPath(const std::string& directory, const std::string& name);

// File names and system messages arrive in the platform's narrow encoding (UTF-8 on Linux, the
// ANSI code page on Windows); message boxes and the log take GBK.
std::string nativeToGbk(const std::string& text);

// The system's own words for an error, in GBK.
std::string systemErrorText(std::error_code error);

}  // namespace jsdebug::platform
