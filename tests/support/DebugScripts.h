#pragma once
// The script the 调试运行 tests step through, headless and in the window, with its line numbers:
// a call into another function, an object local, recursion, a throw caught a frame up, and a
// loop that never ends.

namespace jsdebug::testsupport {

inline constexpr const char* kDebugScript =
    "function add(a, b) {\r\n"       // 1
    "  var s = a + b;\r\n"           // 2
    "  return s;\r\n"                // 3
    "}\r\n"                          // 4
    "\r\n"                           // 5
    "function test(x, y) {\r\n"      // 6
    "  var o = {k: 1};\r\n"          // 7
    "  var r = add(x, y);\r\n"       // 8
    "  r = r * 2;\r\n"               // 9
    "  return r;\r\n"                // 10
    "}\r\n"                          // 11
    "function fact(n) {\r\n"         // 12
    "  if (n <= 1) return 1;\r\n"    // 13
    "  return n * fact(n - 1);\r\n"  // 14
    "}\r\n"                          // 15
    "function boom(v) {\r\n"         // 16
    "  var t = v.x.y;\r\n"           // 17
    "  return t;\r\n"                // 18
    "}\r\n"                          // 19
    "function safe(v) {\r\n"         // 20
    "  try {\r\n"                    // 21
    "    return boom(v);\r\n"        // 22
    "  } catch (e) {\r\n"            // 23
    "    return 'caught';\r\n"       // 24
    "  }\r\n"                        // 25
    "}\r\n"                          // 26
    "function spin() {\r\n"          // 27
    "  var i = 0;\r\n"               // 28
    "  while (true) { i++; }\r\n"    // 29
    "}\r\n";                         // 30

}  // namespace jsdebug::testsupport
