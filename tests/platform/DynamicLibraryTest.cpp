#include "platform/DynamicLibrary.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/Apartment.h"
#include "platform/CodePages.h"

namespace {

using namespace jsdebug::platform;

// What each system's loader has: a C library to take strlen from, and whether the Windows
// libraries beyond the two the program uses exist (only on Windows, where all are real).
struct LoaderRow {
  const char* cLibrary;
  bool hasGdi32;
};
#ifdef _WIN32
constexpr LoaderRow kLoader{"msvcrt.dll", true};
#else
constexpr LoaderRow kLoader{"libc.so.6", false};
#endif

TEST(DynamicLibrary, SystemLibrariesAreBuiltIn) {
  for (const char* name : {"kernel32.dll", "Kernel32.dll", "KERNEL32", "ole32.dll"}) {
    ModuleHandle m = loadLibrary(name);
    ASSERT_NE(nullptr, m) << name;
    freeLibrary(m);
  }
  ModuleHandle kernel = loadLibrary("kernel32.dll");
  auto convert = reinterpret_cast<decltype(&MultiByteToWideChar)>(
      getProcAddress(kernel, "MultiByteToWideChar"));
  ASSERT_NE(nullptr, convert);
  EXPECT_EQ(3, convert(kCodePageUtf8, 0, "abc", 3, nullptr, 0));
  EXPECT_NE(nullptr, getProcAddress(kernel, "WideCharToMultiByte"));
  EXPECT_EQ(nullptr, getProcAddress(kernel, "CoInitialize")) << "that one lives in ole32";
  EXPECT_EQ(nullptr, getProcAddress(kernel, "multibytetowidechar")) << "export names are exact";
  freeLibrary(kernel);

  // A path is a file, never a built-in module; the other Windows libraries exist only there.
  EXPECT_EQ(nullptr, loadLibrary("/nonexistent/kernel32.dll"));
  ModuleHandle gdi = loadLibrary("gdi32.dll");
  EXPECT_EQ(kLoader.hasGdi32, gdi != nullptr);
  freeLibrary(gdi);
  EXPECT_EQ(nullptr, loadLibrary(""));
}

TEST(DynamicLibrary, OrdinaryLibrariesGoThroughTheLoader) {
  ModuleHandle libc = loadLibrary(kLoader.cLibrary);
  ASSERT_NE(nullptr, libc);
  auto length = reinterpret_cast<decltype(&std::strlen)>(getProcAddress(libc, "strlen"));
  ASSERT_NE(nullptr, length);
  EXPECT_EQ(5u, length("hello"));
  EXPECT_EQ(nullptr, getProcAddress(libc, "NoSuchExport"));
  freeLibrary(libc);
  EXPECT_EQ(nullptr, loadLibrary("no-such-library.dll"));
  EXPECT_EQ(nullptr, getProcAddress(nullptr, "strlen"));
  freeLibrary(nullptr);
}

TEST(Apartment, NestsAndBalancesPerThread) {
  EXPECT_EQ(0, apartmentDepth());
  EXPECT_EQ(kS_OK, CoInitialize(nullptr));
  EXPECT_EQ(kS_FALSE, CoInitialize(nullptr));
  EXPECT_EQ(2, apartmentDepth());
  CoUninitialize();
  CoUninitialize();
  CoUninitialize();  // unbalanced: ignored
  EXPECT_EQ(0, apartmentDepth());
  // A reserved argument is refused by the imitation; the system's own (Wine's) may take it.
  if (!kLoader.hasGdi32) {
    int x = 0;
    EXPECT_NE(kS_OK, CoInitialize(&x));
    EXPECT_EQ(0, apartmentDepth());
  }
}

}  // namespace
