#pragma once
// Standard input, output and error carry the program's bytes exactly: Windows' C library would
// otherwise turn every "\n" into "\r\n" on the way out (and back on the way in), doubling the
// CR LF line ends of every log block.

namespace jsdebug::platform {

void useBinaryStandardStreams();

}  // namespace jsdebug::platform
