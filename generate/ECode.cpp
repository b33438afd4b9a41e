#include "generate/ECode.h"

#include <vector>

#include "generate/Author.h"
#include "text/Text.h"
#include "workflow/CallBox.h"
#include "workflow/Workbench.h"

namespace jsdebug::generate {

namespace {

const std::string& systemTemplate() {
  static const std::string text = std::string(
      ".版本 2\r\n"
      "\r\n"
      ".子程序 JS调试, 文本型, 公开, 代码由墨岩JS调试工具生成 BY QQ:").append(kAuthorContact).append("\r\n"
      ".参数 JS代码, 文本型\r\n"
      ".参数 函数名, 文本型\r\n"
      ".参数 参数, 文本型, 可空\r\n"
      ".局部变量 js, 对象\r\n"
      ".局部变量 return, 文本型\r\n"
      "\r\n"
      "' CoInitialize (0) 线程中请初始化COM  否则会出错\r\n"
      "js.创建 (“ScriptControl”, )\r\n"
      "js.写属性 (“Language”, “JavaScript”)\r\n"
      "js.数值方法 (“AddCode”, JS代码)  ' 调试成功的JS代码段\r\n"
      "return ＝ js.通用方法 (“eval”, 函数名 ＋ “(” ＋ 参数 ＋ “)”).取文本 ()\r\n"
      "' CoUninitialize ()\r\n"
      "返回 (return)\r\n"
      "\r\n"
      "\r\n"
      "'本例程调用方法直接复制    ------------------\r\n"
      "\r\n"
      ".子程序 __启动窗口_创建完毕\r\n"
      "\r\n"
      "调试输出 (------------------)");
  return text;
}

const std::string& v8Template() {
  static const std::string text = std::string(
      ".版本 2\r\n"
      ".支持库 spec\r\n"
      "\r\n"
      ".子程序 __启动窗口_创建完毕\r\n"
      "\r\n"
      "V8调试初始化 (取运行目录 () ＋ 取执行文件名 ())  ' 首次启动初始化即可 需下载模块和DLL\r\n"
      "调试输出 (------------------) 'V8引擎代码由墨岩JS调试工具生成 BY:QQ")
      .append(kAuthorContact)
      .append(" 需下载模块和DLL\r\n");
  return text;
}

// An E text constant cannot hold a double quote: E writes it as the constant #引号 joined in, so
// «a"b» becomes «"a" ＋ #引号 ＋ "b"». Empty pieces beside a quote are left out.
std::string quoted(std::string_view text) {
  std::string out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t quote = text.find('"', start);
    const std::string_view piece = text.substr(start, quote - start);
    if (!piece.empty() || (start == 0 && quote == std::string_view::npos)) {
      if (!out.empty()) out += " ＋ ";
      out.append("\"").append(piece).append("\"");
    }
    if (quote == std::string_view::npos) return out;
    if (!out.empty()) out += " ＋ ";
    out += "#引号";
    start = quote + 1;
  }
}

}  // namespace

std::string normalizeArgumentList(std::string_view argumentText) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (start < argumentText.size()) {
    const std::size_t comma = argumentText.find(',', start);
    if (comma == std::string_view::npos) {
      pieces.push_back(argumentText.substr(start));
      break;
    }
    pieces.push_back(argumentText.substr(start, comma - start));
    start = comma + 1;
  }
  // A trailing comma leaves no empty last piece (the loop stops at the end), an empty text none
  // at all; empty pieces elsewhere stay, so "1,,2" keeps its gap.
  std::string joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) joined += ',';
    joined += text::trimBlanks(pieces[i]);
  }
  return joined;
}

CallParts splitCallParts(std::string_view callText) {
  CallParts parts;
  const std::size_t open = callText.find('(');
  if (open == std::string_view::npos) return parts;
  parts.name = std::string(callText.substr(0, open));
  const std::size_t close = callText.find(')', open + 1);
  if (close != std::string_view::npos)
    parts.argumentList = normalizeArgumentList(callText.substr(open + 1, close - open - 1));
  return parts;
}

std::string systemCallLine(const CallParts& parts) {
  std::string line = "JS调试 (调试成功的JS代码,";
  return line.append(quoted(parts.name)).append(" ,").append(quoted(parts.argumentList)).append(" )");
}

std::string v8CallLine(const CallParts& parts, std::string_view bufferLength) {
  std::string line = "V8JS调试 (调试成功的JS代码,";
  return line.append(quoted(parts.name))
      .append(" ,")
      .append(quoted(parts.argumentList))
      .append(" ,")
      .append(bufferLength)
      .append(" )");
}

// The call line may itself hold the marker (typed into the call box); replaceAll never rescans
// what it inserted, so it stays as typed.
std::string systemCallingCode(std::string_view callText) {
  return text::replaceAll(systemTemplate(), kCallMarker,
                          systemCallLine(splitCallParts(trimCallTail(callText))));
}

std::string v8CallingCode(std::string_view callText, std::string_view bufferLength) {
  return text::replaceAll(v8Template(), kCallMarker,
                          v8CallLine(splitCallParts(trimCallTail(callText)), bufferLength));
}

void generateSystemCode(Workbench& bench) {
  if (refuseMissingCall(bench)) return;
  bench.setClipboardText(systemCallingCode(bench.callBoxText()));
  bench.messageBox(kSystemCodeCopiedMessage);
}

void generateV8Code(Workbench& bench) {
  if (refuseMissingCall(bench)) return;
  const std::string call = bench.callBoxText();
  bench.setClipboardText(v8CallingCode(call, bench.v8BufferLengthText()));
  bench.messageBox(kV8CodeCopiedMessage);
}

}  // namespace jsdebug::generate
