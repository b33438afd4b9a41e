#include "workflow/ScriptFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "platform/FileBytes.h"
#include "tests/support/TempDir.h"
#include "workflow/CallBox.h"
#include "workflow/HeadlessDesktop.h"
#include "workflow/HeadlessWorkbench.h"

namespace jsdebug::workflow {
namespace {

namespace fs = std::filesystem;

class ScriptFilesTest : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return scratch.file(name); }
  void answer(const std::string& chosen) { desktop.answers.push_back(chosen); }

  testsupport::TempDir scratch{"jsdebug_files_"};
  const fs::path& dir = scratch.path();
  HeadlessWorkbench bench;
  HeadlessDesktop desktop;
  ScriptFiles files{bench, desktop};
};

TEST_F(ScriptFilesTest, SaveAndReopenKeepEveryByteUpToTheFirstNul) {
  const std::string samples[] = {
      "\xEF\xBB\xBF" "var s = '\xE4\xB8\xAD\xE6\x96\x87';\r\n",  // UTF-8 with its byte order mark
      "var s = '中文';\r\n\tvar t = \"\xA1\xA1\";",             // GBK
      std::string("\x01\x80\xFF\xFE\x7F\r\rx", 8),               // stray bytes
  };
  for (const std::string& bytes : samples) {
    bench.memoryEditor.setText(bytes);
    answer(path("a.js"));
    files.saveScriptFile();
    EXPECT_EQ(bytes, platform::readFileBytes(path("a.js")));
    bench.memoryEditor.setText("other");
    answer(path("a.js"));
    files.openScriptFile();
    EXPECT_EQ(bytes, bench.memoryEditor.wholeText());
  }
  ASSERT_FALSE(platform::writeFileBytes(path("nul.bin"), std::string("abc\0def", 7)));
  answer(path("nul.bin"));
  files.openScriptFile();
  EXPECT_EQ("abc", bench.memoryEditor.wholeText());
  EXPECT_TRUE(bench.messages.empty());
}

