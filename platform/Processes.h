#pragma once
// What the system knows about running processes: the start-up probe reports its memory with
// them, and the engine library's tests find the node child with them.

#include <vector>

namespace jsdebug::platform {

// The processes this one has started and not yet reaped, over all its threads.
std::vector<long> childProcesses();

// The resident memory of a process in kilobytes (0 for this one); -1 when it cannot be read.
long residentKilobytes(long pid = 0);

}  // namespace jsdebug::platform
