#include "transform/ScriptTransforms.h"

#include <cctype>
#include <string_view>
#include <vector>

#include "engine/ScriptHost.h"
#include "platform/Apartment.h"
#include "transform/CarriedScripts.h"
#include "text/Text.h"
#include "workflow/Workbench.h"

namespace jsdebug::transform {

namespace {

// The apartment entered and left around the short-lived host. They nest inside the GUI thread's own
// initialisation and balance, and leave() lets the host be released after the apartment is left,
// in the order the transformers have always used.
class ApartmentScope {
 public:
  ApartmentScope() { platform::CoInitialize(nullptr); }
  ~ApartmentScope() { leave(); }
  ApartmentScope(const ApartmentScope&) = delete;
  ApartmentScope& operator=(const ApartmentScope&) = delete;

  void leave() {
    if (inside_) {
      inside_ = false;
      platform::CoUninitialize();
    }
  }

 private:
  bool inside_ = true;
};

// One run of a carried script in a fresh host: enter the apartment, create, set the language,
// add the script, run the procedure, leave the apartment, then release the host.
Transformed runCarriedScript(std::string_view script, const std::string& procedure,
                             const std::vector<engine::ScriptValue>& args) {
  ApartmentScope apartment;
  std::unique_ptr<engine::ScriptHost> host = engine::createScriptHost(engine::kScriptControlProgId);
  if (!host) return {false, {}, "无法创建脚本控件"};
  host->setLanguage("JavaScript");
  host->addCode(std::string(script));
  Transformed result{true, host->run(procedure, args), {}};
  // The host already yields empty text for a failed call; the error object makes sure a value
  // left over from a half-finished run is not taken for a result.
  const engine::ScriptError error = host->error();
  if (error.Number != "0") result = {false, {}, error.Description.empty() ? error.Number : error.Description};
  apartment.leave();
  host.reset();
  return result;
}

constexpr const char* kEditorUnchanged = "\r\n编辑框的代码没有改变。";

// A failure must not cost the user the script: the editor keeps it and a box says what failed.
void applyOrReport(workflow::Workbench& bench, const Transformed& result,
                   const std::string& command) {
  if (result.ok) {
    bench.editor().setText(result.text);
    return;
  }
  bench.messageBox(command + "失败：" + result.failure + kEditorUnchanged,
                   workflow::kDefaultMessageTitle, workflow::MessageIcon::Error);
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Whether a "/" after this much of the output starts a regular expression: after an operator or
// an opening bracket, or at the start, as the beautifier itself decides.
bool regexMayStart(std::string_view before) {
  std::size_t end = before.find_last_not_of(" \t\r\n");
  if (end == std::string_view::npos) return true;
  if (std::string_view("(,=:[!&|?{};+-*%<>~^").find(before[end]) != std::string_view::npos)
    return true;
  std::size_t start = end + 1;
  while (start > 0 && (std::isalnum(static_cast<unsigned char>(before[start - 1])) ||
                       before[start - 1] == '_' || before[start - 1] == '$'))
    --start;
  const std::string_view word = before.substr(start, end + 1 - start);
  return word == "return" || word == "typeof" || word == "case" || word == "in" ||
         word == "do" || word == "else" || word == "throw" || word == "delete" || word == "void";
}

std::size_t literalEnd(std::string_view text, std::size_t start);

// Just past the "}" that closes a template's "${" whose expression starts at `start`; strings
// and templates inside it are skipped whole, so their braces do not count.
std::size_t substitutionEnd(std::string_view text, std::size_t start) {
  int depth = 1;
  for (std::size_t i = start; i < text.size();) {
    const char c = text[i];
    if (c == '"' || c == '\'' || c == '`') {
      i = literalEnd(text, i);
      continue;
    }
    if (c == '{') ++depth;
    if (c == '}' && --depth == 0) return i + 1;
    ++i;
  }
  return text.size();
}

// Just past the literal that opens at `start` (a quote, a backquote or a regular expression's
// "/"); the text's end when it is not closed.
std::size_t literalEnd(std::string_view text, std::size_t start) {
  const char open = text[start];
  bool inClass = false;
  for (std::size_t i = start + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      ++i;
    } else if (open == '`' && c == '$' && i + 1 < text.size() && text[i + 1] == '{') {
      i = substitutionEnd(text, i + 2) - 1;
    } else if (open == '/' && inClass) {
      inClass = c != ']';
    } else if (open == '/' && c == '[') {
      inClass = true;
    } else if (c == open) {
      return i + 1;
    } else if (c == '\n' && open != '`') {
      return i;  // a string or an expression never runs into the next line unescaped
    }
  }
  return text.size();
}

// One level of indentation goes and the line breaks of indented lines become CR LF: every LF
// followed by four blanks becomes CR LF, scanning on behind each replacement. Inside strings,
// template literals and regular expressions those bytes are the script's values, so they stay.
std::string dropOneIndentLevel(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '/' && i + 1 < text.size() && (text[i + 1] == '/' || text[i + 1] == '*')) {
      // A comment is layout, not a value: only the quotes in it must not start a literal.
      const std::size_t end = text[i + 1] == '/' ? text.find('\n', i) : text.find("*/", i + 2);
      const std::size_t stop = end == std::string_view::npos ? text.size()
                                                             : end + (text[i + 1] == '*' ? 2 : 0);
      out += text::replaceAll(text.substr(i, stop - i), "\n    ", "\r\n");
      i = stop;
    } else if (c == '"' || c == '\'' || c == '`' || (c == '/' && regexMayStart(out))) {
      const std::size_t end = literalEnd(text, i);
      out.append(text.substr(i, end - i));
      i = end;
    } else if (text.substr(i, 5) == "\n    ") {
      out += "\r\n";
      i += 5;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace

Transformed tryBeautify(const std::string& text) {
  Transformed result = runCarriedScript(kBeautifierScript, "format", {text});
  result.text = dropOneIndentLevel(result.text);
  return result;
}

Transformed tryMinify(const std::string& text) {
  return runCarriedScript(kMinifierScript, "jsmin", {std::string(), text, 3.0});
}

Transformed tryUnpack(const std::string& text) {
  return runCarriedScript(kUnpackerScript, "decode", {text});
}

std::string BeautifyScript(const std::string& text) { return tryBeautify(text).text; }
std::string MinifyScript(const std::string& text) { return tryMinify(text).text; }
std::string UnpackScript(const std::string& text) { return tryUnpack(text).text; }

std::size_t packedScriptStart(std::string_view text) {
  std::size_t i = 0;
  for (;;) {
    if (startsWith(text.substr(i), "\xEF\xBB\xBF")) {
      i += 3;  // a UTF-8 byte order mark, as a file saved by many editors starts
    } else if (startsWith(text.substr(i), "\xA1\xA1")) {
      i += 2;  // the full-width blank
    } else if (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' ||
                                   text[i] == '\n' || text[i] == '\f' || text[i] == '\v')) {
      i += 1;
    } else if (startsWith(text.substr(i), "//")) {
      const std::size_t end = text.find_first_of("\r\n", i);
      if (end == std::string_view::npos) return std::string_view::npos;
      i = end;
    } else if (startsWith(text.substr(i), "/*")) {
      const std::size_t end = text.find("*/", i + 2);
      if (end == std::string_view::npos) return std::string_view::npos;
      i = end + 2;
    } else {
      return startsWith(text.substr(i), "eval") ? i : std::string_view::npos;
    }
  }
}

void beautifyCommand(workflow::Workbench& bench) {
  applyOrReport(bench, tryBeautify(bench.editor().wholeText()), "代码格式化");
}

void minifyCommand(workflow::Workbench& bench) {
  applyOrReport(bench, tryMinify(bench.editor().wholeText()), "压缩");
}

void unpackCommand(workflow::Workbench& bench) {
  const std::string text = bench.editor().wholeText();
  if (text.empty()) return;  // nothing to unpack, and nothing to lose
  const std::size_t start = packedScriptStart(text);
  if (start == std::string_view::npos) {
    applyOrReport(bench,
                  {false, {}, "不是eval打包的代码（应以eval(function(p,a,c,k,e,d)开头）"},
                  "eval解密");
    return;
  }
  Transformed result = tryUnpack(text.substr(start));
  // A packed script gives its source; one that gives nothing has not been unpacked.
  if (result.ok && result.text.empty()) result = {false, {}, "没有得到解密后的代码"};
  applyOrReport(bench, result, "eval解密");
}

}  // namespace jsdebug::transform
