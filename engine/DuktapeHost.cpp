#include "engine/DuktapeHost.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "duktape.h"
#include "engine/DebugTransport.h"
#include "engine/DuktapeBrowser.h"
#include "engine/DuktapeError.h"
#include "engine/VariantText.h"
#include "engine/jscript/Errors.h"
#include "engine/jscript/Grammar.h"
#include "engine/jscript/Profile.h"
#include "platform/Ticks.h"
#include "text/Codec.h"

// Duktape unwinds script errors with longjmp. Code that runs inside the engine (the callbacks
// handed to duk_safe_call below) therefore keeps no C++ object with a destructor alive across a
// Duktape call, and every conversion into std::string happens after the engine has returned.

namespace jsdebug::engine {
namespace {

// The per-heap deadline Duktape's interrupt checks. Ticks wrap, so the check compares elapsed
// time in unsigned arithmetic.
struct Deadline {
  bool armed = false;
  bool fired = false;
  std::uint32_t start = 0;
  std::uint32_t limit = 0;
  std::uint64_t cpuStart = 0;

  // True once the limit has passed since the entry began.
  bool over() const { return armed && platform::tickCount() - start >= limit; }

  // The same, and the entry counts as stopped by the limit from now on.
  bool passed() {
    if (!over()) return false;
    fired = true;
    return true;
  }

  // True once the thread has spent the limit plus `grace` milliseconds of processor time
  // since the entry began.
  bool spent(std::uint64_t grace) {
    if (!armed || threadCpuMs() - cpuStart < limit + grace) return false;
    fired = true;
    return true;
  }

  static std::uint64_t threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u +
           static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
  }
};

std::size_t defaultHeapLimit = kDefaultHeapLimitBytes;
void (*busyHook)() = nullptr;
// The hook paints the window: only runs on the thread that set it may call it (a debugged run
// is on a worker of its own).
std::thread::id busyThread;

// What the heap's udata points at: the deadline and the memory the heap holds. Every block
// carries its size in a header, so that a free or a shrinking realloc can be counted.
struct HeapState {
  Deadline deadline;
  std::size_t used = 0;
  std::size_t limit = defaultHeapLimit;
  unsigned calls = 0;
  bool refusing = false;  // the deadline is well past: every allocation fails
  void* mainThread = nullptr;           // the heap's own thread (coroutines come and go)
  duk_int_t* countdown = nullptr;  // its count of instructions to the executor's next check
  BrowserState* browser = nullptr;  // the host's, for the names the engine reports missing
  DebugTransport* debugger = nullptr;  // the attached session, if any
  bool stopped = false;                // the session asked the script to stop
  // While the debugger evaluates an expression in the paused script, the script's own deadline
  // waits here and the evaluation runs under a fresh one.
  struct Evaluation {
    bool active = false;
    Deadline deadline;
    bool refusing = false;
    std::uint32_t began = 0;
    std::uint64_t cpuBegan = 0;
  } evaluation;
  bool adopted = false;  // a host runs scripts on it (a heap still being prepared does not)
};

constexpr std::size_t kHeader = alignof(std::max_align_t);

// A native that runs long without returning to the executor (a join or sort over a large
// array) is out of reach of the executor's check. Such natives allocate as they go: once the
// script has used up its time and a grace beyond, every allocation fails, so the script
// unwinds. The grace leaves the ordinary case to the executor, whose error names the line that
// was running (an error made while allocations fail has no line). Processor time rather than
// the clock: the compiler cannot be stopped by the executor either, and a large script that
// compiles in its time on an idle machine must not fail on a busy one. Reading the clock on
// every 16th call keeps the check cheap beside the allocation.
constexpr std::uint64_t kAllocatorGraceMs = 500;

bool refuseForDeadline(HeapState& heap) {
  if (!heap.deadline.armed) return false;
  if (heap.refusing) return true;
  if ((++heap.calls & 15u) != 0) return false;
  // A thread cannot spend more processor time than the clock has run since the same start, so
  // before the deadline there is nothing to ask the processor-time clock, which unlike the
  // monotonic one is a system call (it was a fifth of a beautify).
  if (!heap.deadline.over()) return false;
  // Past the deadline, the executor is to check as soon as it runs again.
  if (heap.countdown) *heap.countdown = 0;
  heap.refusing = heap.deadline.spent(kAllocatorGraceMs);
  return heap.refusing;
}

void* heapAlloc(void* udata, duk_size_t size) {
  auto& heap = *static_cast<HeapState*>(udata);
  if (refuseForDeadline(heap) || size > heap.limit - heap.used ||
      size > SIZE_MAX - kHeader)
    return nullptr;
  auto* block = static_cast<unsigned char*>(std::malloc(kHeader + size));
  if (!block) return nullptr;
  std::memcpy(block, &size, sizeof size);
  heap.used += size;
  return block + kHeader;
}

void heapFree(void* udata, void* ptr) {
  if (!ptr) return;
  auto& heap = *static_cast<HeapState*>(udata);
  unsigned char* block = static_cast<unsigned char*>(ptr) - kHeader;
  std::size_t size = 0;
  std::memcpy(&size, block, sizeof size);
  heap.used -= size;
  std::free(block);
}

void* heapRealloc(void* udata, void* ptr, duk_size_t size) {
  if (!ptr) return heapAlloc(udata, size);
  auto& heap = *static_cast<HeapState*>(udata);
  if (size == 0) {
    heapFree(udata, ptr);
    return nullptr;
  }
  unsigned char* block = static_cast<unsigned char*>(ptr) - kHeader;
  std::size_t old = 0;
  std::memcpy(&old, block, sizeof old);
  if (size > old && (refuseForDeadline(heap) || size - old > heap.limit - heap.used ||
                     size > SIZE_MAX - kHeader))
    return nullptr;
  auto* grown = static_cast<unsigned char*>(std::realloc(block, kHeader + size));
  if (!grown) return nullptr;
  std::memcpy(grown, &size, sizeof size);
  heap.used = heap.used - old + size;
  return grown + kHeader;
}

// Arms the deadline for one entry into the engine; a limit of 0 or less means none.
class DeadlineScope {
 public:
  DeadlineScope(Deadline& deadline, int milliseconds) : deadline_(deadline) {
    deadline_.fired = false;
    deadline_.armed = milliseconds > 0;
    deadline_.start = platform::tickCount();
    deadline_.limit = static_cast<std::uint32_t>(milliseconds);
    deadline_.cpuStart = Deadline::threadCpuMs();
  }
  ~DeadlineScope() { disarm(); }
  // Reading the error after the script stopped must be able to allocate again.
  void disarm() { deadline_.armed = false; }
  DeadlineScope(const DeadlineScope&) = delete;
  DeadlineScope& operator=(const DeadlineScope&) = delete;

