#pragma once
// What reading a script asks of the system, beside the C library.

#include <cstddef>

namespace jsdebug::platform::detail {

// A script of many megabytes is touched page by page as it is read; in large pages that is a
// few hundred faults instead of tens of thousands. Only a hint; nothing where there is none.
void preferLargePages(char* data, std::size_t size);

}  // namespace jsdebug::platform::detail
