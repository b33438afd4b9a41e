#include "engine/FatalError.h"

#include <gtest/gtest.h>

namespace {

using namespace jsdebug;
using namespace jsdebug::engine;

TEST(FatalError, Text) {
  EXPECT_EQ("运行时出错!\r\n\r\n", fatalErrorText(0, ""));
  EXPECT_EQ("运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n",
            fatalErrorText(6, "调用DLL命令后发现堆栈错误"));
  EXPECT_EQ("运行时出错!\r\n\r\n错误代码：-3\r\n\r\n", fatalErrorText(-3, ""));
}

TEST(FatalErrorDeathTest, EndsTheProcessWithExitCodeMinusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Without a box of the window's, the text goes to standard error.
  EXPECT_EXIT(FatalError(0, "x"), testing::ExitedWithCode(255), "x");
  // The box is shown first; the process ends after it returns.
  EXPECT_EXIT(
      {
        setFatalErrorBox([](const std::string& text, const std::string& title) {
          fprintf(stderr, "box %zu %zu\n", text.size(), title.size());
        });
        FatalError(6, "");
      },
      testing::ExitedWithCode(255), "box 30 4");
}

}  // namespace