 private:
  Deadline& deadline_;
};

// Every entry into the engine is protected, so this runs only on an internal inconsistency of
// the engine; there is no state left that could be reported to the script's caller.
void onFatal(void* /*udata*/, const char* message) {
  std::fprintf(stderr, "jsdebug: script engine fatal error: %s\n", message ? message : "");
  std::fflush(stderr);
  std::abort();
}

// A heap with the JScript profile on it and the state its allocator counts in, not yet any
// host's. The state lives on the free store: the heap keeps its address as udata.
struct PreparedHeap {
  std::unique_ptr<HeapState> state;
  duk_context* ctx = nullptr;

  PreparedHeap() = default;
  PreparedHeap(std::unique_ptr<HeapState> s, duk_context* c) : state(std::move(s)), ctx(c) {}
  // A heap has one owner: the one moved from holds none.
  PreparedHeap(PreparedHeap&& other) noexcept
      : state(std::move(other.state)), ctx(std::exchange(other.ctx, nullptr)) {}
  PreparedHeap& operator=(PreparedHeap&& other) noexcept {
    state = std::move(other.state);
    ctx = std::exchange(other.ctx, nullptr);
    return *this;
  }
};

PreparedHeap prepareHeap() {
  PreparedHeap heap;
  heap.state = std::make_unique<HeapState>();
  heap.ctx = duk_create_heap(heapAlloc, heapRealloc, heapFree, heap.state.get(), onFatal);
  heap.state->mainThread = heap.ctx;
  if (heap.ctx) {
    jscript::installErrorHooks(heap.ctx);
    jscript::installProfile(heap.ctx);
  }
  return heap;
}

void discardHeap(PreparedHeap& heap) {
  if (heap.ctx) duk_destroy_heap(heap.ctx);
  heap.ctx = nullptr;
  heap.state.reset();
}

// Most of a reset is building the next heap and its profile, and destroying the last one. A host
// that has been reset once is one the user runs calls on, so from then on its next heap is built
// on a thread of its own while the user reads the result, and the heap a reset lets go of is
// destroyed there: a reset is then a swap. Each heap is still built from nothing, and no heap is
// used by two threads at once.
class HeapPreparer {
 public:
  HeapPreparer() : worker_([this] { work(); }) {}
  ~HeapPreparer() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
    discardHeap(spare_);
    discardHeap(retired_);
  }
  HeapPreparer(const HeapPreparer&) = delete;
  HeapPreparer& operator=(const HeapPreparer&) = delete;

