#include "engine/jscript/Errors.h"

#include <cmath>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>

#include "text/Codec.h"

namespace jsdebug::engine::jscript {
namespace {

constexpr InternalLimit kStackOverflow{28, "堆栈溢出", "Error"};
constexpr InternalLimit kOutOfMemory{7, "内存不足", "Error"};
constexpr InternalLimit kInvalidCharacter{1014, "无效字符", "SyntaxError"};

// Every limit Duktape can stop a script with (its error texts, duktape.c's DUK_STR_*): nesting
// and recursion are the stack JScript runs out of; sizes and counts are memory JScript runs out
// of; a step limit of the regular-expression engine is the depth JScript's recursive matcher
// would have overflowed.
constexpr std::pair<std::string_view, const InternalLimit*> kInternalLimits[] = {
    {"callstack limit", &kStackOverflow},
    {"C stack depth limit", &kStackOverflow},
    {"compiler recursion limit", &kStackOverflow},
    {"valstack limit", &kStackOverflow},
    {"regexp compiler recursion limit", &kStackOverflow},
    {"regexp executor recursion limit", &kStackOverflow},
    {"regexp step limit", &kStackOverflow},
    {"encode recursion limit", &kStackOverflow},
    {"decode recursion limit", &kStackOverflow},
    {"prototype chain limit", &kStackOverflow},
    {"function call bound chain limit", &kStackOverflow},
    {"alloc failed", &kOutOfMemory},
    {"string too long", &kOutOfMemory},
    {"buffer too long", &kOutOfMemory},
    {"result too long", &kOutOfMemory},
    {"token limit", &kOutOfMemory},
    {"bytecode limit", &kOutOfMemory},
    {"register limit", &kOutOfMemory},
    {"temp limit", &kOutOfMemory},
    {"const limit", &kOutOfMemory},
    {"function limit", &kOutOfMemory},
    {"quantifier requires too many atom copies", &kOutOfMemory},
    {"utf-8 decode failed", &kInvalidCharacter},
    {"source decode failed", &kInvalidCharacter},
};

// " (line 12)" or " (line 12, end of input)" at the end of a compiler's message.
std::string_view withoutCompilerLine(std::string_view message) {
  if (message.empty() || message.back() != ')') return message;
  std::size_t open = message.rfind(" (line ");
  if (open == std::string_view::npos) return message;
  std::string_view inside = message.substr(open + 7, message.size() - open - 8);
  std::size_t digits = 0;
  while (digits < inside.size() && inside[digits] >= '0' && inside[digits] <= '9') ++digits;
  if (digits == 0 || (digits != inside.size() && inside.substr(digits) != ", end of input"))
    return message;
  return message.substr(0, open);
}

// A limit's description as the engine takes it (UTF-8). Converted on the first call, which
// installErrorHooks makes before the engine can need one.
const std::string& utf8Description(const InternalLimit& limit) {
  static const std::string texts[] = {gbk::toUtf8(kStackOverflow.description),
                                      gbk::toUtf8(kOutOfMemory.description),
                                      gbk::toUtf8(kInvalidCharacter.description)};
  if (&limit == &kStackOverflow) return texts[0];
  if (&limit == &kOutOfMemory) return texts[1];
  return texts[2];
}

// limitOf(message) for the errCreate hook: [number, description, class name] of the JScript
// error a Duktape limit stands for, or undefined.
duk_ret_t limitOf(duk_context* ctx) {
  duk_size_t length = 0;
  const char* message = duk_safe_to_lstring(ctx, 0, &length);
  const InternalLimit* limit = internalLimit(std::string_view(message, length));
  if (!limit) return 0;
  const std::string& description = utf8Description(*limit);
  duk_push_array(ctx);
  duk_push_int(ctx, limit->number);
  duk_put_prop_index(ctx, -2, 0);
  duk_push_lstring(ctx, description.data(), description.size());
  duk_put_prop_index(ctx, -2, 1);
  duk_push_string(ctx, limit->className);
  duk_put_prop_index(ctx, -2, 2);
  /* [ message limit ] */
  return 1;
}

constexpr const char* kSourcesKey = "jsdebugSources";
constexpr const char* kThrowKey = "jsdebugThrow";
constexpr const char* kHookFileName = "jscript-errors";

// Runs once per heap, with the hidden sources table, the error prototypes by name,
// Object.setPrototypeOf (kept before the profile removes it) and limitOf; gives back the
// errCreate hook.
//
// Duktape creates every error through the hook: its own (recognised by their English texts,
// which are Duktape's and never shown to a user) and a script's `new Error(...)`, which keeps
// its text with number 0. An error JScript gives another constructor is moved to that
// constructor's prototype, so that `name` and `instanceof` agree.
//
// The hook runs while Duktape creates an error; whatever goes wrong in it must leave the
// error as it was rather than replace it.
constexpr const char* kHookSource = R"JS((function (sources, protos, setProto, limitOf) {
  var facility = -2146828288;
  var getProto = Object.getPrototypeOf, hasOwn = Object.prototype.hasOwnProperty;
  var RE = RegExp, Str = String;
  // The profile installed after this hook records RegExp.$1 and its kin in exec, test and
  // replace; the hook keeps the natives so that making an error leaves them as they were.
  var exec = RE.prototype.exec, test = RE.prototype.test, replace = Str.prototype.replace;
  // Where Duktape blamed the error, read through its own accessors, kept here because JScript
  // has no such properties and the profile may take them away.
  function getter(name) {
    var d = Object.getOwnPropertyDescriptor(protos.Error, name);
    return d && d.get ? d.get : function () { return this[name]; };
  }
  var fileNameOf = getter('fileName'), lineNumberOf = getter('lineNumber');
  var lines = {};

