#include "generate/TestPage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "examples/SampleScript.h"
#include "platform/FileBytes.h"
#include "tests/support/Environment.h"
#include "tests/support/Lines.h"
#include "tests/support/TempDir.h"
#include "workflow/CallBox.h"
#include "workflow/HeadlessDesktop.h"
#include "workflow/HeadlessWorkbench.h"

namespace jsdebug::generate {
namespace {

namespace fs = std::filesystem;

const char* const kSampleScript = examples::kSampleScriptBytes;


class TestPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.directory = dir.string();
    // The fallback folder of an unwritable page stays inside the test's directory (each system
    // names the per-user folder in a variable of its own).
    testsupport::setEnvironment("XDG_CACHE_HOME", (dir / "cache").string());
    testsupport::setEnvironment("LOCALAPPDATA", (dir / "cache").string());
  }
  testsupport::TempDir scratch{"jsdebug_page_"};
  const fs::path& dir = scratch.path();
  workflow::HeadlessWorkbench bench;
  workflow::HeadlessDesktop desktop;
};

TEST_F(TestPageTest, SampleScriptPageByteForByte) {
  const std::string page = testPageText(kSampleScript, "test(1,2)");
  EXPECT_EQ(std::string("<meta charset=\"gbk\"><br><br>如果浏览器返回结果正常，那离成功不远了！<br><br>\r\n"
                        "<script type=\"text/javascript\">\r\n") +
                kSampleScript +
                "\r\ndocument.write('运行结果:')\r\ndocument.write(test(1,2))\r\n</script>",
            page);
  const std::vector<std::string> l = testsupport::crlfLines(page);
  ASSERT_GE(l.size(), 3u);
  EXPECT_EQ("document.write('运行结果:')", l[l.size() - 3]);
  EXPECT_EQ("document.write(test(1,2))", l[l.size() - 2]);
  EXPECT_EQ("</script>", l[l.size() - 1]);
}

TEST_F(TestPageTest, EmptyScriptLeavesAnEmptyLineAndTheCallPassesUnchanged) {
  const std::vector<std::string> l = testsupport::crlfLines(testPageText("", " f( '<b>\"x\"</b>' , 1 ) "));
  ASSERT_EQ(6u, l.size());
  EXPECT_EQ("<script type=\"text/javascript\">", l[1]);
  EXPECT_EQ("", l[2]);
  EXPECT_EQ("document.write( f( '<b>\"x\"</b>' , 1 ) )", l[4]);
}

TEST_F(TestPageTest, CommandWritesBesideTheExecutableAndOpensIt) {
  bench.memoryEditor.setText(kSampleScript);
  bench.callBox = "test(1,2)";
  const std::string path = (dir / "test.html").string();
  ASSERT_FALSE(platform::writeFileBytes(path, std::string(100000, 'x')));  // an older, longer page

  browserRunCommand(bench, desktop);
  EXPECT_EQ(testPageText(kSampleScript, "test(1,2)"), platform::readFileBytes(path));
  ASSERT_EQ(1u, desktop.opened.size());
  EXPECT_EQ(path, desktop.opened[0]);
  EXPECT_TRUE(bench.messages.empty());

  bench.memoryEditor.setText("");
  bench.callBox = "x()";
  browserRunCommand(bench, desktop);
  EXPECT_EQ(testPageText("", "x()"), platform::readFileBytes(path));
  EXPECT_EQ(2u, desktop.opened.size());
}

TEST_F(TestPageTest, MissingCallWritesAndOpensNothing) {
  for (const char* call : {"", workflow::kCallBoxCueText}) {
    bench.callBox = call;
    browserRunCommand(bench, desktop);
  }
  EXPECT_FALSE(fs::exists(dir / "test.html"));
  EXPECT_TRUE(desktop.opened.empty());
  ASSERT_EQ(2u, bench.messages.size());
  EXPECT_EQ(workflow::kMissingCallMessage, bench.messages[1].text);
  EXPECT_EQ(workflow::MessageIcon::Error, bench.messages[1].icon);
  EXPECT_EQ(workflow::Control::CallBox, bench.focusHistory.back());
}

TEST_F(TestPageTest, UnclosedCallWritesAndOpensNothing) {
  bench.callBox = "test('abc',123";
  browserRunCommand(bench, desktop);
  EXPECT_FALSE(fs::exists(dir / "test.html"));
  EXPECT_TRUE(desktop.opened.empty());
  ASSERT_EQ(1u, bench.messages.size());
  EXPECT_EQ("调用方法有语法错误：缺少 ')'（错误代码 1006，位置 14）", bench.messages[0].text);
  EXPECT_EQ(workflow::Control::CallBox, bench.focusHistory.back());
}

// A script may hold "</script>" in a string; written as it stands it would end the page's script
// element there. Every spelling of it is written "<\/script", which reads as the same string.
TEST_F(TestPageTest, AnEndTagInsideTheScriptOrCallDoesNotEndThePage) {
  const std::string page = testPageText("var s = '</script>' + \"</SCRIPT \" + /<\\/script>/;",
                                        "f('</Script>')");
  EXPECT_NE(std::string::npos, page.find("var s = '<\\/script>' + \"<\\/SCRIPT \" + /<\\/script>/;"));
  EXPECT_NE(std::string::npos, page.find("document.write(f('<\\/Script>'))"));
  // One end tag only: the page's own.
  EXPECT_EQ(page.size() - 9, page.find("</script>"));
  // Other end tags are the script's business.
  EXPECT_NE(std::string::npos, testPageText("s = '</div>';", "x()").find("s = '</div>';"));
}

// With no program to open the page, the click would seem to do nothing: a box says where it is.
TEST_F(TestPageTest, NoBrowserIsSaid) {
  bench.callBox = "test(1,2)";
  desktop.canOpen = false;
  browserRunCommand(bench, desktop);
  ASSERT_EQ(1u, bench.messages.size());
  EXPECT_EQ(kNoBrowserMessage + (dir / "test.html").string(), bench.messages[0].text);
  EXPECT_EQ(workflow::MessageIcon::Error, bench.messages[0].icon);
  EXPECT_TRUE(fs::exists(dir / "test.html"));
}

// Where the executable's directory takes no page (an installed program's), the page goes to the
// user's cache folder and that one is opened; with no usable cache folder either, the old path
// is opened as before.
TEST_F(TestPageTest, PageTheExecutableDirectoryRefusesGoesToTheUserCache) {
  fs::create_directory(dir / "test.html");  // a directory in the way
  bench.memoryEditor.setText(kSampleScript);
  bench.callBox = "test(1,2)";
  struct Row {
    bool cacheUsable;
  };
  for (const Row row : {Row{true}, Row{false}}) {
    SCOPED_TRACE(row.cacheUsable);
    desktop.opened.clear();
    if (!row.cacheUsable) {
      fs::remove_all(dir / "cache");
      ASSERT_FALSE(platform::writeFileBytes((dir / "cache").string(), "a file in the way"));
    }
    browserRunCommand(bench, desktop);
    ASSERT_EQ(1u, desktop.opened.size());
    const fs::path cached = dir / "cache" / "jsdebug" / "test.html";
    if (row.cacheUsable) {
      EXPECT_EQ(cached.string(), desktop.opened[0]);
      EXPECT_EQ(testPageText(kSampleScript, "test(1,2)"), platform::readFileBytes(cached.string()));
    } else {
      EXPECT_EQ((dir / "test.html").string(), desktop.opened[0]);
    }
    EXPECT_TRUE(bench.messages.empty());
  }
}

}  // namespace
}  // namespace jsdebug::generate