  // The prepared heap for `old`, which the worker destroys. None while the spare is still being
  // built: on a busy machine the worker may not have run yet, and the caller building a heap
  // itself costs no more than a reset did before; the worker's heap serves the next reset.
  PreparedHeap exchange(PreparedHeap old) {
    std::unique_lock<std::mutex> lock(mutex_);
    PreparedHeap taken;
    if (spareReady_) {
      taken = std::move(spare_);
      spareReady_ = false;
    }
    discardLater(std::move(old), lock);
    wake_.notify_one();
    return taken;
  }

 private:
  // A heap retired before the worker got to the previous one is destroyed here, on the caller's
  // thread, rather than kept waiting.
  void discardLater(PreparedHeap old, std::unique_lock<std::mutex>& lock) {
    PreparedHeap earlier = std::move(retired_);
    retired_ = std::move(old);
    if (earlier.ctx) {
      lock.unlock();
      discardHeap(earlier);
      lock.lock();
    }
  }

  void work() {
    std::unique_lock<std::mutex> lock(mutex_);
    bool first = true;
    for (;;) {
      wake_.wait(lock, [this] { return stopping_ || !spareReady_ || retired_.ctx; });
      if (stopping_) return;
      // Not at once: the reset that woke the worker is for a run the user is waiting on, and on
      // a busy machine a thread just woken takes the processor from it. The heap is wanted at
      // the next reset, after the user has read this run's result.
      if (!first && wake_.wait_for(lock, kSettle, [this] { return stopping_; })) return;
      first = false;
      const bool build = !spareReady_;
      lock.unlock();
      PreparedHeap fresh;
      if (build) fresh = prepareHeap();
      lock.lock();
      if (build) {
        spare_ = std::move(fresh);
        spareReady_ = true;
      }
      PreparedHeap old = std::move(retired_);
      lock.unlock();
      discardHeap(old);
      lock.lock();
    }
  }

  static constexpr std::chrono::milliseconds kSettle{30};

  std::mutex mutex_;
  std::condition_variable wake_;  // the worker: a heap to build or to destroy, or stop
  PreparedHeap spare_;
  bool spareReady_ = false;
  PreparedHeap retired_;
  bool stopping_ = false;
  std::thread worker_;  // last: it starts on the members above
};

constexpr const char* kEvalFileName = "eval";

std::string unitFileName(std::size_t index) {
  return index == 0 ? kFirstUnitFileName : "script" + std::to_string(index + 1) + ".js";
}

std::string fromEngine(duk_context* ctx, duk_idx_t index) {
  duk_size_t length = 0;
  const char* s = duk_get_lstring(ctx, index, &length);
  return s ? gbk::fromCesu8(std::string_view(s, length)) : std::string();
}

// ---- Callbacks run inside duk_safe_call -------------------------------------------------------

struct CompileAndRun {
  const std::string* source;   // UTF-8
  const char* fileName;
  duk_uint_t flags;            // DUK_COMPILE_EVAL for an expression, 0 for a program
  bool compiled;
};

// Leaves the value as a primitive the caller can read without running script code: objects
// go through their string conversion here, where a throwing toString is still caught.
void primitiveForText(duk_context* ctx) {
  /* [ ... value ] */
  if (!duk_check_type_mask(ctx, -1,
                           DUK_TYPE_MASK_UNDEFINED | DUK_TYPE_MASK_NULL | DUK_TYPE_MASK_BOOLEAN |
                               DUK_TYPE_MASK_NUMBER | DUK_TYPE_MASK_STRING))
    duk_to_string(ctx, -1);
  /* [ ... primitive ] */
}

