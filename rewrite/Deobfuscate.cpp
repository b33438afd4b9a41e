#include "rewrite/Deobfuscate.h"

#include <algorithm>

#include "platform/NodeProcess.h"
#include "rewrite/Background.h"
#include "rewrite/CommandLog.h"
#include "text/Text.h"
#include "v8engine/Report.h"
#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"

namespace jsdebug::rewrite {
namespace {

using workflow::kCrLf;

// Enough room for a large decoded table; the V8 box's own value is used when it is larger.
constexpr int kLiteralBufferLength = 64 * 1024;

bool onlyWhitespace(const std::string& s) {
  return s.find_first_not_of(" \t\r\n\f\v") == std::string::npos;
}

std::string compareAnswers(const std::string& call, int length, engine::V8Bridge& bridge,
                           const std::string& original, const std::string& cleaned) {
  const workflow::CallToRun split = workflow::splitCallToRun(call);
  const std::string before = v8Answer(bridge.executeV8(original, split.name, split.arguments, length));
  const std::string after = v8Answer(bridge.executeV8(cleaned, split.name, split.arguments, length));
  const std::string head = verifyHead(call);
  if (before == after) return head + kDeobfuscatedAgree + "：" + before;
  return head + kDeobfuscatedDiffer + kCrLf + "原代码：" + before + kCrLf + "反混淆后：" + after;
}

}  // namespace

bool deobfuscateCommand(workflow::Workbench& bench, engine::V8Bridge* bridge, Rewriter& rewriter) {
  std::string original, call;
  int length = 0;
  bench.runOnGuiThread([&] {
    original = bench.editor().wholeText();
    call = bench.callBoxText();
    length = text::toInteger(bench.v8BufferLengthText());
  });
  if (onlyWhitespace(original)) {
    refuse(bench, kDeobfuscateFailed, "编辑框中没有代码", 0);
    return false;
  }
  // The passes stop a little before the worker's own limit, so a slow script still gets what
  // the finished rounds made of it instead of a stopped worker.
  const int budgetMs = std::max(1000, platform::nodeTimeLimitMs() * 8 / 10);
  const Outcome out = rewriter.run("deobfuscate", original, {{"timeoutMs", std::to_string(budgetMs)}});
  if (!out.ok()) {
    refuse(bench, kDeobfuscateFailed, out.failure, 0);
    return false;
  }
  if (!out.problems.empty() || !out.hasText) {
    std::string body = "编辑框中的代码未改动：";
    for (const Problem& p : out.problems) body += kCrLf + p.message;
    refuse(bench, kDeobfuscateFailed, body, out.problems.empty() ? 0 : out.problems.front().line);
    return false;
  }

  std::string body;
  for (const std::string& line : out.report) body += line + kCrLf;
  body += "验证：反混淆后的代码可以解析";
  if (bridge != nullptr && workflow::callBoxHoldsCall(call))
    body += kCrLf + compareAnswers(call, length, *bridge, original, out.text);

  bool written = false;
  bench.runOnGuiThread([&] {
    if (bench.editor().wholeText() != original) {
      bench.clearLog();
      workflow::appendFailureBlock(bench, kDeobfuscateFailed, kEditedMeanwhile);
      return;
    }
    {
      workflow::EditRun oneStep(bench.editor());
      bench.editor().setText(out.text);
    }
    bench.clearLog();
    workflow::appendFailureBlock(bench, kDeobfuscateDone, body);
    written = true;
  });
  return written;
}

void deobfuscateInBackground(workflow::Workbench& bench, engine::V8Bridge* bridge,
                             std::function<void()> finished) {
  startRewrite(bench, "反混淆", [&bench, bridge] { deobfuscateCommand(bench, bridge); },
               std::move(finished));
}

std::string literalCall(const std::string& expression) {
  // A function of the run's own context: the value becomes source text there, so the literal
  // reads as V8 holds it. Line breaks around the expression keep a trailing // comment harmless.
  static const std::string writer =
      "(function (v) {"
      "var seen = [];"
      "function q(s) { return \"'\" + s.replace(/[\\\\'\\u0000-\\u001f\\u2028\\u2029\\u007f]/g, function (c) {"
      " var m = {'\\\\': '\\\\\\\\', \"'\": \"\\\\'\", '\\n': '\\\\n', '\\r': '\\\\r', '\\t': '\\\\t'};"
      " return m[c] || '\\\\u' + ('000' + c.charCodeAt(0).toString(16)).slice(-4); }) + \"'\"; }"
      "function lit(x) {"
      " if (x === null) return 'null';"
      " if (x === undefined) return 'undefined';"
      " switch (typeof x) {"
      "  case 'string': return q(x);"
      "  case 'boolean': return String(x);"
      "  case 'number': return x !== x ? 'NaN' : x === 1 / 0 ? 'Infinity' : x === -1 / 0 ? '-Infinity' :"
      "   (x === 0 && 1 / x < 0) ? '-0' : String(x);"
      "  case 'object':"
      "   if (seen.indexOf(x) >= 0) throw new TypeError('值中有循环引用，不能写成字面量');"
      "   seen.push(x);"
      "   var out;"
      "   if (Array.isArray(x)) { var a = []; for (var i = 0; i < x.length; i++) a.push(lit(x[i])); out = '[' + a.join(', ') + ']'; }"
      "   else if (x instanceof RegExp) out = String(x);"
      "   else if (Object.getPrototypeOf(x) === Object.prototype || Object.getPrototypeOf(x) === null) {"
      "    var p = []; for (var k in x) if (Object.prototype.hasOwnProperty.call(x, k))"
      "     p.push((/^[A-Za-z_$][\\w$]*$/.test(k) ? k : q(k)) + ': ' + lit(x[k]));"
      "    out = '{' + p.join(', ') + '}'; }"
      "   else throw new TypeError('值是 ' + Object.prototype.toString.call(x) + '，不能写成字面量');"
      "   seen.pop(); return out;"
      "  default: throw new TypeError('值的类型是 ' + typeof x + '，不能写成字面量');"
      " }"
      "}"
      "return lit(v); })";
  return writer + "((\n" + expression + "\n))";
}

bool evalSelectionCommand(workflow::Workbench& bench, engine::V8Bridge& bridge, int start, int end) {
  const std::string script = bench.editor().wholeText();
  const int length = static_cast<int>(script.size());
  if (start < 0 || end > length || start >= end) {
    refuse(bench, kEvalSelectionFailed,
           "没有选中要求值的表达式（选区 " + std::to_string(start) + " 到 " + std::to_string(end) +
               "，代码共 " + std::to_string(length) + " 字节）",
           0);
    return false;
  }
  const std::string expression = script.substr(start, end - start);
  if (onlyWhitespace(expression)) {
    refuse(bench, kEvalSelectionFailed, "选中的只有空白", 0);
    return false;
  }
  const int bufferLength = std::max(kLiteralBufferLength, text::toInteger(bench.v8BufferLengthText()));
  // The call is the literal writer applied to the selection: its "name" is everything before
  // the first parenthesis, which the bridge puts back in front of the arguments.
  const std::string call = literalCall(expression);
  const std::string result = bridge.executeV8(script, "", call, bufferLength);
  if (v8report::isFailure(result)) {
    refuse(bench, kEvalSelectionFailed,
           "选中的表达式：" + expression + kCrLf + v8Answer(result) + kCrLf + "编辑框中的代码未改动", 0);
    return false;
  }
  {
    workflow::EditRun oneStep(bench.editor());
    bench.editor().setSelection(start, end);
    bench.editor().replaceSelection(result);
  }
  bench.clearLog();
  workflow::appendFailureBlock(bench, kEvalSelectionDone, expression + kCrLf + "=> " + result);
  return true;
}

}  // namespace jsdebug::rewrite