  function lineOf(file, n) {
    var text = sources[file];
    if (typeof text !== 'string' || !(n >= 1)) return '';
    var known = lines[file];
    if (!known || known.text !== text) {
      var starts = [0], re = /\r\n|\r|\n|\u2028|\u2029/g, m;
      while ((m = exec.call(re, text)) !== null) starts.push(m.index + m[0].length);
      known = lines[file] = { text: text, starts: starts };
    }
    if (n > known.starts.length) return '';
    var end = n < known.starts.length ? known.starts[n] : text.length;
    return text.substring(known.starts[n - 1], end);
  }

  // The source text of the object whose property `prop` was read or written on the failing
  // line: the member chain before ".prop", or before "[" when the property was an index.
  function baseExpression(line, prop) {
    var chain = '[A-Za-z_$][\\w$]*(?:\\s*\\.\\s*[A-Za-z_$][\\w$]*)*';
    var named = exec.call(/^'(.*)'$/, prop);
    var re = named
        ? new RE('(' + chain + ')\\s*\\.\\s*' + replace.call(named[1], /\$/g, '\\$') + '(?![\\w$])')
        : new RE('(' + chain + ')\\s*\\[');
    var m = exec.call(re, line);
    return m ? replace.call(m[1], /\s+/g, '') : '';
  }

  function set(e, code, text, name) {
    e.number = facility | code;
    e.description = text;
    e.message = text;
    var proto = protos[name];
    if (proto && getProto(e) !== proto) setProto(e, proto);
  }

  var regexpSyntax = /regexp|quantifier|character class|backreference|closing parenthesis|end of pattern|^invalid range$/;

  function map(e) {
    var message = Str(e.message), name = e.name, m;
    if (name === 'ReferenceError' && (m = exec.call(/^identifier '(.*)' undefined$/, message)))
      return set(e, 5009, "'" + m[1] + "' 未定义", 'TypeError');
    if (name === 'ReferenceError' && message === 'invalid lvalue')
      return set(e, 5008, '非法赋值', 'ReferenceError');
    var limit = limitOf(message);
    if (limit) return set(e, limit[0], limit[1], limit[2]);
    if (name === 'SyntaxError' && test.call(regexpSyntax, message))
      return set(e, 5017, '正则表达式中的语法错误', 'RegExpError');
    if (name === 'SyntaxError') return set(e, 1002, '语法错误', 'SyntaxError');
    if (name === 'TypeError') {
      if ((m = exec.call(/^cannot (?:read|write|delete) property (.*) of (?:undefined|null)$/, message))) {
        var base = baseExpression(lineOf(fileNameOf.call(e), lineNumberOf.call(e)), m[1]);
        return set(e, 5007, base ? "'" + base + "' 为空或不是对象" : '缺少对象', 'TypeError');
      }
      if (test.call(/^undefined not callable \(property /, message))
        return set(e, 438, '对象不支持此属性或方法', 'TypeError');
      if (test.call(/^(undefined|null) not callable$/, message) || message === 'not object coercible')
        return set(e, 5007, '缺少对象', 'TypeError');
      if (test.call(/ not callable( \(property .*\))?$/, message) || test.call(/^invalid instanceof rval/, message) ||
          test.call(/^instanceof rval has no/, message))
        return set(e, 5002, '缺少函数', 'TypeError');
      if (test.call(/ not constructable$/, message)) return set(e, 445, '对象不支持此操作', 'TypeError');
      if (message === 'expected Date') return set(e, 5006, '缺少日期对象', 'TypeError');
      if (test.call(/^RegExp required/, message)) return set(e, 5016, '缺少正则表达式对象', 'TypeError');
      if (test.call(/^(string|String) required/, message)) return set(e, 5005, '缺少字符串', 'TypeError');
      if (test.call(/^(number|Number) required/, message)) return set(e, 5001, '缺少数字', 'TypeError');
      if (test.call(/ required, found /, message) || message === 'invalid args' ||
          message === 'unexpected type')
        return set(e, 5014, '缺少 JScript 对象', 'TypeError');
    }
    if (name === 'RangeError') {
      if (message === 'invalid array length' || message === 'invalid length')
        return set(e, 5029, '数组长度必须是一个有限正整数', 'RangeError');
      if (message === 'number outside range')
        return set(e, 5, '无效的过程调用或参数', 'TypeError');
    }
    if (name === 'URIError' && message === 'invalid input')
      return set(e, 5025, '待解码的 URI 编码非法', 'URIError');
    // A script's own error: its text, number 0.
    if (!hasOwn.call(e, 'number')) e.number = 0;
    e.description = message;
  }

  return function (e) {
    try {
      if (e !== null && typeof e === 'object') map(e);
    } catch (ignored) {
    }
    return e;
  };
}))JS";

