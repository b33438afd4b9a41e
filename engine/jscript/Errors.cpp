#include "engine/jscript/Errors.h"

#include <cstring>
#include <mutex>
#include <string>

#include "text/Codec.h"

namespace jsdebug::engine::jscript {
namespace {

constexpr const char* kSourcesKey = "jsdebugSources";
constexpr const char* kThrowKey = "jsdebugThrow";
constexpr const char* kHookFileName = "jscript-errors";

// Runs once per heap, with the hidden sources table, the error prototypes by name and
// Object.setPrototypeOf (kept before the profile removes it); gives back the errCreate hook.
//
// Duktape creates every error through the hook: its own (recognised by their English texts,
// which are Duktape's and never shown to a user) and a script's `new Error(...)`, which keeps
// its text with number 0. An error JScript gives another constructor is moved to that
// constructor's prototype, so that `name` and `instanceof` agree.
//
// The hook runs while Duktape creates an error; whatever goes wrong in it must leave the
// error as it was rather than replace it.
constexpr const char* kHookSource = R"JS((function (sources, protos, setProto) {
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

  var stackOverflow = /^(callstack limit|C stack depth limit|compiler recursion limit|valstack limit|regexp executor recursion limit|encode recursion limit|decode recursion limit)$/;
  var regexpSyntax = /regexp|quantifier|character class|backreference|closing parenthesis|end of pattern|^invalid range$/;

  function map(e) {
    var message = Str(e.message), name = e.name, m;
    if (name === 'ReferenceError' && (m = exec.call(/^identifier '(.*)' undefined$/, message)))
      return set(e, 5009, "'" + m[1] + "' 未定义", 'TypeError');
    if (name === 'ReferenceError' && message === 'invalid lvalue')
      return set(e, 5008, '非法赋值', 'ReferenceError');
    if (test.call(stackOverflow, message)) return set(e, 28, '堆栈溢出', 'Error');
    if (message === 'alloc failed') return set(e, 7, '内存不足', 'Error');
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
  /* [ stash makeHook sources protos setProto ] */
  duk_call(ctx, 3);
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
  duk_remove(ctx, -3);
  duk_remove(ctx, -3);
  /* [ ... file line ] */
  return true;
}

}  // namespace jsdebug::engine::jscript
