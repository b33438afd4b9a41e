#include "engine/BrowserEnvironment.h"

#include <cstdlib>

#include "text/Text.h"

namespace jsdebug::engine {
namespace {

long count(const std::string& text) {
  long value = std::strtol(text.c_str(), nullptr, 10);
  return value > 0 ? value : 0;
}

}  // namespace

std::string pageAddress(std::string_view urlBoxText) {
  std::size_t begin = urlBoxText.find_first_not_of(" \t\r\n");
  std::size_t end = urlBoxText.find_last_not_of(" \t\r\n");
  std::string_view url =
      begin == std::string_view::npos ? std::string_view() : urlBoxText.substr(begin, end - begin + 1);
  for (std::string_view scheme : {"http://", "https://"})
    if (text::startsWithIgnoringAsciiCase(url, scheme) && url.size() > scheme.size()) return std::string(url);
  return kDefaultPageAddress;
}

void BrowserNotes::add(int kind, std::string text) {
  switch (kind) {
    case 'L': console.push_back(std::move(text)); break;
    case 'D': droppedLines += count(text); break;
    case 'M': missing.push_back(std::move(text)); break;
    case 'N': droppedMissing += count(text); break;
    case 'T': droppedTimers += count(text); break;
    default: break;  // a kind a newer engine library knows and we do not
  }
}

}  // namespace jsdebug::engine
