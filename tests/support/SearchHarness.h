#pragma once
// The search operations run against any EditorOperations: the in-memory editor and the real
// CodeEditor share these tests through a factory parameter.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "workflow/FindReplace.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/QuickFind.h"

namespace jsdebug::testing {

struct EditorFactory {
  std::string name;
  std::function<std::unique_ptr<workflow::EditorOperations>()> make;
};

// The headless workbench with the editor under test in place of its own.
class SearchWorkbench : public workflow::HeadlessWorkbench {
 public:
  explicit SearchWorkbench(workflow::EditorOperations& editor) : editor_(editor) {}
  workflow::EditorOperations& editor() override { return editor_; }

 private:
  workflow::EditorOperations& editor_;
};

// A find or replace window's controls, as the operations see them.
struct FakePanel : workflow::ReplacePanel {
  std::string find;
  std::string replace;
  bool wholeWord = false, matchCase = false, regExp = false, down = true;
  std::vector<std::string> list;
  // Every always-on-top change, in order.
  std::vector<bool> onTop;

  std::string findBoxText() override { return find; }
  void addFindBoxEntry(const std::string& text) override { list.push_back(text); }
  bool wholeWordChecked() override { return wholeWord; }
  bool matchCaseChecked() override { return matchCase; }
  bool regExpChecked() override { return regExp; }
  bool searchDownChecked() override { return down; }
  void setAlwaysOnTop(bool on) override { onTop.push_back(on); }
  std::string replaceBoxText() override { return replace; }
};

class SearchTest : public ::testing::TestWithParam<EditorFactory> {
 protected:
  SearchTest() : editorPtr(GetParam().make()), editor(*editorPtr), bench(editor) {}

  // The [start, end) of the selection.
  std::pair<int, int> selection() {
    return {editor.getSelectionStart(), editor.getSelectionEnd()};
  }
  std::string lastMessage() const {
    return bench.messages.empty() ? std::string() : bench.messages.back().text;
  }
  // The toolbar's quick find and the find window's "查找下一个", pressed once: the selection
  // after.
  std::pair<int, int> quickFind() {
    workflow::quickFind(bench, quickFindState);
    return selection();
  }
  std::pair<int, int> findNext() {
    workflow::findNext(bench, history, panel);
    return selection();
  }

  std::unique_ptr<workflow::EditorOperations> editorPtr;
  workflow::EditorOperations& editor;
  SearchWorkbench bench;
  FakePanel panel;
  workflow::QuickFindState quickFindState;
  workflow::FindHistory history;
};

inline void PrintTo(const EditorFactory& factory, std::ostream* out) { *out << factory.name; }

inline std::string factoryName(const ::testing::TestParamInfo<EditorFactory>& info) {
  return info.param.name;
}

}  // namespace jsdebug::testing
