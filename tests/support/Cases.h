#pragma once
// Table-driven checks of a text function: each case an input and the output expected of it,
// compared byte for byte.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace jsdebug::testsupport {

struct Case {
  std::string input;
  std::string output;
};

template <typename Transform>
void expectEach(Transform transform, const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(c.output, transform(c.input)) << c.input;
}

}  // namespace jsdebug::testsupport
