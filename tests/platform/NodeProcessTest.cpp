#include "platform/NodeProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "tests/support/Environment.h"

namespace {

using jsdebug::platform::NodeProcess;
using jsdebug::platform::detail::AnswerFrame;

std::string u32(std::uint32_t n) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
  return bytes;
}

// The pieces an answer may arrive in: the length cut anywhere, bodies of every size, and more
// than one answer at once.
TEST(AnswerFrame, TakesPiecesAsTheyCome) {
  struct Row {
    const char* name;
    std::vector<std::string> pieces;
    bool complete;
    bool outOfStep;
    std::string body;
  };
  const std::string big(70000, 'x');
  const Row rows[] = {
      {"empty answer", {u32(0)}, true, false, ""},
      {"whole in one piece", {u32(3) + "abc"}, true, false, "abc"},
      {"length cut in two", {u32(3).substr(0, 1), u32(3).substr(1) + "abc"}, true, false, "abc"},
      {"length byte by byte",
       {u32(2).substr(0, 1), u32(2).substr(1, 1), u32(2).substr(2, 1), u32(2).substr(3, 1), "hi"},
       true, false, "hi"},
      {"body still coming", {u32(5) + "ab"}, false, false, ""},
      {"length not yet whole", {u32(5).substr(0, 3)}, false, false, ""},
      {"body in pieces", {u32(70000), big.substr(0, 65536), big.substr(65536)}, true, false, big},
      {"length above 2^24", {u32(0x01000001) + "a"}, false, false, ""},
      {"two answers at once", {u32(1) + "a" + u32(1) + "b"}, true, true, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AnswerFrame frame;
    for (const std::string& piece : row.pieces) frame.append(piece.data(), piece.size());
    EXPECT_EQ(row.complete, frame.complete());
    EXPECT_EQ(row.outOfStep, frame.outOfStep());
    if (row.complete && !row.outOfStep) {
      EXPECT_EQ(row.body, frame.body());
    }
  }
}

TEST(NodeSettings, FromTheEnvironmentWithinBounds) {
  using jsdebug::testsupport::clearEnvironment;
  using jsdebug::testsupport::setEnvironment;
  struct Row {
    const char* value;
    int timeLimit;
  };
  const Row rows[] = {{"", 10000}, {"250", 250}, {"0", 10000}, {"-5", 10000},
                      {"12x", 10000}, {"86400001", 10000}, {"86400000", 86400000}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    setEnvironment("JSDEBUG_V8_TIMEOUT_MS", row.value);
    EXPECT_EQ(row.timeLimit, jsdebug::platform::nodeTimeLimitMs());
  }
  clearEnvironment("JSDEBUG_V8_TIMEOUT_MS");
  clearEnvironment("JSDEBUG_V8_HEAP_MB");
  EXPECT_EQ(512, jsdebug::platform::nodeHeapLimitMb());
  setEnvironment("JSDEBUG_NODE", "/opt/node/bin/node");
  EXPECT_EQ("/opt/node/bin/node", jsdebug::platform::nodeProgram());
  clearEnvironment("JSDEBUG_NODE");
  EXPECT_EQ("node", jsdebug::platform::nodeProgram());
}

TEST(NodeProcess, MissingProgramIsNotFound) {
  NodeProcess node;
  EXPECT_EQ(ENOENT, node.start("jsdebug-no-such-node", "", 64));
  EXPECT_FALSE(node.alive());
  std::string answer;
  EXPECT_EQ(NodeProcess::Outcome::Died, node.exchange("x", answer, 100));
}

// A runner that answers each request with "echo:" and its text; "exit" ends the child, "hang"
// never answers.
constexpr const char* kEchoRunner =
    "const fs=require('fs');"
    "function take(n){const b=Buffer.alloc(n);let g=0;"
    "while(g<n){const r=fs.readSync(0,b,g,n-g,null);if(r===0)process.exit(0);g+=r}return b}"
    "for(;;){const t=take(take(4).readUInt32LE(0)).toString();"
    "if(t==='exit')process.exit(3);if(t==='hang')for(;;){}"
    "const o=Buffer.from('echo:'+t);const n=Buffer.alloc(4);n.writeUInt32LE(o.length);"
    "fs.writeSync(1,Buffer.concat([n,o]))}";

TEST(NodeProcess, AnswersTimesOutAndNoticesItsEnd) {
  NodeProcess node;
  if (node.start(jsdebug::platform::nodeProgram(), kEchoRunner, 64) == ENOENT)
    GTEST_SKIP() << "no node program";
  EXPECT_TRUE(node.alive());
  std::string answer;
  // The first request waits for node to boot.
  ASSERT_EQ(NodeProcess::Outcome::Answered, node.exchange(u32(3) + "abc", answer, 30000));
  EXPECT_EQ("echo:abc", answer);
  const std::string large(300000, 'z');
  ASSERT_EQ(NodeProcess::Outcome::Answered,
            node.exchange(u32(static_cast<std::uint32_t>(large.size())) + large, answer, 30000));
  EXPECT_EQ("echo:" + large, answer);

  EXPECT_EQ(NodeProcess::Outcome::TimedOut, node.exchange(u32(4) + "hang", answer, 200));
  EXPECT_TRUE(answer.empty());
  node.stop();
  EXPECT_FALSE(node.alive());

  ASSERT_EQ(0, node.start(jsdebug::platform::nodeProgram(), kEchoRunner, 64));
  EXPECT_EQ(NodeProcess::Outcome::Died, node.exchange(u32(4) + "exit", answer, 30000));
  EXPECT_FALSE(node.alive());
}

}  // namespace