duk_ret_t compileAndRun(duk_context* ctx, void* udata) {
  auto* job = static_cast<CompileAndRun*>(udata);
  /* [ ] */
  jscript::rememberSource(ctx, job->fileName, job->source->data(), job->source->size());
  duk_push_lstring(ctx, job->source->data(), job->source->size());
  duk_push_string(ctx, job->fileName);
  /* [ source fileName ] */
  duk_compile(ctx, job->flags);
  job->compiled = true;
  /* [ fn ] */
  duk_call(ctx, 0);
  /* [ value ] */
  primitiveForText(ctx);
  return 1;
}

struct CallProcedure {
  const std::string* name;                  // UTF-8
  const std::vector<ScriptValue>* args;
  const std::vector<std::string>* strings;  // UTF-8 text of each string argument, in order
};

duk_ret_t callProcedure(duk_context* ctx, void* udata) {
  auto* job = static_cast<CallProcedure*>(udata);
  /* [ ] */
  // Asked with `in` first, as the name a script uses bare: the browser environment lists a
  // missing one once, under that name, not also as a property read of the global object.
  duk_push_global_object(ctx);
  duk_push_lstring(ctx, job->name->data(), job->name->size());
  if (!duk_has_prop(ctx, -2)) {
    duk_push_error_object(ctx, DUK_ERR_REFERENCE_ERROR, "identifier '%s' undefined",
                          job->name->c_str());
    duk_throw(ctx);
  }
  /* [ global ] */
  duk_get_prop_lstring(ctx, -1, job->name->data(), job->name->size());
  duk_remove(ctx, -2);
  /* [ fn ] */
  std::size_t nextString = 0;
  for (const ScriptValue& arg : *job->args) {
    if (const auto* d = std::get_if<double>(&arg)) {
      duk_push_number(ctx, *d);
    } else if (const auto* b = std::get_if<bool>(&arg)) {
      duk_push_boolean(ctx, *b);
    } else if (std::holds_alternative<std::string>(arg)) {
      const std::string& s = (*job->strings)[nextString++];
      duk_push_lstring(ctx, s.data(), s.size());
    } else {
      duk_push_undefined(ctx);
    }
  }
  /* [ fn arg0 ... argN-1 ] */
  duk_call(ctx, static_cast<duk_idx_t>(job->args->size()));
  /* [ value ] */
  primitiveForText(ctx);
  return 1;
}

// [ err ] -> [ name message fileName lineNumber stack number description isError frames ],
// each a primitive. An object thrown that is no error still gives its own number and
// description, as JScript reads them; number is undefined and description null where there is
// none.
duk_ret_t readErrorFields(duk_context* ctx, void* /*udata*/) {
  bool isError = duk_is_error(ctx, 0);
  bool framed = false;
  if (isError) {
    duk_get_prop_string(ctx, 0, "name");
    duk_to_string(ctx, -1);
    duk_get_prop_string(ctx, 0, "message");
    duk_to_string(ctx, -1);
    duk_get_prop_string(ctx, 0, "fileName");
    duk_to_string(ctx, -1);
    duk_get_prop_string(ctx, 0, "lineNumber");
    duk_to_number(ctx, -1);
    duk_get_prop_string(ctx, 0, "stack");
    duk_to_string(ctx, -1);
  } else {
    duk_push_string(ctx, "");
    duk_dup(ctx, 0);
    duk_to_string(ctx, -1);
    framed = jscript::whereThrown(ctx, 0);
    if (!framed) {
      duk_push_string(ctx, "");
      duk_push_int(ctx, 0);
    } else {
      duk_insert(ctx, 1);  // the frames go last
    }
    duk_push_string(ctx, "");
  }
  if (duk_is_object(ctx, 0)) {
    duk_get_prop_string(ctx, 0, "number");
    if (!duk_is_number(ctx, -1)) {
      duk_pop(ctx);
      duk_push_undefined(ctx);
    }
    duk_get_prop_string(ctx, 0, "description");
    if (duk_is_undefined(ctx, -1)) {
      duk_pop(ctx);
      duk_push_null(ctx);
    } else {
      duk_to_string(ctx, -1);
    }
  } else {
    duk_push_undefined(ctx);
    duk_push_null(ctx);
  }
  duk_push_boolean(ctx, isError);
  if (framed) {
    duk_pull(ctx, 1);
  } else {
    jscript::pushFrameStatements(ctx, 0);
  }
  /* [ err name message fileName lineNumber stack number description isError frames ] */
  return 9;
}

