#pragma once
// The program's only way to end on an error: a box titled "错误" with the error icon, then the
// external libraries are released and the process ends with exit code -1.

#include <functional>
#include <string>
#include <string_view>

namespace jsdebug::engine {

inline constexpr const char* kFatalErrorTitle = "错误";

// "运行时出错!\r\n\r\n", then "错误代码：<code>\r\n\r\n" when code is not 0, then
// "错误信息：<message>\r\n" when there is a message.
std::string fatalErrorText(int code, std::string_view message);

// Shows the text (the window passes an application-modal error box; the CLI writes it to
// standard error), releases the libraries of the external function table and ends the process.
[[noreturn]] void FatalError(int code, std::string_view message);

// Shows `text` with `title` and the error icon and returns when the user closed it. Without one,
// the box goes to standard error as "[错误] text".
using FatalErrorBox = std::function<void(const std::string& text, const std::string& title)>;
void setFatalErrorBox(FatalErrorBox box);

// How the process ends (exit code -1). Tests replace it, for instance by one that throws; if the
// replacement returns, the process ends all the same.
using ProcessExit = std::function<void(int exitCode)>;
void setFatalErrorExit(ProcessExit exit);

}  // namespace jsdebug::engine