TEST_F(ScriptFilesTest, OpeningAUtf8ScriptSaysSoInTheLogAndLeavesItsBytes) {
  struct Case {
    const char* name;
    std::string bytes;
    bool noted;
  };
  const Case cases[] = {
      {"UTF-8", "var s = '\xE4\xB8\xAD\xE6\x96\x87';", true},
      {"UTF-8 with its byte order mark", "\xEF\xBB\xBF" "var s;", true},
      {"four-byte UTF-8", "// \xF0\x9F\x98\x80", true},
      {"ASCII", "var s = 'abc';", false},
      {"GBK", "var s = '中文';", false},
      {"UTF-8 cut in the middle of a character", "var s = '\xE4\xB8", false},
      {"UTF-8 then a GBK character", "'\xE4\xB8\xAD' '中'", false},
      {"an encoded surrogate", "'\xED\xA0\x80'", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bench.log.clear();
    ASSERT_FALSE(platform::writeFileBytes(path("a.js"), c.bytes));
    answer(path("a.js"));
    files.openScriptFile();
    EXPECT_EQ(c.bytes, bench.memoryEditor.wholeText());
    EXPECT_EQ(c.noted ? kUtf8ScriptNote : "", bench.log);
  }
}

// The cut at the first NUL stays, and is said on a line of its own after whatever the log holds.
TEST_F(ScriptFilesTest, ANulCutIsSaidWithTheBytesKeptOfAll) {
  const std::string sep(65, '-');
  struct Case {
    std::string bytes;
    std::string logBefore;
    std::string logAfter;
  } cases[] = {
      {std::string("abc\0def", 7), "",
       "提示：这段脚本含有NUL字节（0x00），只保留了它前面的 3 字节（共 7 字节），保存时也只写入这一部分。\r\n"},
      {std::string("\0", 1), sep,  // after a block's closing separator: a line break first
       sep + "\r\n提示：这段脚本含有NUL字节（0x00），只保留了它前面的 0 字节（共 1 字节），保存时也只写入这一部分。\r\n"},
      {std::string("'\xE4\xB8\xAD'\0\x01", 7), "welcome\r\n",
       std::string("welcome\r\n提示：这段脚本含有NUL字节（0x00），只保留了它前面的 5 字节（共 7 字节），保存时也只写入这一部分。\r\n") +
           kUtf8ScriptNote},
      {"no nul", sep, sep},
  };
  for (const Case& c : cases) {
    bench.log = c.logBefore;
    ASSERT_FALSE(platform::writeFileBytes(path("a.js"), c.bytes));
    answer(path("a.js"));
    files.openScriptFile();
    EXPECT_EQ(c.bytes.substr(0, c.bytes.find('\0')), bench.memoryEditor.wholeText());
    EXPECT_EQ(c.logAfter, bench.log);
  }
  EXPECT_TRUE(bench.messages.empty());
}

TEST_F(ScriptFilesTest, TheUtf8HintFollowsABlockOnALineOfItsOwn) {
  const std::string sep(65, '-');
  bench.log = "代码运算成功!!执行时间：1\r\n" + sep;
  ASSERT_FALSE(platform::writeFileBytes(path("u.js"), "'\xE4\xB8\xAD'"));
  answer(path("u.js"));
  files.openScriptFile();
  EXPECT_EQ("代码运算成功!!执行时间：1\r\n" + sep + "\r\n" + kUtf8ScriptNote, bench.log);
}

// Opening over edited text asks as closing does; "取消" keeps the text, unedited text is not
// asked about, and a file that cannot be read asks nothing.
TEST_F(ScriptFilesTest, OpeningOverEditedTextAsksFirst) {
  ASSERT_FALSE(platform::writeFileBytes(path("new.js"), "new"));
  const std::string question = "脚本已修改，还没有保存。\r\n确定要打开文件吗？修改将会丢失。";
  struct Row {
    bool edited;
    bool answer;
    const char* file;
    std::size_t questions;
    const char* text;
  } rows[] = {
      {true, false, "new.js", 1, "edited"},
      {true, true, "new.js", 1, "new"},
      {false, false, "new.js", 0, "new"},
      {true, true, "missing.js", 0, "edited"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.answer);
    bench.memoryEditor.setText("edited");
    if (!row.edited) bench.memoryEditor.setSavePoint();
    bench.questions.clear();
    bench.messages.clear();
    bench.questionAnswer = row.answer;
    answer(path(row.file));
    files.openScriptFile();
    EXPECT_EQ(row.text, bench.memoryEditor.wholeText());
    ASSERT_EQ(row.questions, bench.questions.size());
    if (row.questions == 0) continue;
    EXPECT_EQ(question, bench.questions[0].text);
    EXPECT_EQ("打开文件", bench.questions[0].title);
    // Kept text stays edited; an opened one is saved as it is.
    EXPECT_EQ(!row.answer, bench.memoryEditor.isModified());
  }
}

TEST_F(ScriptFilesTest, DialogsCarryTheirTitlesFiltersAndTheLastPath) {
  answer(path("first.js"));
  files.openScriptFile();
  answer(path("noextension"));
  files.saveScriptFile();
  files.saveScriptFile();  // cancelled
  ASSERT_EQ(3u, desktop.dialogs.size());
  EXPECT_EQ(FileDialogKind::Open, desktop.dialogs[0].kind);
  EXPECT_EQ("打开保存域名文本", desktop.dialogs[0].title);
  EXPECT_EQ("文本文件（*.txt）|*.txt|JS文件（*.js）|*.js", desktop.dialogs[0].filter);
  EXPECT_EQ("", desktop.dialogs[0].initialPath);
  EXPECT_EQ(FileDialogKind::Save, desktop.dialogs[1].kind);
  EXPECT_EQ("保存文件名", desktop.dialogs[1].title);
  EXPECT_EQ("所有类型", desktop.dialogs[1].filter);
  EXPECT_EQ(path("first.js"), desktop.dialogs[1].initialPath);
  EXPECT_EQ(path("noextension"), desktop.dialogs[2].initialPath);
  // the name is used as typed, no extension added
  EXPECT_TRUE(fs::exists(dir / "noextension"));
  EXPECT_EQ(1u, std::distance(fs::directory_iterator(dir), fs::directory_iterator{}));
}

TEST_F(ScriptFilesTest, CancelledOrUnreadableOpen) {
  bench.memoryEditor.setText("kept");
  files.openScriptFile();  // cancelled
  EXPECT_EQ("kept", bench.memoryEditor.wholeText());
  EXPECT_TRUE(bench.messages.empty());
  // An empty file is an empty script.
  ASSERT_FALSE(platform::writeFileBytes(path("empty.js"), ""));
  answer(path("empty.js"));
  files.openScriptFile();
  EXPECT_EQ("", bench.memoryEditor.wholeText());
  EXPECT_TRUE(bench.messages.empty());
}

// What cannot be read as a script file leaves the editor as it was and says why.
TEST_F(ScriptFilesTest, OpeningWhatIsNoReadableFileKeepsTheEditor) {
  {
    std::FILE* big = std::fopen(path("big.js").c_str(), "wb");  // sparse: nothing is written
    ASSERT_NE(nullptr, big);
    ASSERT_EQ(0, ::ftruncate(::fileno(big), static_cast<off_t>(platform::kMaxScriptBytes) + 1));
    std::fclose(big);
  }
  struct Row {
    std::string path;
    const char* reason;
  } rows[] = {
      {path("missing.js"), "文件不存在"},
      {dir.string(), "选择的是一个文件夹"},
      {"/dev/zero", "不是普通文件"},
      {path("big.js"), "文件超过256MB，不是脚本"},
      {"/proc/self/mem", "读取出错（"},
  };
  for (const Row& row : rows) {
    bench.memoryEditor.setText("kept");
    bench.messages.clear();
    answer(row.path);
    files.openScriptFile();
    EXPECT_EQ("kept", bench.memoryEditor.wholeText()) << row.path;
    ASSERT_EQ(1u, bench.messages.size()) << row.path;
    EXPECT_EQ(MessageIcon::Error, bench.messages[0].icon);
    EXPECT_EQ(0u, bench.messages[0].text.find("文件打开失败：" + row.path + "\r\n" + row.reason))
        << bench.messages[0].text;
    EXPECT_EQ("，编辑框的代码没有改变。", bench.messages[0].text.substr(bench.messages[0].text.size() - 24));
  }
  // The path is remembered all the same, so the next dialog starts there.
  EXPECT_EQ("/proc/self/mem", files.lastPath());
}

TEST_F(ScriptFilesTest, EmptyEditorTruncatesTheFile) {
  ASSERT_FALSE(platform::writeFileBytes(path("old.js"), "a long old script"));
  bench.memoryEditor.setText("");
  answer(path("old.js"));
  files.saveScriptFile();
  EXPECT_EQ(0u, fs::file_size(dir / "old.js"));
}

TEST_F(ScriptFilesTest, SaveWithCallAppendsTheUntrimmedCall) {
  bench.memoryEditor.setText("function test(a,b){return a+b}");
  bench.callBox = " test('abc',123) ";
  answer(path("with_call.js"));
  files.saveScriptWithCall();
  EXPECT_EQ("function test(a,b){return a+b}\r\n调用方法： test('abc',123) ",
            platform::readFileBytes(path("with_call.js")));
}

TEST_F(ScriptFilesTest, SaveWithCallRefusesAMissingCallBeforeAnyDialog) {
  for (const char* call : {"", kCallBoxCueText}) {
    bench.callBox = call;
    files.saveScriptWithCall();
  }
  EXPECT_TRUE(desktop.dialogs.empty());
  ASSERT_EQ(2u, bench.messages.size());
  EXPECT_EQ(kMissingCallMessage, bench.messages[1].text);
  EXPECT_EQ(MessageIcon::Error, bench.messages[1].icon);
  EXPECT_EQ(Control::CallBox, bench.focusHistory.back());
}

TEST_F(ScriptFilesTest, FailedSaveTellsWhichFileAndWhy) {
  bench.memoryEditor.setText("script");
  answer(dir.string());  // a directory chosen
  files.saveScriptFile();
  ASSERT_EQ(1u, bench.messages.size());
  EXPECT_EQ("文件保存失败：" + dir.string() + "\r\n选择的是一个文件夹，脚本没有保存。",
            bench.messages[0].text);
  EXPECT_EQ("信息：", bench.messages[0].title);
  EXPECT_EQ(MessageIcon::Error, bench.messages[0].icon);

  if (fs::exists("/dev/full")) {
    bench.callBox = "test(1,2)";
    answer("/dev/full");
    files.saveScriptWithCall();
    ASSERT_EQ(2u, bench.messages.size());
    EXPECT_EQ("文件保存失败：/dev/full\r\n磁盘空间不足，脚本没有保存。", bench.messages[1].text);
  }

  answer(path("no/such/folder/x.js"));
  files.saveScriptFile();
  ASSERT_EQ(3u, bench.messages.size());
  EXPECT_NE(std::string::npos, bench.messages[2].text.find("文件夹不存在"));
}

TEST_F(ScriptFilesTest, FailureMessageShowsANonAsciiPathAsGbk) {
  // File names arrive as UTF-8 on this platform; the message box takes GBK.
  const std::string message =
      saveFailedMessage("/tmp/\xE8\x84\x9A\xE6\x9C\xAC.js", std::make_error_code(std::errc::permission_denied));
  EXPECT_EQ("文件保存失败：/tmp/脚本.js\r\n没有写入权限，脚本没有保存。", message);
}

TEST(NewWindow, StartsTheOwnExecutableByItsFullPath) {
  HeadlessDesktop desktop;
  desktop.directory = "/opt/jsdebug/bin";
  openNewWindow(desktop);
  ASSERT_EQ(1u, desktop.started.size());
  EXPECT_EQ("/opt/jsdebug/bin/jsdebug", desktop.started[0]);
}

}  // namespace
}  // namespace jsdebug::workflow
