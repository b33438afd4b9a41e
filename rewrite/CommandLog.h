#pragma once
// What 转为JScript, 反混淆 and 求值选中 write into the log in the same words: a refusal, and an
// engine's answer when they check their work by running the call.

#include <string>

#include "workflow/Workbench.h"

namespace jsdebug::rewrite {

// Empties the log, writes the failure block and, for a line > 0, moves the caret there. Safe
// from a worker: the log and the caret are reached on the GUI thread.
void refuse(workflow::Workbench& bench, const char* header, const std::string& body, long line);

// "错误（第<line>行）：<message>": an engine's failure as one piece of a log line.
std::string failedAnswer(const std::string& line, const std::string& message);
// A V8 result as it is, or its error report in that form.
std::string v8Answer(const std::string& result);

// "验证 <call>：", the head of the line comparing answers.
std::string verifyHead(const std::string& call);

}  // namespace jsdebug::rewrite