// "offset<TAB>fileName<LF>" per frame, as pushFrameStatements writes them.
std::vector<FrameStatement> parseFrames(std::string_view text) {
  std::vector<FrameStatement> frames;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    FrameStatement frame;
    frame.offset = std::strtol(std::string(line.substr(0, tab)).c_str(), nullptr, 10);
    frame.fileName = std::string(line.substr(tab + 1));
    frames.push_back(std::move(frame));
  }
  return frames;
}

// The text for the engine, in UTF-8, and where each statement starts in it. The statements start
// on character boundaries, so converting the pieces between them converts the whole text.
std::string engineText(const jscript::CheckedSource& checked, std::vector<std::size_t>& offsets) {
  std::string_view code = checked.code;
  std::string utf8;
  std::size_t converted = 0;
  offsets.clear();
  offsets.reserve(checked.statements.size());
  for (const jscript::StatementSpan& span : checked.statements) {
    std::size_t at = std::min(span.codeOffset, code.size());
    if (at > converted) {
      utf8 += gbk::toUtf8(code.substr(converted, at - converted));
      converted = at;
    }
    offsets.push_back(utf8.size());
  }
  utf8 += gbk::toUtf8(code.substr(converted));
  return utf8;
}

// ---- The debugger's transport -----------------------------------------------------------------

// Time spent waiting in read() is time paused: the script's deadline moves on by it.
duk_size_t debugRead(void* udata, char* buffer, duk_size_t length) {
  auto& heap = *static_cast<HeapState*>(udata);
  if (!heap.debugger) return 0;
  const std::uint32_t before = platform::tickCount();
  const std::size_t n = heap.debugger->read(buffer, length);
  heap.deadline.start += platform::tickCount() - before;
  if (!heap.evaluation.active && heap.debugger->evaluating()) {
    heap.evaluation.active = true;
    heap.evaluation.deadline = heap.deadline;
    heap.evaluation.refusing = heap.refusing;
    heap.evaluation.began = platform::tickCount();
    heap.evaluation.cpuBegan = Deadline::threadCpuMs();
    heap.deadline.fired = false;
    heap.deadline.start = heap.evaluation.began;
    heap.deadline.cpuStart = heap.evaluation.cpuBegan;
    heap.refusing = false;
  }
  return n;
}

// The first write after an evaluation began is its reply: the evaluation is over, and the
// paused script gets its deadline back, moved on by the evaluation's time.
duk_size_t debugWrite(void* udata, const char* data, duk_size_t length) {
  auto& heap = *static_cast<HeapState*>(udata);
  if (!heap.debugger) return 0;
  if (heap.evaluation.active) {
    const bool timedOut = heap.deadline.fired;
    HeapState::Evaluation& e = heap.evaluation;
    heap.deadline = e.deadline;
    heap.deadline.start += platform::tickCount() - e.began;
    heap.deadline.cpuStart += Deadline::threadCpuMs() - e.cpuBegan;
    heap.refusing = e.refusing;
    e.active = false;
    heap.debugger->evaluationEnded(timedOut, static_cast<int>(heap.deadline.limit));
  }
  return heap.debugger->write(data, length);
}

duk_size_t debugPeek(void* udata) {
  auto& heap = *static_cast<HeapState*>(udata);
  return heap.debugger ? heap.debugger->peek() : 0;
}

// The session stays known after the engine let go of it: its stop request still ends the run.
void debugDetached(duk_context* /*ctx*/, void* udata) {
  auto& heap = *static_cast<HeapState*>(udata);
  if (heap.debugger) heap.debugger->detached();
}