// Runs once per heap with the record the host reads, Duktape.act and the Error prototype;
// gives back the errThrow hook. A thrown value that is no error object carries no line, so the
// hook notes where it was thrown (the activation below the hook's own and act's).
constexpr const char* kThrowHookSource = R"JS((function (record, act, errorProto) {
  var isProto = Object.prototype.isPrototypeOf;
  return function (v) {
    try {
      if (v === null || typeof v !== 'object' || !isProto.call(errorProto, v)) {
        var a = act(-3), f = a && a['function'];
        record.value = v;
        record.line = a ? a.lineNumber : 0;
        record.file = f ? f.fileName : '';
        record.fn = f;
        record.pc = a ? a.pc : 0;
      }
    } catch (ignored) {
    }
    return v;
  };
}))JS";

// JScript's Error(number, description): a first argument that reads as a number is the
// number, and the description follows it; otherwise it is the description. Called with or
// without new, it makes the same error.
constexpr const char* kConstructorSource = R"JS((function (Original) {
  var Str = String, Num = Number;
  var JScriptError = function Error(number, description) {
    var e = new Original();
    if (arguments.length > 0 && number !== undefined) {
      var n = Num(number);
      if (n !== n) {
        e.description = e.message = Str(number);
      } else {
        e.number = n;
        if (arguments.length > 1) e.description = e.message = Str(description);
      }
    }
    return e;
  };
  JScriptError.prototype = Original.prototype;
  Original.prototype.constructor = JScriptError;
  return JScriptError;
}))JS";

// The three makers, as source (UTF-8) and, once compiled in some heap, as Duktape bytecode:
// every Reset makes a new heap, and loading bytecode costs a fraction of compiling.
struct Makers {
  std::string source[3];
  std::string bytecode[3];
};
enum Maker { kErrCreate, kConstructor, kErrThrow };

// [ ... ] -> [ ... maker ]
void pushMaker(duk_context* ctx, Makers& makers, Maker which) {
  std::string& code = makers.bytecode[which];
  if (!code.empty()) {
    void* buffer = duk_push_fixed_buffer(ctx, code.size());
    std::memcpy(buffer, code.data(), code.size());
    duk_load_function(ctx);
    return;
  }
  const std::string& source = makers.source[which];
  duk_push_string(ctx, kHookFileName);
  duk_compile_lstring_filename(ctx, DUK_COMPILE_EVAL, source.data(), source.size());
  duk_call(ctx, 0);
  duk_dup_top(ctx);
  duk_dump_function(ctx);
  duk_size_t size = 0;
  const void* bytes = duk_get_buffer_data(ctx, -1, &size);
  code.assign(static_cast<const char*>(bytes), size);
  duk_pop(ctx);
}

