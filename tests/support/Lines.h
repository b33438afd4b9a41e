#pragma once
// A text cut at each CR LF, as the program's generated texts are read line by line in tests.

#include <string>
#include <vector>

namespace jsdebug::testsupport {

// The pieces between CR LFs; a text ending in CR LF ends with an empty piece.
inline std::vector<std::string> crlfLines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t crlf; (crlf = text.find("\r\n", start)) != std::string::npos; start = crlf + 2)
    out.push_back(text.substr(start, crlf - start));
  out.push_back(text.substr(start));
  return out;
}

}  // namespace jsdebug::testsupport
