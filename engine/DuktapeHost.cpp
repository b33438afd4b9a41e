#include "engine/DuktapeHost.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "duktape.h"
#include "engine/DuktapeError.h"
#include "engine/VariantText.h"
#include "engine/jscript/Grammar.h"
#include "platform/Ticks.h"
#include "text/Codec.h"

// Duktape unwinds script errors with longjmp. Code that runs inside the engine (the callbacks
// handed to duk_safe_call below) therefore keeps no C++ object with a destructor alive across a
// Duktape call, and every conversion into std::string happens after the engine has returned.

namespace jsdebug::engine {
namespace {

// The per-heap deadline Duktape's interrupt checks; it is the heap's udata. Ticks wrap, so the
// check compares elapsed time in unsigned arithmetic.
struct Deadline {
  bool armed = false;
  bool fired = false;
  std::uint32_t start = 0;
  std::uint32_t limit = 0;
};

// Arms the deadline for one entry into the engine; a limit of 0 or less means none.
class DeadlineScope {
 public:
  DeadlineScope(Deadline& deadline, int milliseconds) : deadline_(deadline) {
    deadline_.fired = false;
    deadline_.armed = milliseconds > 0;
    deadline_.start = platform::tickCount();
    deadline_.limit = static_cast<std::uint32_t>(milliseconds);
  }
  ~DeadlineScope() { deadline_.armed = false; }
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

constexpr const char* kEvalFileName = "eval";

std::string unitFileName(std::size_t index) {
  return index == 0 ? "script.js" : "script" + std::to_string(index + 1) + ".js";
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
  if (!duk_get_global_lstring(ctx, job->name->data(), job->name->size())) {
    duk_push_error_object(ctx, DUK_ERR_REFERENCE_ERROR, "identifier '%s' undefined",
                          job->name->c_str());
    duk_throw(ctx);
  }
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

// [ err ] -> [ name message fileName lineNumber stack isError ], each coerced to a primitive.
duk_ret_t readErrorFields(duk_context* ctx, void* /*udata*/) {
  bool isError = duk_is_error(ctx, 0);
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
    duk_push_string(ctx, "");
    duk_push_int(ctx, 0);
    duk_push_string(ctx, "");
  }
  duk_push_boolean(ctx, isError);
  /* [ err name message fileName lineNumber stack isError ] */
  return 6;
}

// ---- The host ---------------------------------------------------------------------------------

class DuktapeHost final : public ScriptHost {
 public:
  DuktapeHost() { createHeap(); }
  ~DuktapeHost() override {
    if (ctx_) duk_destroy_heap(ctx_);
  }
  DuktapeHost(const DuktapeHost&) = delete;
  DuktapeHost& operator=(const DuktapeHost&) = delete;

  bool started() const { return ctx_ != nullptr; }

  void setLanguage(const std::string& language) override { language_ = language; }
  void setTimeout(int milliseconds) override { timeoutMs_ = milliseconds; }

  void addCode(const std::string& code) override {
    jscript::CheckedSource checked =
        jscript::checkSource(code, jscript::SourceKind::Program, conditional_);
    units_.push_back({unitFileName(units_.size()), code, std::move(checked.statements)});
    if (!checked.ok) {
      error_ = grammarError(checked.error);
      return;
    }
    std::string source = gbk::toUtf8(checked.code);
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
    std::string source = gbk::toUtf8(checked.code);
    CompileAndRun job{&source, kEvalFileName, DUK_COMPILE_EVAL, false};
    SourceUnit evaluated{kEvalFileName, expression, std::move(checked.statements)};
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
    if (ctx_) duk_destroy_heap(ctx_);
    ctx_ = nullptr;
    units_.clear();
    conditional_ = {};
    createHeap();
  }

  ScriptError error() override { return error_; }

 private:
  void createHeap() {
    ctx_ = duk_create_heap(nullptr, nullptr, nullptr, &deadline_, onFatal);
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
    DeadlineScope scope(deadline_, timeoutMs_);
    /* [ ] */
    if (duk_safe_call(ctx_, job, udata, 0, 1) == DUK_EXEC_SUCCESS) {
      /* [ value ] */
      if (result) *result = valueText(-1);
      error_ = noScriptError();
    } else {
      /* [ err ] */
      RawScriptError raw = readError(!compiled);
      if (evaluated) units_.push_back(*evaluated);
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
    if (duk_safe_call(ctx_, readErrorFields, nullptr, 1, 6) == DUK_EXEC_SUCCESS) {
      /* [ err name message fileName lineNumber stack isError ] */
      raw.name = fromEngine(ctx_, -6);
      raw.message = fromEngine(ctx_, -5);
      raw.fileName = fromEngine(ctx_, -4);
      double line = duk_get_number(ctx_, -3);
      raw.lineNumber = line >= 1 && line <= 1e9 ? static_cast<int>(line) : 0;
      raw.stack = fromEngine(ctx_, -2);
      raw.isErrorObject = duk_get_boolean(ctx_, -1);
    } else {
      // The error's own properties threw (a script can replace them): fall back to a text
      // that cannot fail.
      /* [ err failure undefined*5 ] */
      duk_safe_to_string(ctx_, -7);
      raw.message = fromEngine(ctx_, -7);
      raw.isErrorObject = true;
    }
    duk_pop_n(ctx_, 6);
    /* [ err ] */
    raw.timedOut = deadline_.fired && raw.name == "RangeError" && raw.message == "execution timeout";
    return raw;
  }

  duk_context* ctx_ = nullptr;
  Deadline deadline_;
  int timeoutMs_ = kDefaultTimeoutMs;
  std::string language_ = "JScript";
  std::vector<SourceUnit> units_;  // the code added since the last reset
  jscript::ConditionalState conditional_;  // conditional compilation, as the code set it
  ScriptError error_ = noScriptError();
};

}  // namespace

std::unique_ptr<ScriptHost> createDuktapeHost() {
  auto host = std::make_unique<DuktapeHost>();
  if (!host->started()) return nullptr;
  return host;
}

}  // namespace jsdebug::engine

extern "C" int jsdebug_duk_exec_timeout_check(void* udata) {
  auto* deadline = static_cast<jsdebug::engine::Deadline*>(udata);
  if (!deadline || !deadline->armed) return 0;
  if (jsdebug::platform::tickCount() - deadline->start < deadline->limit) return 0;
  deadline->fired = true;
  return 1;
}
