// An engine library that lacks ExecJavaScriptV8: the program starts, the first run must end it.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) std::intptr_t InitializeV8(const char*) noexcept {
  return 7;
}