// [ ] -> [ ]; Duktape.errCreate and errThrow set, Error replaced.
duk_ret_t install(duk_context* ctx, void* udata) {
  auto& makers = *static_cast<Makers*>(udata);
  /* [ ] */
  duk_push_global_stash(ctx);
  duk_push_object(ctx);
  duk_put_prop_string(ctx, -2, kSourcesKey);
  /* [ stash ] */
  pushMaker(ctx, makers, kErrCreate);
  /* [ stash makeHook ] */
  duk_get_prop_string(ctx, -2, kSourcesKey);
  duk_push_object(ctx);
  for (const char* name : {"Error", "TypeError", "RangeError", "ReferenceError", "SyntaxError",
                           "URIError", "EvalError"}) {
    duk_get_global_string(ctx, name);
    duk_get_prop_string(ctx, -1, "prototype");
    duk_put_prop_string(ctx, -3, name);
    duk_pop(ctx);
  }
  // JScript's own class for a bad regular expression; it shares Error's prototype chain.
  duk_get_global_string(ctx, "SyntaxError");
  duk_get_prop_string(ctx, -1, "prototype");
  duk_push_object(ctx);
  duk_dup(ctx, -2);
  duk_set_prototype(ctx, -2);
  duk_push_string(ctx, "RegExpError");
  duk_put_prop_string(ctx, -2, "name");
  duk_put_prop_string(ctx, -4, "RegExpError");
  duk_pop_2(ctx);
  duk_get_global_string(ctx, "Object");
  duk_get_prop_string(ctx, -1, "setPrototypeOf");
  duk_remove(ctx, -2);
  duk_push_c_function(ctx, limitOf, 1);
  /* [ stash makeHook sources protos setProto limitOf ] */
  duk_call(ctx, 4);
  /* [ stash hook ] */
  duk_get_global_string(ctx, "Duktape");
  duk_dup(ctx, -2);
  duk_put_prop_string(ctx, -2, "errCreate");
  duk_pop_2(ctx);
  /* [ stash ] */
  pushMaker(ctx, makers, kErrThrow);
  duk_push_object(ctx);
  duk_dup_top(ctx);
  duk_put_prop_string(ctx, -4, kThrowKey);
  duk_get_global_string(ctx, "Duktape");
  duk_get_prop_string(ctx, -1, "act");
  duk_remove(ctx, -2);
  duk_get_global_string(ctx, "Error");
  duk_get_prop_string(ctx, -1, "prototype");
  duk_remove(ctx, -2);
  /* [ stash makeThrowHook record act errorProto ] */
  duk_call(ctx, 3);
  duk_get_global_string(ctx, "Duktape");
  duk_dup(ctx, -2);
  duk_put_prop_string(ctx, -2, "errThrow");
  duk_pop_2(ctx);
  /* [ stash ] */
  pushMaker(ctx, makers, kConstructor);
  duk_get_global_string(ctx, "Error");
  duk_call(ctx, 1);
  /* [ stash JScriptError ] */
  duk_put_global_string(ctx, "Error");  // an existing property: keeps its attributes
  return 0;
}

struct Remembered {
  const char* fileName;
  const char* utf8;
  std::size_t length;
};

}  // namespace

void installErrorHooks(duk_context* ctx) {
  // Converted before entering the engine: nothing with a destructor lives across its calls.
  static Makers makers{{gbk::toUtf8(kHookSource), gbk::toUtf8(kConstructorSource),
                        gbk::toUtf8(kThrowHookSource)},
                       {}};
  static std::mutex lock;  // hosts may be made on more than one thread
  std::lock_guard<std::mutex> guard(lock);
  utf8Description(kStackOverflow);
  duk_safe_call(ctx, install, &makers, 0, 1);
  duk_pop(ctx);
}

void rememberSource(duk_context* ctx, const char* fileName, const char* utf8,
                    std::size_t length) {
  /* [ ... ] */
  duk_push_global_stash(ctx);
  if (duk_get_prop_string(ctx, -1, kSourcesKey)) {
    duk_push_lstring(ctx, utf8, length);
    duk_put_prop_string(ctx, -2, fileName);
  }
  duk_pop_2(ctx);
  /* [ ... ] */
}

}  // namespace jsdebug::engine::jscript

