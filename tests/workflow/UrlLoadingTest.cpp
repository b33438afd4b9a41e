#include "workflow/UrlLoading.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <future>
#include <mutex>

#include "net/Download.h"
#include "workflow/ScriptFiles.h"
#include "tests/support/DownloadRoutes.h"
#include "workflow/HeadlessWorkbench.h"

namespace jsdebug::workflow {
namespace {

using jsdebug::loopback::HttpReply;
using jsdebug::loopback::httpResponse;
using jsdebug::loopback::LoopbackHttpServer;
using jsdebug::loopback::route;
using net::Download;
using net::downloadBytes;
using net::downloadScript;

class UrlLoadingTest : public ::testing::Test {
 protected:
  LoopbackHttpServer server{route};
  // Runs the command and waits for its worker.
  void load() {
    std::promise<void> done;
    loadScriptFromUrl(bench, [&done] { done.set_value(); });
    ASSERT_EQ(std::future_status::ready, done.get_future().wait_for(std::chrono::seconds(30)));
  }
  HeadlessWorkbench bench;
};

TEST_F(UrlLoadingTest, SampleAddressNeedsNoNetwork) {
  bench.urlBox = kSampleAddress;
  int downloads = 0;
  bool finished = false;
  loadScriptFromUrl(bench, [&] { finished = true; }, [&](std::string_view) { ++downloads; return Download{}; });
  EXPECT_TRUE(finished);
  EXPECT_EQ(0, downloads);
  EXPECT_EQ(kSampleScript, bench.memoryEditor.wholeText());

  bench.urlBox = std::string(kSampleAddress) + " ";  // any other text is a real address
  std::promise<void> done;
  loadScriptFromUrl(bench, [&] { done.set_value(); }, [&](std::string_view a) {
    ++downloads;
    return Download{std::string(a), {}};
  });
  done.get_future().wait();
  EXPECT_EQ(1, downloads);
  EXPECT_EQ(std::string(kSampleAddress) + " ", bench.memoryEditor.wholeText());
}

TEST_F(UrlLoadingTest, DownloadReplacesTheEditorTextAndFocusesIt) {
  bench.memoryEditor.setText("old");
  bench.urlBox = server.url("/nul.js");
  load();
  EXPECT_EQ("var a=1;", bench.memoryEditor.wholeText());
  ASSERT_FALSE(bench.focusHistory.empty());
  EXPECT_EQ(Control::CodeEditor, bench.focusHistory.back());

  bench.urlBox = server.url("/empty.js");
  load();
  EXPECT_EQ("", bench.memoryEditor.wholeText());

  EXPECT_TRUE(bench.messages.empty());
}

// A failed download is no script: the editor keeps the user's text and a box says what failed.
TEST_F(UrlLoadingTest, AFailedDownloadKeepsTheEditorTextAndSaysWhy) {
  const std::string closed =
      "http://127.0.0.1:" + std::to_string(LoopbackHttpServer::closedPort()) + "/test.js";
  const std::string rows[][2] = {
      {closed, "无法连接到服务器"},
      {server.url("/missing.js"), "服务器返回错误状态 404"},
      {server.url("/cut.js"), "传输中断：收到 50000 字节，服务器说有 200000 字节"},
      {"ftp://127.0.0.1/test.js", "只能下载http或https地址"},
  };
  for (const auto& [address, reason] : rows) {
    bench.memoryEditor.setText("old");
    bench.messages.clear();
    bench.urlBox = address;
    load();
    EXPECT_EQ("old", bench.memoryEditor.wholeText()) << address;
    ASSERT_EQ(1u, bench.messages.size()) << address;
    EXPECT_EQ(downloadFailedMessage(address, reason), bench.messages[0].text);
    EXPECT_EQ(MessageIcon::Error, bench.messages[0].icon);
  }
}

TEST_F(UrlLoadingTest, AUtf8DownloadIsNotedInTheLogAndKeepsItsBytes) {
  const std::string utf8 = "var s = '\xE4\xB8\xAD';";
  for (const std::string& body : {utf8, std::string("var s = '中';")}) {
    bench.log = "before\r\n";
    bench.urlBox = "http://127.0.0.1/x.js";
    std::promise<void> done;
    loadScriptFromUrl(bench, [&] { done.set_value(); }, [&](std::string_view) { return Download{body, {}}; });
    done.get_future().wait();
    EXPECT_EQ(body, bench.memoryEditor.wholeText());
    EXPECT_EQ(std::string("before\r\n") + (body == utf8 ? kUtf8ScriptNote : ""), bench.log);
  }
}

// Asked when the script arrives, so that edits made during the download count; "取消" keeps the
// text, and the NUL cut is said as for a file.
TEST_F(UrlLoadingTest, ADownloadOverEditedTextAsksAndSaysItsNulCut) {
  const std::string question = "脚本已修改，还没有保存。\r\n确定要下载吗？修改将会丢失。";
  for (bool yes : {false, true}) {
    bench.memoryEditor.setText("edited");
    bench.questions.clear();
    bench.questionAnswer = yes;
    bench.log.clear();
    bench.urlBox = "http://127.0.0.1/x.js";
    std::promise<void> done;
    loadScriptFromUrl(bench, [&] { done.set_value(); },
                      [&](std::string_view) { return Download{std::string("ab\0cd", 5), {}}; });
    done.get_future().wait();
    ASSERT_EQ(1u, bench.questions.size());
    EXPECT_EQ(question, bench.questions[0].text);
    EXPECT_EQ("下载", bench.questions[0].title);
    EXPECT_EQ(yes ? "ab" : "edited", bench.memoryEditor.wholeText());
    EXPECT_EQ(yes ? "提示：这段脚本含有NUL字节（0x00），只保留了它前面的 2 字节（共 5 字节），保存时也只写入这一部分。\r\n"
                  : "",
              bench.log);
    EXPECT_EQ(yes ? std::vector<Control>{Control::CodeEditor} : std::vector<Control>{},
              bench.focusHistory);
    bench.focusHistory.clear();
  }
  // The sample address asks too; unedited text is replaced without a question.
  bench.memoryEditor.setText("edited");
  bench.questions.clear();
  bench.questionAnswer = false;
  bench.urlBox = kSampleAddress;
  loadScriptFromUrl(bench);
  EXPECT_EQ(1u, bench.questions.size());
  EXPECT_EQ("edited", bench.memoryEditor.wholeText());
  bench.memoryEditor.setSavePoint();
  loadScriptFromUrl(bench);
  EXPECT_EQ(1u, bench.questions.size());
  EXPECT_EQ(kSampleScript, bench.memoryEditor.wholeText());
}

TEST_F(UrlLoadingTest, TwoDownloadsAtOnceTheLaterFinisherWins) {
  std::promise<void> slowDone, fastDone;
  bench.urlBox = server.url("/slow.js");
  loadScriptFromUrl(bench, [&] { slowDone.set_value(); });
  // The first worker must have read its address before the box changes.
  while (server.requests().empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  bench.runOnGuiThread([&] { bench.urlBox = server.url("/fast.js"); });
  loadScriptFromUrl(bench, [&] { fastDone.set_value(); });
  fastDone.get_future().wait();
  EXPECT_EQ("fast", bench.memoryEditor.wholeText());
  slowDone.get_future().wait();
  EXPECT_EQ("slow", bench.memoryEditor.wholeText());
}

}  // namespace
}  // namespace jsdebug::workflow
