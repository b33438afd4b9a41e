#include "generate/ECode.h"

#include <vector>

#include "generate/Author.h"
#include "generate/Templates.h"
#include "text/Text.h"
#include "workflow/CallBox.h"
#include "workflow/V8Run.h"
#include "workflow/Workbench.h"

namespace jsdebug::generate {

namespace {

// "{{QQ}}" in a template stands for the author's contact number.
std::string filledIn(const char* templateText) {
  return text::replaceAll(templateText, "{{QQ}}", kAuthorContact);
}

const std::string& systemTemplate() {
  static const std::string text = filledIn(kSystemTemplateText);
  return text;
}

const std::string& v8Template() {
  static const std::string text = filledIn(kV8TemplateText);
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

CallForECode splitCallForECode(std::string_view callText) {
  CallForECode parts;
  const std::size_t open = callText.find('(');
  if (open == std::string_view::npos) return parts;
  parts.name = std::string(callText.substr(0, open));
  const std::size_t close = callText.find(')', open + 1);
  if (close != std::string_view::npos)
    parts.argumentList = normalizeArgumentList(callText.substr(open + 1, close - open - 1));
  return parts;
}

std::string systemCallLine(const CallForECode& parts) {
  std::string line = "JS调试 (调试成功的JS代码,";
  return line.append(quoted(parts.name)).append(" ,").append(quoted(parts.argumentList)).append(" )");
}

std::string v8CallLine(const CallForECode& parts, std::string_view bufferLength) {
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
                          systemCallLine(splitCallForECode(workflow::trimCallTail(callText))));
}

std::string v8CallingCode(std::string_view callText, std::string_view bufferLength) {
  return text::replaceAll(
      v8Template(), kCallMarker,
      v8CallLine(splitCallForECode(workflow::trimCallTail(callText)), bufferLength));
}

void systemCodeCommand(workflow::Workbench& bench) {
  if (workflow::refuseMissingCall(bench)) return;
  // The split would drop an unclosed call's arguments: the E program would call name() instead.
  if (workflow::refuseUnclosedCall(bench)) return;
  workflow::noteLostCallCharacters(bench);
  bench.setClipboardText(systemCallingCode(bench.callBoxText()));
  bench.messageBox(kSystemCodeCopiedMessage);
}

void v8CodeCommand(workflow::Workbench& bench) {
  if (workflow::refuseMissingCall(bench)) return;
  if (workflow::refuseUnclosedCall(bench)) return;
  // The length goes into the E source as a number: a text E cannot read as its integer would
  // give source that does not compile, or a run that reports its failures as success.
  if (workflow::refuseBadV8BufferLength(bench)) return;
  const std::string call = bench.callBoxText();
  workflow::noteLostCallCharacters(bench);
  bench.setClipboardText(v8CallingCode(call, bench.v8BufferLengthText()));
  bench.messageBox(kV8CodeCopiedMessage);
}

}  // namespace jsdebug::generate
