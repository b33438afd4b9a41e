#pragma once
// Between the Duktape host and a debugging session: the engine's debug transport, called on the
// script's thread, and what the host's time limit needs to know about it. Nothing here knows
// Duktape's types, so the session stays a plain C++ unit.

#include <cstddef>

namespace jsdebug::engine {

class DebugTransport {
 public:
  virtual ~DebugTransport() = default;

  // Bytes for the engine. Blocks while the script is paused and nothing is queued; 0 ends the
  // connection (the engine then detaches and runs on).
  virtual std::size_t read(char* buffer, std::size_t length) = 0;
  // Bytes from the engine: replies and notifications.
  virtual std::size_t write(const char* data, std::size_t length) = 0;
  // How many bytes read() would hand over without blocking.
  virtual std::size_t peek() = 0;
  // The engine let go of the transport (detached, or its heap went away).
  virtual void detached() = 0;

  // Asked at the host's periodic check: the script is to stop as if its time had run out.
  virtual bool stopRequested() const = 0;
  // True from the moment read() handed over an evaluation request until evaluationEnded: the
  // host gives an evaluation a time limit of its own and leaves the paused script's alone.
  virtual bool evaluating() const = 0;
  virtual void evaluationEnded(bool timedOut, int timeoutMs) = 0;
};

}  // namespace jsdebug::engine
