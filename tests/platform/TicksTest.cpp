#include "platform/Ticks.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(Ticks, AdvanceInMilliseconds) {
  std::uint32_t start = jsdebug::platform::tickCount();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  std::uint32_t elapsed = jsdebug::platform::tickCount() - start;
  // Only the lower bound is safe on a busy machine.
  EXPECT_GE(elapsed, 29u);
}

}  // namespace
