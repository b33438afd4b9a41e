#include "engine/V8Bridge.h"

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "engine/FatalError.h"
#include "platform/Paths.h"
#include "tests/support/TempDir.h"

namespace {

using namespace jsdebug;
using namespace jsdebug::engine;

struct Exited {
  int code;
};

// Captures FatalError's box and turns its exit into an exception for the length of a test.
class FatalErrorCapture {
 public:
  FatalErrorCapture() {
    setFatalErrorBox([this](const std::string& text, const std::string& title) {
      this->text = text;
      this->title = title;
    });
    setFatalErrorExit([](int code) { throw Exited{code}; });
  }
  ~FatalErrorCapture() {
    setFatalErrorBox(nullptr);
    setFatalErrorExit(nullptr);
  }
  std::string text;
  std::string title;
};

std::string fakeDir(const char* name) { return std::string(JSDEBUG_FAKES_DIR) + "/" + name; }

// Reads what the recording engine was given, through its own handle of the same library.
template <typename T>
T recorded(const char* name) {
  void* lib = dlopen((fakeDir("fake-recording") + "/v8.dll").c_str(), RTLD_NOW | RTLD_NOLOAD);
  EXPECT_NE(nullptr, lib);
  auto f = reinterpret_cast<T (*)()>(dlsym(lib, name));
  T value = f();
  dlclose(lib);
  return value;
}

const std::string kMissingInitialize =
    "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“v8.dll”中的输出命令“InitializeV8”\r\n";

TEST(V8Bridge, StartupPathJoinsDirectoryAndFileWithoutSeparator) {
  EXPECT_EQ("/opt/xjsdebug", startupPath("/opt/x/jsdebug"));
  EXPECT_EQ("jsdebug", startupPath("/jsdebug"));
  EXPECT_EQ(platform::programDirectory() + platform::programFileName(), startupPath());
  EXPECT_EQ("v8bridge_tests", platform::programFileName());
}

TEST(V8Bridge, MissingLibraryIsFatalAtStart) {
  FatalErrorCapture capture;
  ExternalFunctionTable table("/nonexistent-directory");
  V8Bridge bridge(table);
  try {
    bridge.initializeV8("/x");
    FAIL() << "initializeV8 returned";
  } catch (const Exited& e) {
    EXPECT_EQ(-1, e.code);
  }
  EXPECT_EQ(kMissingInitialize, capture.text);
  EXPECT_EQ("错误", capture.title);
}

TEST(V8Bridge, LibraryWithoutExecStartsAndDiesAtTheFirstRun) {
  FatalErrorCapture capture;
  ExternalFunctionTable table(fakeDir("fake-only-initialize"));
  V8Bridge bridge(table);
  bridge.initializeV8("/x");
  EXPECT_EQ(7, bridge.context());
  EXPECT_EQ("", capture.text);
  EXPECT_THROW(bridge.executeV8("", "f", "1"), Exited);
  EXPECT_EQ("运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“v8.dll”中的输出命令“ExecJavaScriptV8”\r\n",
            capture.text);
}

TEST(V8Bridge, ExecuteV8KeepsTheContractWithTheEngine) {
  ExternalFunctionTable table(fakeDir("fake-recording"));
  V8Bridge bridge(table);
  bridge.initializeV8("/opt/xjsdebug");
  EXPECT_EQ("/opt/xjsdebug", std::string(recorded<const char*>("RecordedStartupPath")));

  // An engine that writes nothing leaves the spaces.
  EXPECT_EQ(std::string(1024, ' '), bridge.executeV8("var a;", "test", "'abc',123"));
  EXPECT_EQ("var a;", std::string(recorded<const char*>("RecordedScript")));
  EXPECT_EQ("test('abc',123)", std::string(recorded<const char*>("RecordedCall")));
  EXPECT_EQ(1024, recorded<int>("RecordedLength"));
  EXPECT_EQ(4242, recorded<std::intptr_t>("RecordedContext"));
  EXPECT_EQ(std::string(5, ' '), bridge.executeV8("", "f", "", 5));

  // Nothing is quoted, escaped or trimmed.
  bridge.executeV8("", " f", "')|', \"x\"(", 10);
  EXPECT_EQ(" f(')|', \"x\"()", std::string(recorded<const char*>("RecordedCall")));

  // Below 1: no buffer, the length as given, an empty result.
  for (int length : {0, -5}) {
    EXPECT_EQ("", bridge.executeV8("", "f", "", length));
    EXPECT_TRUE(recorded<bool>("RecordedNullBuffer"));
    EXPECT_EQ(length, recorded<int>("RecordedLength"));
  }
  // The result ends at the first NUL.
  EXPECT_EQ("ab", bridge.executeV8("", "nul", "", 10));

  // A library without our own export: the contract's call, nothing beside the result.
  BrowserNotes notes;
  EXPECT_EQ(std::string(16, ' '), bridge.executeV8("var b;", "g", "1", 16, "http://x/", notes));
  EXPECT_EQ("g(1)", std::string(recorded<const char*>("RecordedCall")));
  EXPECT_TRUE(notes.console.empty() && notes.missing.empty());
}

TEST(V8Bridge, Utf8ToGbk) {
  ExternalFunctionTable table("/nonexistent-directory");
  V8Bridge bridge(table);
  EXPECT_EQ("", bridge.utf8ToGbk(""));
  EXPECT_EQ("plain ASCII, 123", bridge.utf8ToGbk("plain ASCII, 123"));
  EXPECT_EQ("\xD6\xD0", bridge.utf8ToGbk("\xE4\xB8\xAD"));
  EXPECT_EQ("中文", bridge.utf8ToGbk("\xE4\xB8\xAD\xE6\x96\x87"));
  // U+0000 ends the text.
  EXPECT_EQ("a", bridge.utf8ToGbk(std::string("a\0b", 3)));
  // Proper GBK is not UTF-8: its Chinese is replaced.
  EXPECT_EQ("??", bridge.utf8ToGbk("\xD6\xD0"));
  // A character GBK lacks.
  EXPECT_EQ("x?", bridge.utf8ToGbk("x\xF0\x9F\x98\x80"));
}

TEST(V8Bridge, ReleasedLibrariesResolveAgain) {
  ExternalFunctionTable table(fakeDir("fake-recording"));
  V8Bridge bridge(table);
  bridge.initializeV8("/a");
  table.releaseLibraries();
  bridge.initializeV8("/b");
  EXPECT_EQ("/b", std::string(recorded<const char*>("RecordedStartupPath")));
}

// A copy the user put beside the program wins over the installed one in the private folder,
// which serves when the program directory has none. The fakes tell themselves apart by the
// context they return: 7 (only InitializeV8) and 4242 (the recording engine).
TEST(V8Bridge, EngineBesideTheProgramThenInThePrivateFolder) {
  namespace fs = std::filesystem;
  struct Row {
    const char* beside;
    const char* inPrivateFolder;
    std::intptr_t context;
  };
  const Row rows[] = {
      {"fake-only-initialize", nullptr, 7},
      {nullptr, "fake-recording", 4242},
      {"fake-only-initialize", "fake-recording", 7},
  };
  for (const Row& row : rows) {
    const testsupport::TempDir root("jsdebug-search-");
    const fs::path bin = root.path() / "bin";
    const fs::path privateDir = bin / privateLibraryDirectory();
    fs::create_directories(bin);
    fs::create_directories(privateDir);
    if (row.beside) fs::copy_file(fakeDir(row.beside) + "/v8.dll", bin / "v8.dll");
    if (row.inPrivateFolder)
      fs::copy_file(fakeDir(row.inPrivateFolder) + "/v8.dll", privateDir / "v8.dll");
    {
      ExternalFunctionTable table(bin.string());
      V8Bridge bridge(table);
      bridge.initializeV8("/x");
      EXPECT_EQ(row.context, bridge.context()) << (row.beside ? row.beside : "-") << " beside";
    }
  }
}

// The real engine library, found next to this test executable as the program finds its own.
TEST(V8Bridge, RealEngineNextToTheExecutable) {
  V8Bridge& bridge = v8Bridge();
  bridge.initializeV8(startupPath());
  EXPECT_EQ("abc123", bridge.executeV8("function test(aa,bb){return aa+bb;}", "test", "'abc',123"));
  EXPECT_EQ("", bridge.executeV8("function test(aa,bb){return aa+bb;}", "test", "'abc',123", 0));
}

}  // namespace
