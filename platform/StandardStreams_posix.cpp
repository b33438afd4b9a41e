#include "platform/StandardStreams.h"

namespace jsdebug::platform {

void useBinaryStandardStreams() {}  // POSIX streams never translate

}  // namespace jsdebug::platform
