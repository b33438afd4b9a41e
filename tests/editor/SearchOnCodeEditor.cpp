#include "editor/CodeEditor.h"
#include "tests/editor/SearchHarness.h"

namespace jsdebug::testing {

// The widget holds UTF-8 while the operations count GBK bytes: the same cases, through the
// position conversion and Scintilla's own search.
INSTANTIATE_TEST_SUITE_P(CodeEditor, SearchTest,
                         ::testing::Values(EditorFactory{
                             "CodeEditor", [] { return std::make_unique<CodeEditor>(); }}),
                         factoryName);

}  // namespace jsdebug::testing
