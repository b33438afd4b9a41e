#include "tests/support/SearchHarness.h"
#include "workflow/MemoryEditor.h"

namespace jsdebug::testing {

INSTANTIATE_TEST_SUITE_P(MemoryEditor, SearchTest,
                         ::testing::Values(EditorFactory{
                             "MemoryEditor",
                             [] { return std::make_unique<workflow::MemoryEditor>(); }}),
                         factoryName);

}  // namespace jsdebug::testing