namespace jsdebug::engine::jscript {

namespace {

// Where the statement of the instruction at pc of the function at fn starts in the function's
// compiled text, from the table the compiler appends to the function's pc-to-line buffer
// ([pc, offset + 1] per run of instructions, the number of runs, a marker); -1 when unknown.
long statementOffset(duk_context* ctx, duk_idx_t fn, double pc) {
  long offset = -1;
  if (!duk_is_function(ctx, fn)) return offset;
  /* [ ... ] */
  duk_get_prop_string(ctx, fn, "\x82Pc2line");
  /* [ ... pc2line ] */
  if (duk_is_buffer_data(ctx, -1) && pc >= 0 && pc < 4294967296.0) {
    duk_size_t size = 0;
    const auto* data = static_cast<const unsigned char*>(duk_get_buffer_data(ctx, -1, &size));
    auto word = [&](duk_size_t at) {
      duk_uint32_t value = 0;
      std::memcpy(&value, data + at, sizeof value);
      return value;
    };
    if (data && size >= 8 && word(size - 4) == JSDEBUG_STATEMENT_RUNS_MARKER) {
      duk_uint32_t runs = word(size - 8);
      if (runs <= (size - 8) / 8) {
        const duk_size_t table = size - 8 - static_cast<duk_size_t>(runs) * 8;
        const auto target = static_cast<duk_uint32_t>(pc);
        // The last run that starts at or before pc.
        duk_uint32_t low = 0, high = runs;
        while (low < high) {
          duk_uint32_t mid = low + (high - low) / 2;
          if (word(table + static_cast<duk_size_t>(mid) * 8) <= target) low = mid + 1;
          else high = mid;
        }
        if (low > 0) {
          duk_uint32_t noted = word(table + static_cast<duk_size_t>(low - 1) * 8 + 4);
          if (noted > 0) offset = static_cast<long>(noted - 1);
        }
      }
    }
  }
  duk_pop(ctx);
  /* [ ... ] */
  return offset;
}

// [ ... ] -> [ ... text ], one line for the frame of function fn at pc.
void pushFrameLine(duk_context* ctx, duk_idx_t fn, double pc) {
  long offset = statementOffset(ctx, fn, pc);
  duk_get_prop_string(ctx, fn, "fileName");
  const char* file = duk_is_string(ctx, -1) ? duk_get_string(ctx, -1) : "";
  duk_push_sprintf(ctx, "%ld\t%s\n", offset, file);
  duk_remove(ctx, -2);
}

}  // namespace

void pushFrameStatements(duk_context* ctx, duk_idx_t error) {
  error = duk_require_normalize_index(ctx, error);
  /* [ ... ] */
  duk_push_string(ctx, "");
  if (!duk_is_object(ctx, error) || !duk_get_prop_string(ctx, error, "\x82Tracedata") ||
      !duk_is_array(ctx, -1)) {
    duk_pop(ctx);
    return;
  }
  /* [ ... text tracedata ] */
  // Pairs of (function, flags * 2^32 + pc) for each activation, innermost first, after pairs of
  // (file name, line) that name a compile error or a C source.
  duk_size_t length = duk_get_length(ctx, -1);
  for (duk_size_t i = 0; i + 1 < length; i += 2) {
    duk_get_prop_index(ctx, -1, static_cast<duk_uarridx_t>(i));
    duk_get_prop_index(ctx, -2, static_cast<duk_uarridx_t>(i + 1));
    /* [ ... text tracedata entry number ] */
    if (duk_is_object(ctx, -2) && duk_is_function(ctx, -2)) {
      double packed = duk_get_number(ctx, -1);
      double pc = std::fmod(packed, 4294967296.0);
      pushFrameLine(ctx, -2, pc);
      /* [ ... text tracedata entry number line ] */
      duk_dup(ctx, -5);
      duk_swap_top(ctx, -2);
      duk_concat(ctx, 2);
      duk_replace(ctx, -5);
    }
    duk_pop_2(ctx);
    /* [ ... text tracedata ] */
  }
  duk_pop(ctx);
  /* [ ... text ] */
}

const InternalLimit* internalLimit(std::string_view message) {
  message = withoutCompilerLine(message);
  for (const auto& [text, limit] : kInternalLimits)
    if (message == text) return limit;
  return nullptr;
}

bool whereThrown(duk_context* ctx, duk_idx_t value) {
  value = duk_require_normalize_index(ctx, value);
  /* [ ... ] */
  duk_push_global_stash(ctx);
  if (!duk_get_prop_string(ctx, -1, kThrowKey)) {
    duk_pop_2(ctx);
    return false;
  }
  duk_get_prop_string(ctx, -1, "value");
  if (!duk_strict_equals(ctx, -1, value)) {
    duk_pop_3(ctx);
    return false;
  }
  duk_pop(ctx);
  duk_get_prop_string(ctx, -1, "file");
  duk_to_string(ctx, -1);
  duk_get_prop_string(ctx, -2, "line");
  duk_to_number(ctx, -1);
  /* [ ... stash record file line ] */
  duk_get_prop_string(ctx, -3, "fn");
  duk_get_prop_string(ctx, -4, "pc");
  if (duk_is_function(ctx, -2)) {
    pushFrameLine(ctx, -2, duk_to_number(ctx, -1));
  } else {
    duk_push_string(ctx, "");
  }
  /* [ ... stash record file line fn pc frames ] */
  duk_remove(ctx, -2);
  duk_remove(ctx, -2);
  duk_remove(ctx, -4);
  duk_remove(ctx, -4);
  /* [ ... file line frames ] */
  return true;
}

}  // namespace jsdebug::engine::jscript