duk_ret_t attachTransport(duk_context* ctx, void* udata) {
  duk_debugger_attach(ctx, debugRead, debugWrite, debugPeek, nullptr, nullptr, nullptr,
                      debugDetached, udata);
  return 0;
}

// ---- The host ---------------------------------------------------------------------------------

class DuktapeHost final : public ScriptHost {
 public:
  DuktapeHost() { createHeap(); }
  ~DuktapeHost() override {
    preparer_.reset();
    if (ctx_) duk_destroy_heap(ctx_);
  }
  DuktapeHost(const DuktapeHost&) = delete;
  DuktapeHost& operator=(const DuktapeHost&) = delete;

  bool started() const { return ctx_ != nullptr; }

  // One engine serves every language name the control accepts; nothing depends on the name.
  void setLanguage(const std::string&) override {}
  void setTimeout(int milliseconds) override { timeoutMs_ = milliseconds; }

  void addCode(const std::string& code) override {
    jscript::CheckedSource checked =
        jscript::checkSource(code, jscript::SourceKind::Program, conditional_);
    if (!checked.ok) {
      units_.push_back({unitFileName(units_.size()), code, {}, {}});
      error_ = grammarError(checked.error);
      return;
    }
    std::vector<std::size_t> offsets;
    std::string source = engineText(checked, offsets);
    units_.push_back(
        {unitFileName(units_.size()), code, std::move(checked.statements), std::move(offsets)});
    CompileAndRun job{&source, units_.back().fileName.c_str(), 0, false};
    enter(compileAndRun, &job, job.compiled, nullptr);
  }

  std::string eval(const std::string& expression) override {
    jscript::CheckedSource checked =
        jscript::checkSource(expression, jscript::SourceKind::Expression, conditional_);
    if (!checked.ok) {
      error_ = grammarError(checked.error);
      return {};
    }
    std::vector<std::size_t> offsets;
    std::string source = engineText(checked, offsets);
    CompileAndRun job{&source, kEvalFileName, DUK_COMPILE_EVAL, false};
    SourceUnit evaluated{kEvalFileName, expression, std::move(checked.statements),
                         std::move(offsets)};
    std::string result;
    enter(compileAndRun, &job, job.compiled, &evaluated, &result);
    return result;
  }

  std::string run(const std::string& procedure, const std::vector<ScriptValue>& args) override {
    std::string name = gbk::toUtf8(procedure);
    std::vector<std::string> strings;
    for (const ScriptValue& arg : args)
      if (const auto* s = std::get_if<std::string>(&arg)) strings.push_back(gbk::toUtf8(*s));
    CallProcedure job{&name, &args, &strings};
    bool compiled = true;  // nothing to compile: every failure is a run-time error
    std::string result;
    enter(callProcedure, &job, compiled, nullptr, &result);
    return result;
  }

  void reset() override {
    PreparedHeap old{std::move(heap_), ctx_};
    ctx_ = nullptr;
    if (old.state) old.state->browser = nullptr;
    // The old heap goes away on another thread: it lets go of the session here.
    if (old.state && old.state->debugger && old.ctx) duk_debugger_detach(old.ctx);
    if (old.state) old.state->debugger = nullptr;
    units_.clear();
    conditional_ = {};
    browser_ = BrowserState();
    if (!preparer_) {
      discardHeap(old);
      createHeap();
      preparer_ = std::make_unique<HeapPreparer>();
      return;
    }
    adopt(preparer_->exchange(std::move(old)));
  }

  ScriptError error() override { return error_; }

  bool canPause() const override { return true; }

  bool attachDebugger(DebugTransport* transport) override {
    if (!ctx_ || !heap_) return false;
    if (heap_->debugger) duk_debugger_detach(ctx_);  // harmless when the engine let go already
    heap_->debugger = nullptr;
    heap_->stopped = false;
    if (!transport) return true;
    heap_->debugger = transport;
    /* [ ] */
    if (duk_safe_call(ctx_, attachTransport, heap_.get(), 0, 1) != DUK_EXEC_SUCCESS) {
      heap_->debugger = nullptr;
      duk_pop(ctx_);
      return false;
    }
    duk_pop(ctx_);
    /* [ ] */
    return true;
  }

