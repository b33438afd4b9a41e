// The rewriting door: the node child, its framing, GBK at the edge, and what it says when node,
// Babel or the operation fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "rewrite/Rewriter.h"

namespace {

using jsdebug::rewrite::Outcome;
using jsdebug::rewrite::Problem;
using jsdebug::rewrite::Rewriter;
using jsdebug::rewrite::Setting;

// Sets an environment variable for one scope, restoring what was there.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnvironment() {
    if (had_)
      setenv(name_, old_.c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

TEST(Rewriter, CarriesTextAndFactsBothWaysInGbk) {
  Rewriter rewriter;
  // GBK Chinese, and a byte that is no CP936 character: both come back unchanged.
  const std::string text = "var s = '中文'; // \x80\n f(1);";
  Outcome out = rewriter.run("parse", text);
  ASSERT_TRUE(out.ok()) << out.failure;
  EXPECT_TRUE(out.hasText);
  EXPECT_EQ(text, out.text);
  EXPECT_TRUE(out.problems.empty());
  EXPECT_EQ("2", out.fact("statements"));
  EXPECT_EQ("", out.fact("no such fact"));
}

TEST(Rewriter, SyntaxErrorIsAProblemWithItsLine) {
  Rewriter rewriter;
  Outcome out = rewriter.run("parse", "var a = 1;\nvar b = (;\n");
  ASSERT_TRUE(out.ok()) << out.failure;
  ASSERT_EQ(1u, out.problems.size());
  EXPECT_EQ(2, out.problems[0].line);
  EXPECT_EQ(9, out.problems[0].column);
  EXPECT_EQ(0u, out.problems[0].message.find("语法错误："));
  // The child survives its operation's refusal and serves the next request.
  EXPECT_EQ("1", rewriter.run("parse", "x").fact("statements"));
}

TEST(Rewriter, RefusesAnUnknownOperation) {
  Rewriter rewriter;
  for (const char* op : {"no-such-op", "../runner", "", "lib/parsing"}) {
    Outcome out = rewriter.run(op, "x");
    EXPECT_EQ(0u, out.failure.find("改写脚本出错：Error: unknown operation")) << op << ": " << out.failure;
    EXPECT_FALSE(out.hasText);
  }
}

// What is missing, said in the user's words; no text comes back.
TEST(Rewriter, SaysWhatIsMissing) {
  struct Row {
    const char* missing;
    std::vector<std::pair<const char*, const char*>> environment;
    std::string failure;
  } rows[] = {
      {"node", {{"JSDEBUG_NODE", "/nonexistent/node"}},
       "找不到 node 程序“/nonexistent/node”。脚本改写需要 Node.js 18 或更高版本：请安装它，或用环境变量 "
       "JSDEBUG_NODE 指定其路径"},
      // A node that finds no Babel: every place the runner looks is replaced by a missing one.
      {"Babel", {{"JSDEBUG_BABEL", "/nonexistent/babel.js"}, {"JSDEBUG_BABEL_ONLY", "1"}},
       "找不到 Babel（Debian 软件包 node-babel7-standalone，找过：/nonexistent/babel.js）。请安装它，"
       "或用环境变量 JSDEBUG_BABEL 指定 babel.js 的路径"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.missing);
    std::list<ScopedEnvironment> set;
    for (const auto& [name, value] : row.environment) set.emplace_back(name, value);
    Rewriter rewriter;
    Outcome out = rewriter.run("parse", "x");
    EXPECT_EQ(row.failure, out.failure);
    EXPECT_FALSE(out.hasText);
  }
}

TEST(Rewriter, StopsARequestPastTheTimeLimitAndStartsAfresh) {
  ScopedEnvironment limit("JSDEBUG_V8_TIMEOUT_MS", "300");
  Rewriter rewriter;
  ASSERT_TRUE(rewriter.run("parse", "x").ok());  // booted: the limit is the request's own
  // A million statements keep the parser busy far beyond 300 ms.
  std::string many;
  for (int i = 0; i < 1'000'000; ++i) many += "x;\n";
  Outcome out = rewriter.run("parse", many);
  EXPECT_EQ("改写超过 300 毫秒没有完成，已停止", out.failure);
  EXPECT_EQ("1", rewriter.run("parse", "x").fact("statements"));
}

}  // namespace
