#pragma once
// What every operation of the toolbox gives back: its output bytes, or why there are none.
// The reason comes in two forms, for the two places that show it: English for the CLI's
// standard error, Chinese (GBK) for the window.

#include <cstddef>
#include <string>

namespace jsdebug::encode {

struct Outcome {
  bool ok = false;
  std::string output;   // bytes: GBK text, or the raw bytes a decoder produced
  std::string reason;   // English, for the CLI
  std::string chinese;  // GBK, for the window

  static Outcome success(std::string bytes) { return {true, std::move(bytes), {}, {}}; }
  static Outcome failure(std::string english, std::string chineseText) {
    return {false, {}, std::move(english), std::move(chineseText)};
  }
};

// "invalid <what> at position N" / "第 N 个字符处不是有效的<what>": positions count characters of
// the input from 1, a GBK character being one.
Outcome invalidAt(const std::string& what, const std::string& whatChinese, std::size_t position);

}  // namespace jsdebug::encode