  bool installBrowserEnvironment(const std::string& location) override {
    if (!ctx_) return false;
    std::string utf8 = gbk::toUtf8(location);
    InstallEnvironment job{&browser_, &utf8};
    const bool compiled = true;
    std::lock_guard<std::mutex> lock(environmentBytecodeLock());
    enter(installEnvironment, &job, compiled, nullptr);
    return browser_.installed;
  }

  // The error object stays the call's unless the callbacks ran out of time.
  void runTimers() override {
    if (!ctx_ || !browser_.installed) return;
    ScriptError before = error_;
    const bool compiled = true;
    enter(runDueTimers, nullptr, compiled, nullptr);
    if (error_.Number == "0" || before.Number != "0") error_ = before;
  }

  BrowserNotes takeBrowserNotes() override {
    if (ctx_ && browser_.installed) {
      /* [ ] */
      duk_safe_call(ctx_, readDropped, nullptr, 0, 1);
      duk_pop(ctx_);
    }
    BrowserNotes notes = std::move(browser_.notes);
    browser_.notes.clear();
    return notes;
  }

 private:
  void createHeap() { adopt(prepareHeap()); }

  void adopt(PreparedHeap heap) {
    if (!heap.ctx) {
      // No spare yet, or it could not be had (memory was short then): a heap made here and now.
      discardHeap(heap);
      heap = prepareHeap();
    }
    heap_ = std::move(heap.state);
    ctx_ = heap.ctx;
    if (heap_) {
      // The cap in force now, which may have changed while the heap waited.
      heap_->limit = std::max(defaultHeapLimit, heap_->used);
      heap_->browser = &browser_;
      heap_->adopted = true;
    }
    error_ = noScriptError();
  }

  // Runs one protected entry into the engine and records its outcome in error_. `compiled` is
  // set by the job once its code compiled; `evaluated` is the expression's unit, so that an
  // error raised in the expression itself can name its line.
  void enter(duk_safe_call_function job, void* udata, const bool& compiled,
             const SourceUnit* evaluated, std::string* result = nullptr) {
    if (!ctx_) {
      RawScriptError raw;
      raw.isErrorObject = true;
      raw.message = "alloc failed";
      error_ = describeScriptError(raw, units_, timeoutMs_);
      return;
    }
    heap_->refusing = false;
    DeadlineScope scope(heap_->deadline, timeoutMs_);
    /* [ ] */
    duk_int_t rc = duk_safe_call(ctx_, job, udata, 0, 1);
    scope.disarm();
    heap_->refusing = false;
    if (rc == DUK_EXEC_SUCCESS && heap_->deadline.fired) {
      // The script caught what the deadline made fail and finished anyway: it still ran past
      // the limit, and its value may be what the failure left behind.
      RawScriptError raw;
      raw.timedOut = true;
      error_ = describeScriptError(raw, units_, timeoutMs_);
    } else if (rc == DUK_EXEC_SUCCESS) {
      /* [ value ] */
      if (result) *result = valueText(-1);
      error_ = noScriptError();
    } else {
      /* [ err ] */
      RawScriptError raw = readError(!compiled);
      if (evaluated) units_.push_back(*evaluated);
      noteMissingFromError(browser_, raw);
      error_ = describeScriptError(raw, units_, timeoutMs_);
      if (evaluated) units_.pop_back();
    }
    duk_pop(ctx_);
    /* [ ] */
  }

  // The value at index as text; it is a primitive by now, so nothing here runs script code.
  std::string valueText(duk_idx_t index) {
    switch (duk_get_type(ctx_, index)) {
      case DUK_TYPE_STRING:
        return fromEngine(ctx_, index);
      case DUK_TYPE_NUMBER:
        return numberToVariantText(duk_get_number(ctx_, index));
      case DUK_TYPE_BOOLEAN:
        return duk_get_boolean(ctx_, index) ? "-1" : "0";
      default:  // undefined, null, and what has no text (a buffer or pointer from native code)
        return {};
    }
  }

