#pragma once
// The log blocks of a run, word for word, as both engines' runs write them.

#include <string>

namespace jsdebug::testsupport {

inline const std::string kRunSeparator(65, '-');

inline std::string runSuccess(const std::string& ms, const std::string& result) {
  return "代码运算成功!!执行时间：" + ms + "\r\n" + kRunSeparator + "\r\n\r\n返回内容：" + result +
         "\r\n\r\n" + kRunSeparator;
}

inline std::string runFailure(const std::string& line, const std::string& message) {
  return "代码运算失败!!\r\n" + kRunSeparator + "\r\n\r\n错误行:" + line + "\r\n\r\n错误信息:" +
         message + "\r\n\r\n" + kRunSeparator;
}

}  // namespace jsdebug::testsupport