  RawScriptError readError(bool compiling) {
    RawScriptError raw;
    raw.compiling = compiling;
    /* [ err ] */
    duk_dup_top(ctx_);
    /* [ err err ] */
    if (duk_safe_call(ctx_, readErrorFields, nullptr, 1, 9) == DUK_EXEC_SUCCESS) {
      /* [ err name message fileName lineNumber stack number description isError frames ] */
      raw.name = fromEngine(ctx_, -9);
      raw.message = fromEngine(ctx_, -8);
      raw.fileName = fromEngine(ctx_, -7);
      double line = duk_get_number(ctx_, -6);
      raw.lineNumber = line >= 1 && line <= 1e9 ? static_cast<int>(line) : 0;
      raw.stack = fromEngine(ctx_, -5);
      raw.hasNumber = duk_is_number(ctx_, -4);
      raw.number = raw.hasNumber ? duk_get_number(ctx_, -4) : 0;
      raw.hasDescription = duk_is_string(ctx_, -3);
      raw.description = fromEngine(ctx_, -3);
      raw.isErrorObject = duk_get_boolean(ctx_, -2);
      raw.frames = parseFrames(fromEngine(ctx_, -1));
    } else {
      // The error's own properties threw (a script can replace them): fall back to a text
      // that cannot fail.
      /* [ err failure undefined*8 ] */
      duk_safe_to_string(ctx_, -10);
      raw.message = fromEngine(ctx_, -10);
      raw.isErrorObject = true;
    }
    duk_pop_n(ctx_, 9);
    /* [ err ] */
    // Past the deadline, whatever unwound the script (the executor's check, or an allocation
    // refused by it) is the time limit's doing.
    raw.timedOut = heap_->deadline.fired;
    raw.stopped = heap_->stopped;
    return raw;
  }

  std::unique_ptr<HeapState> heap_;  // the heap's allocator uses it until the heap is gone
  duk_context* ctx_ = nullptr;
  std::unique_ptr<HeapPreparer> preparer_;  // from the first reset on
  int timeoutMs_ = kDefaultTimeoutMs;
  std::vector<SourceUnit> units_;  // the code added since the last reset
  jscript::ConditionalState conditional_;  // conditional compilation, as the code set it
  BrowserState browser_;
  ScriptError error_ = noScriptError();
};

}  // namespace

void setHeapLimit(std::size_t bytes) { defaultHeapLimit = bytes; }

void setBusyHook(void (*hook)()) {
  busyThread = std::this_thread::get_id();
  busyHook = hook;
}

std::unique_ptr<ScriptHost> createDuktapeHost() {
  auto host = std::make_unique<DuktapeHost>();
  if (!host->started()) return nullptr;
  return host;
}

}  // namespace jsdebug::engine

extern "C" int jsdebug_duk_regexp_check(void* udata, void* thread, duk_int_t* countdown) {
  auto* heap = static_cast<jsdebug::engine::HeapState*>(udata);
  if (!heap || !heap->deadline.armed) return 2;
  return jsdebug_duk_exec_timeout_check(udata, thread, countdown) ? 1 : 0;
}

extern "C" int jsdebug_duk_exec_timeout_check(void* udata, void* thread, duk_int_t* countdown) {
  auto* heap = static_cast<jsdebug::engine::HeapState*>(udata);
  if (!heap) return 0;
  if (thread == heap->mainThread) heap->countdown = countdown;
  if (heap->debugger && !heap->evaluation.active && heap->debugger->stopRequested()) {
    heap->stopped = true;
    heap->deadline.fired = true;
    return 1;
  }
  // Only a host's heap, on the thread that set the hook: a spare is prepared on a thread that
  // must not touch the window, and a debugged run is on a worker of its own.
  if (heap->adopted && jsdebug::engine::busyHook && std::this_thread::get_id() == jsdebug::engine::busyThread)
    jsdebug::engine::busyHook();
  return heap->deadline.passed() ? 1 : 0;
}

extern "C" void jsdebug_duk_missing_name(void* udata, const char* name, duk_size_t length, int member) {
  auto* heap = static_cast<jsdebug::engine::HeapState*>(udata);
  if (!heap || !heap->browser || !heap->browser->installed) return;
  try {
    std::string text = jsdebug::gbk::fromCesu8(std::string_view(name, length));
    jsdebug::engine::noteMissingName(*heap->browser, member ? "window." + text : std::move(text));
  } catch (const std::bad_alloc&) {
    // Running out of memory while noting a name must not unwind through the engine.
  }
}
