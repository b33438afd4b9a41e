#include "engine/jscript/Refusal.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "text/Codec.h"
#include "text/Text.h"

namespace jsdebug::engine::jscript {
namespace {

// ---- The table of causes ---------------------------------------------------------------------

// What a later edition of the language added, each with the words the reason line uses.
enum class Edition { ES5, ES2015, ES2016, ES2017, ES2018, ES2020 };

const char* editionName(Edition e) {
  switch (e) {
    case Edition::ES5: return "ES5";
    case Edition::ES2015: return "ES2015";
    case Edition::ES2016: return "ES2016";
    case Edition::ES2017: return "ES2017";
    case Edition::ES2018: return "ES2018";
    case Edition::ES2020: return "ES2020";
  }
  return "";
}

// A name of the library JScript 5.7 lacks. A run reaches for it either as a global (`JSON`,
// `Map`: JScript says 5009 "'JSON' 未定义"), as a member of a global (`Object.keys`: 438), or as
// a method of a value (`[].forEach`, `s.trim()`: 438). `owner` is empty for a global, the
// global's name for a static member, and "X.prototype" for a method.
struct LibraryName {
  const char* owner;
  const char* name;
  Edition edition;
};

constexpr LibraryName kLibrary[] = {
    // Globals.
    {"", "JSON", Edition::ES5},
    {"", "Promise", Edition::ES2015},
    {"", "Symbol", Edition::ES2015},
    {"", "Map", Edition::ES2015},
    {"", "Set", Edition::ES2015},
    {"", "WeakMap", Edition::ES2015},
    {"", "WeakSet", Edition::ES2015},
    {"", "Proxy", Edition::ES2015},
    {"", "Reflect", Edition::ES2015},
    {"", "ArrayBuffer", Edition::ES2015},
    {"", "DataView", Edition::ES2015},
    {"", "Int8Array", Edition::ES2015},
    {"", "Uint8Array", Edition::ES2015},
    {"", "Uint8ClampedArray", Edition::ES2015},
    {"", "Int16Array", Edition::ES2015},
    {"", "Uint16Array", Edition::ES2015},
    {"", "Int32Array", Edition::ES2015},
    {"", "Uint32Array", Edition::ES2015},
    {"", "Float32Array", Edition::ES2015},
    {"", "Float64Array", Edition::ES2015},
    {"", "BigInt", Edition::ES2020},
    {"", "globalThis", Edition::ES2020},
    // Statics.
    {"Object", "keys", Edition::ES5},
    {"Object", "create", Edition::ES5},
    {"Object", "defineProperty", Edition::ES5},
    {"Object", "defineProperties", Edition::ES5},
    {"Object", "getPrototypeOf", Edition::ES5},
    {"Object", "getOwnPropertyNames", Edition::ES5},
    {"Object", "getOwnPropertyDescriptor", Edition::ES5},
    {"Object", "freeze", Edition::ES5},
    {"Object", "isFrozen", Edition::ES5},
    {"Object", "seal", Edition::ES5},
    {"Object", "preventExtensions", Edition::ES5},
    {"Object", "assign", Edition::ES2015},
    {"Object", "setPrototypeOf", Edition::ES2015},
    {"Object", "is", Edition::ES2015},
    {"Object", "values", Edition::ES2017},
    {"Object", "entries", Edition::ES2017},
    {"Object", "fromEntries", Edition::ES2017},
    {"Array", "isArray", Edition::ES5},
    {"Array", "from", Edition::ES2015},
    {"Array", "of", Edition::ES2015},
    {"Date", "now", Edition::ES5},
    {"Number", "isInteger", Edition::ES2015},
    {"Number", "isFinite", Edition::ES2015},
    {"Number", "isNaN", Edition::ES2015},
    {"Number", "parseInt", Edition::ES2015},
    {"Number", "parseFloat", Edition::ES2015},
    {"Math", "trunc", Edition::ES2015},
    {"Math", "sign", Edition::ES2015},
    {"Math", "imul", Edition::ES2015},
    {"Math", "clz32", Edition::ES2015},
    {"Math", "log2", Edition::ES2015},
    {"Math", "log10", Edition::ES2015},
    {"Math", "hypot", Edition::ES2015},
    {"Math", "fround", Edition::ES2015},
    {"Math", "cbrt", Edition::ES2015},
    {"String", "fromCodePoint", Edition::ES2015},
    {"String", "raw", Edition::ES2015},
    // Methods. indexOf is also a string method of ES3, but a string would not have failed.
    {"Array.prototype", "forEach", Edition::ES5},
    {"Array.prototype", "map", Edition::ES5},
    {"Array.prototype", "filter", Edition::ES5},
    {"Array.prototype", "reduce", Edition::ES5},
    {"Array.prototype", "reduceRight", Edition::ES5},
    {"Array.prototype", "some", Edition::ES5},
    {"Array.prototype", "every", Edition::ES5},
    {"Array.prototype", "indexOf", Edition::ES5},
    {"Array.prototype", "lastIndexOf", Edition::ES5},
    {"Array.prototype", "find", Edition::ES2015},
    {"Array.prototype", "findIndex", Edition::ES2015},
    {"Array.prototype", "fill", Edition::ES2015},
    {"Array.prototype", "copyWithin", Edition::ES2015},
    {"Array.prototype", "includes", Edition::ES2016},
    {"Array.prototype", "flat", Edition::ES2018},
    {"Array.prototype", "flatMap", Edition::ES2018},
    {"String.prototype", "trim", Edition::ES5},
    {"String.prototype", "trimStart", Edition::ES2018},
    {"String.prototype", "trimEnd", Edition::ES2018},
    {"String.prototype", "startsWith", Edition::ES2015},
    {"String.prototype", "endsWith", Edition::ES2015},
    {"String.prototype", "repeat", Edition::ES2015},
    {"String.prototype", "codePointAt", Edition::ES2015},
    {"String.prototype", "normalize", Edition::ES2015},
    {"String.prototype", "padStart", Edition::ES2017},
    {"String.prototype", "padEnd", Edition::ES2017},
    {"Function.prototype", "bind", Edition::ES5},
    {"Date.prototype", "toISOString", Edition::ES5},
    {"Date.prototype", "toJSON", Edition::ES5},
};

// The syntax causes, by what the text shows where the parse stopped.
enum class Syntax {
  TrailingCommaObject,
  TrailingCommaArguments,
  ReservedAfterDot,
  ReservedKey,
  Accessor,
  Const,
  Let,
  Arrow,
  Class,
  Template,
  Spread,
  DefaultParameter,
  Destructuring,
  ForOf,
  Generator,
  Async,
  Module,
  ShorthandMethod,
  ShorthandProperty,
  BinaryOctal,
  RegExpFlag,
  Exponent,
  OptionalChain,
  Nullish,
};

struct SyntaxCause {
  Syntax syntax;
  // The cause, GBK; "%s" stands for the word the text shows (a reserved word, a flag).
  const char* words;
};

constexpr SyntaxCause kSyntaxCauses[] = {
    {Syntax::TrailingCommaObject, "对象字面量末尾的逗号"},
    {Syntax::TrailingCommaArguments, "参数列表末尾的逗号是 ES2017 语法"},
    {Syntax::ReservedAfterDot, "`.%s` 是保留字，JScript 5.7 不能用它作属性名"},
    {Syntax::ReservedKey, "`%s` 是保留字，JScript 5.7 不能不加引号用它作属性名"},
    {Syntax::Accessor, "getter/setter（get/set 属性）是 ES5 语法"},
    {Syntax::Const, "const 是 ES2015 语法"},
    {Syntax::Let, "let 是 ES2015 语法"},
    {Syntax::Arrow, "箭头函数（=>）是 ES2015 语法"},
    {Syntax::Class, "class 是 ES2015 语法"},
    {Syntax::Template, "模板字符串（`...`）是 ES2015 语法"},
    {Syntax::Spread, "展开/剩余参数（...）是 ES2015 语法"},
    {Syntax::DefaultParameter, "参数默认值是 ES2015 语法"},
    {Syntax::Destructuring, "解构赋值是 ES2015 语法"},
    {Syntax::ForOf, "for...of 是 ES2015 语法"},
    {Syntax::Generator, "生成器函数（function*、yield）是 ES2015 语法"},
    {Syntax::Async, "async/await 是 ES2017 语法"},
    {Syntax::Module, "import/export 是 ES2015 模块语法"},
    {Syntax::ShorthandMethod, "对象字面量里的方法简写是 ES2015 语法"},
    {Syntax::ShorthandProperty, "对象字面量里的属性简写是 ES2015 语法"},
    {Syntax::BinaryOctal, "0b/0o 数字是 ES2015 语法"},
    {Syntax::RegExpFlag, "正则表达式的 %s 标志是 ES2015 以后的语法（JScript 只认 g、i、m）"},
    {Syntax::Exponent, "** 运算符是 ES2016 语法"},
    {Syntax::OptionalChain, "可选链（?.）是 ES2020 语法"},
    {Syntax::Nullish, "?? 运算符是 ES2020 语法"},
};

constexpr const char* kHint = "可改用“V8运行”，或先用“工具”里的“转为JScript”转换";

// JScript 5.7's reserved words, its future reserved words included: none of them may follow a
// "." or stand unquoted as a key.
constexpr const char* kReserved[] = {
    "break",    "case",      "catch",     "class",     "const",   "continue", "debugger",
    "default",  "delete",    "do",        "else",      "enum",    "export",   "extends",
    "false",    "finally",   "for",       "function",  "if",      "import",   "in",
    "instanceof", "new",     "null",      "return",    "super",   "switch",   "this",
    "throw",    "true",      "try",       "typeof",    "var",     "void",     "while",
    "with",
};

bool isReserved(std::string_view word) {
  return std::find(std::begin(kReserved), std::end(kReserved), word) != std::end(kReserved);
}

// ---- Reading the text ------------------------------------------------------------------------

bool isIdentifierByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c == '_' || c == '$' || c >= 0x80;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

enum class Kind { Word, Number, String, Template, RegExp, Punct };

struct Token {
  Kind kind;
  std::size_t start;
  std::size_t end;
  std::string_view text;
};

// A lexer good enough to name what stands around a position: strings, comments, regular
// expressions (told from division by the token before) and templates are skipped whole, so
// their insides are never taken for code. Stops once `stopAfter` tokens lie past `position`.
class Lexer {
 public:
  explicit Lexer(std::string_view s) : s_(s) {}

  std::vector<Token> tokensAround(std::size_t position, std::size_t stopAfter) {
    std::vector<Token> tokens;
    std::size_t past = 0;
    while (true) {
      skipBlanks();
      if (p_ >= s_.size()) break;
      tokens.push_back(next(tokens.empty() ? nullptr : &tokens.back()));
      if (tokens.back().end > position && ++past >= stopAfter) break;
    }
    return tokens;
  }

 private:
  void skipBlanks() {
    while (p_ < s_.size()) {
      const char c = s_[p_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
        ++p_;
      } else if (c == '/' && p_ + 1 < s_.size() && s_[p_ + 1] == '/') {
        while (p_ < s_.size() && s_[p_] != '\n' && s_[p_] != '\r') ++p_;
      } else if (c == '/' && p_ + 1 < s_.size() && s_[p_ + 1] == '*') {
        const std::size_t close = s_.find("*/", p_ + 2);
        p_ = close == std::string_view::npos ? s_.size() : close + 2;
      } else {
        break;
      }
    }
  }

  static bool regExpMayFollow(const Token* before) {
    if (!before) return true;
    if (before->kind == Kind::Punct) return before->text != ")" && before->text != "]" && before->text != "}";
    if (before->kind == Kind::Word) {
      static constexpr std::string_view kOperatorWords[] = {"return", "typeof", "instanceof", "in",
                                                           "of",     "new",    "delete",     "void",
                                                           "throw",  "case",   "do",         "else"};
      return std::find(std::begin(kOperatorWords), std::end(kOperatorWords), before->text) !=
             std::end(kOperatorWords);
    }
    return false;
  }

  Token make(Kind kind, std::size_t start) { return {kind, start, p_, s_.substr(start, p_ - start)}; }

  // Past a quoted text or a regular expression's body: stops after `close`, at a line break or
  // at the end, whichever comes first; a backslash and a GBK double byte take their next byte.
  void skipQuoted(char close, bool classes) {
    bool inClass = false;
    while (p_ < s_.size()) {
      const unsigned char c = static_cast<unsigned char>(s_[p_]);
      if (c == '\n' || c == '\r') return;
      ++p_;
      if (c == '\\' || (c >= 0x81 && c <= 0xFE)) {
        if (p_ < s_.size()) ++p_;
      } else if (classes && c == '[') {
        inClass = true;
      } else if (classes && c == ']') {
        inClass = false;
      } else if (c == static_cast<unsigned char>(close) && !inClass) {
        return;
      }
    }
  }

  Token next(const Token* before) {
    const std::size_t start = p_;
    const unsigned char c = static_cast<unsigned char>(s_[p_]);
    if (isDigit(static_cast<char>(c)) || (c == '.' && p_ + 1 < s_.size() && isDigit(s_[p_ + 1]))) {
      while (p_ < s_.size() && (isIdentifierByte(static_cast<unsigned char>(s_[p_])) || s_[p_] == '.'))
        ++p_;
      return make(Kind::Number, start);
    }
    if (isIdentifierByte(c) || c == '\\') {
      while (p_ < s_.size()) {
        const unsigned char b = static_cast<unsigned char>(s_[p_]);
        if (b >= 0x81 && b <= 0xFE && p_ + 1 < s_.size()) {
          p_ += 2;
        } else if (isIdentifierByte(b) || b == '\\') {
          ++p_;
        } else {
          break;
        }
      }
      return make(Kind::Word, start);
    }
    if (c == '"' || c == '\'') {
      ++p_;
      skipQuoted(static_cast<char>(c), false);
      return make(Kind::String, start);
    }
    if (c == '`') {
      // The whole template, line breaks included; a template is the cause wherever it stands.
      const std::size_t close = s_.find('`', p_ + 1);
      p_ = close == std::string_view::npos ? s_.size() : close + 1;
      return make(Kind::Template, start);
    }
    if (c == '/' && regExpMayFollow(before)) {
      ++p_;
      skipQuoted('/', true);
      while (p_ < s_.size() && isIdentifierByte(static_cast<unsigned char>(s_[p_]))) ++p_;
      return make(Kind::RegExp, start);
    }
    static constexpr std::string_view kPunctuators[] = {
        ">>>=", "...", "===", "!==", "**=", "<<=", ">>=", ">>>", "=>", "?.", "??", "**", "==",
        "!=",   "<=",  ">=",  "&&",  "||",  "++",  "--",  "+=",  "-=", "*=", "/=", "%=", "&=",
        "|=",   "^=",  "<<",  ">>"};
    for (std::string_view punct : kPunctuators) {
      if (s_.substr(p_, punct.size()) == punct) {
        // "?." before a digit is a conditional and a number: a ? .5 : 1.
        if (punct == "?." && p_ + 2 < s_.size() && isDigit(s_[p_ + 2])) continue;
        p_ += punct.size();
        return make(Kind::Punct, start);
      }
    }
    ++p_;
    return make(Kind::Punct, start);
  }

  std::string_view s_;
  std::size_t p_ = 0;
};

// The byte offset of a 1-based line and a 0-based column counted in characters (a GBK double
// byte is one), as JScript names a position; the end of the text when it lies beyond.
std::size_t offsetOf(std::string_view s, int line, int column) {
  std::size_t p = 0;
  for (int l = 1; l < line && p < s.size(); ++p) {
    if (s[p] == '\n' || (s[p] == '\r' && (p + 1 >= s.size() || s[p + 1] != '\n'))) ++l;
  }
  for (int c = 0; c < column && p < s.size() && s[p] != '\r' && s[p] != '\n'; ++c)
    p += static_cast<std::size_t>(gbk::charLength(s, p));
  return p;
}

// The 1-based line of a byte offset.
int lineOf(std::string_view s, std::size_t offset) {
  int line = 1;
  for (std::size_t p = 0; p < offset && p < s.size(); ++p)
    if (s[p] == '\n' || (s[p] == '\r' && (p + 1 >= s.size() || s[p + 1] != '\n'))) ++line;
  return line;
}

// The tokens around the place the parse stopped: at is the token holding the position or, in
// blanks, the one after it.
struct Around {
  const std::vector<Token>& tokens;
  std::size_t at;

  const Token* get(std::ptrdiff_t delta) const {
    const std::ptrdiff_t i = static_cast<std::ptrdiff_t>(at) + delta;
    if (i < 0 || i >= static_cast<std::ptrdiff_t>(tokens.size())) return nullptr;
    return &tokens[static_cast<std::size_t>(i)];
  }
  bool is(std::ptrdiff_t delta, std::string_view text) const {
    const Token* t = get(delta);
    return t && t->kind != Kind::String && t->kind != Kind::Template && t->text == text;
  }
  bool isWord(std::ptrdiff_t delta) const {
    const Token* t = get(delta);
    return t && t->kind == Kind::Word;
  }
  bool isName(std::ptrdiff_t delta) const { return isWord(delta) && !isReserved(get(delta)->text); }

  // The bracket this token sits directly in, walking back over balanced ones: its distance
  // from here and its text, or nothing at the top level.
  std::optional<std::pair<std::ptrdiff_t, std::string_view>> enclosingBracket() const {
    int depth = 0;
    for (std::ptrdiff_t d = -1; get(d); --d) {
      const std::string_view t = get(d)->kind == Kind::Punct ? get(d)->text : std::string_view();
      if (t == ")" || t == "]" || t == "}") ++depth;
      if ((t == "(" || t == "[" || t == "{") && depth-- == 0) return std::make_pair(d, t);
    }
    return std::nullopt;
  }
  // Whether the bracket this token sits directly in opens a function's parameters.
  bool inParameters() const {
    const auto bracket = enclosingBracket();
    if (!bracket || bracket->second != "(") return false;
    const std::ptrdiff_t d = bracket->first;
    return is(d - 1, "function") || (isWord(d - 1) && is(d - 2, "function"));
  }
  // Whether this token sits directly in an object literal: the "{" it sits in follows something
  // after which only an expression can come.
  bool inObjectLiteral() const {
    const auto bracket = enclosingBracket();
    if (!bracket || bracket->second != "{") return false;
    const Token* before = get(bracket->first - 1);
    if (!before) return false;
    if (before->kind == Kind::Word) return before->text == "return";
    static constexpr std::string_view kOpeners[] = {"=", "(", ",", ":", "[", "?", "||", "&&"};
    return std::find(std::begin(kOpeners), std::end(kOpeners), before->text) != std::end(kOpeners);
  }
};

struct SyntaxFinding {
  Syntax syntax;
  std::string word;
};

std::optional<SyntaxFinding> syntaxCause(const Around& a) {
  const Token* cur = a.get(0);
  if (!cur) return std::nullopt;
  auto found = [](Syntax s, std::string_view word = {}) {
    return std::optional<SyntaxFinding>(SyntaxFinding{s, std::string(word)});
  };
  // Forms that are the cause wherever near the stop they stand.
  for (std::ptrdiff_t d : {0, -1, 1}) {
    const Token* t = a.get(d);
    if (!t) continue;
    if (t->kind == Kind::Template) return found(Syntax::Template);
    if (t->kind == Kind::Punct && t->text == "=>") return found(Syntax::Arrow);
    if (t->kind == Kind::Punct && t->text == "...") return found(Syntax::Spread);
    if (t->kind == Kind::Punct && t->text == "?.") return found(Syntax::OptionalChain);
    if (t->kind == Kind::Punct && t->text == "??") return found(Syntax::Nullish);
  }
  if (cur->kind == Kind::RegExp) {
    const std::size_t close = cur->text.rfind('/');
    for (char flag : cur->text.substr(close + 1))
      if (flag != 'g' && flag != 'i' && flag != 'm') return found(Syntax::RegExpFlag, std::string(1, flag));
  }
  if (cur->kind == Kind::Number && cur->text.size() > 1 && cur->text[0] == '0' &&
      (cur->text[1] == 'b' || cur->text[1] == 'B' || cur->text[1] == 'o' || cur->text[1] == 'O'))
    return found(Syntax::BinaryOctal);
  if (a.is(0, "**") || a.is(0, "**=")) return found(Syntax::Exponent);
  if (a.is(0, "const") || a.is(-1, "const")) return found(Syntax::Const);
  if (a.is(0, "class") && !a.is(-1, ".") && !a.is(1, ":")) return found(Syntax::Class);
  if (a.is(-1, "class")) return found(Syntax::Class);
  if (a.is(-1, "let") && (a.isWord(0) || a.is(0, "[") || a.is(0, "{"))) return found(Syntax::Let);
  if (a.is(0, "import") || a.is(0, "export")) return found(Syntax::Module);
  if (a.is(-1, "async") || a.is(-1, "await")) return found(Syntax::Async);
  if (a.is(0, "*") && a.is(-1, "function")) return found(Syntax::Generator);
  if (a.is(-1, "yield")) return found(Syntax::Generator);
  if (a.is(0, "of") && a.isWord(-1) && (a.is(-2, "var") || a.is(-2, "(")))
    return found(Syntax::ForOf);
  if (a.is(-1, ",") && a.is(0, "}")) return found(Syntax::TrailingCommaObject);
  if (a.is(-1, ",") && a.is(0, ")")) return found(Syntax::TrailingCommaArguments);
  if (a.is(-1, ".") && a.isWord(0) && isReserved(cur->text))
    return found(Syntax::ReservedAfterDot, cur->text);
  if ((a.is(-1, "{") || a.is(-1, ",")) && a.isWord(0) && isReserved(cur->text) && a.is(1, ":"))
    return found(Syntax::ReservedKey, cur->text);
  if ((a.is(-1, "get") || a.is(-1, "set")) && (a.is(-2, "{") || a.is(-2, ",")) &&
      (a.isWord(0) || cur->kind == Kind::String || cur->kind == Kind::Number) && a.is(1, "("))
    return found(Syntax::Accessor);
  if ((a.is(-1, "var") || a.is(-1, "(") || a.is(-1, ",")) && (a.is(0, "[") || a.is(0, "{")) &&
      (a.is(-1, "var") || a.inParameters()))
    return found(Syntax::Destructuring);
  if (a.is(0, "=") && a.isName(-1) && a.inParameters()) return found(Syntax::DefaultParameter);
  if (a.is(0, "(") && a.isName(-1) && (a.is(-2, "{") || a.is(-2, ",")) && a.inObjectLiteral())
    return found(Syntax::ShorthandMethod);
  if ((a.is(0, ",") || a.is(0, "}")) && a.isName(-1) && (a.is(-2, "{") || a.is(-2, ",")) &&
      a.inObjectLiteral())
    return found(Syntax::ShorthandProperty);
  return std::nullopt;
}

std::string syntaxWords(const SyntaxFinding& finding) {
  for (const SyntaxCause& cause : kSyntaxCauses) {
    if (cause.syntax != finding.syntax) continue;
    std::string words = cause.words;
    const std::size_t slot = words.find("%s");
    if (slot != std::string::npos) words.replace(slot, 2, finding.word);
    return words;
  }
  return {};
}

std::string libraryWords(const LibraryName& entry) {
  std::string name = entry.owner;
  if (!name.empty()) name += ".";
  name += entry.name;
  return std::string("JScript 5.7 没有 ") + editionName(entry.edition) + " 的 " + name;
}

// The first name of the table used as a member in `code` (".name" read as a word, not as part
// of a longer one): with its static owner when the owner stands before the dot.
struct MemberUse {
  const LibraryName* entry;
  std::size_t offset;
};

std::optional<MemberUse> firstMemberUse(std::string_view code) {
  Lexer lexer(code);
  const std::vector<Token> tokens = lexer.tokensAround(code.size(), 1);
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    if (tokens[i].kind != Kind::Word || tokens[i - 1].text != "." || tokens[i - 1].kind != Kind::Punct)
      continue;
    const std::string_view owner = i >= 2 && tokens[i - 2].kind == Kind::Word ? tokens[i - 2].text
                                                                                : std::string_view();
    // "ab".indexOf(...) is ES3's string method, which did not fail.
    const bool onStringLiteral = i >= 2 && tokens[i - 2].kind == Kind::String;
    if (onStringLiteral && (tokens[i].text == "indexOf" || tokens[i].text == "lastIndexOf")) continue;
    const LibraryName* method = nullptr;
    for (const LibraryName& entry : kLibrary) {
      if (tokens[i].text != entry.name || *entry.owner == '\0') continue;
      const std::string_view entryOwner = entry.owner;
      if (entryOwner == owner) return MemberUse{&entry, tokens[i].start};
      if (!method && entryOwner.ends_with(".prototype")) method = &entry;
    }
    // A static of the right name on another owner (o.keys()) is no cause; a method is taken
    // on any value.
    if (method) return MemberUse{method, tokens[i].start};
  }
  return std::nullopt;
}

const LibraryName* globalNamed(std::string_view name) {
  for (const LibraryName& entry : kLibrary)
    if (*entry.owner == '\0' && name == entry.name) return &entry;
  return nullptr;
}

// The lines a run-time error's statement may span, from where the engine says it starts: the
// member it lacked is on that first line in all but long chains of calls.
constexpr int kStatementLines = 20;

std::string_view linesFrom(std::string_view s, std::size_t offset, int lines) {
  std::size_t end = offset;
  for (int l = 0; l < lines && end < s.size(); ++l) {
    const std::size_t next = s.find('\n', end);
    end = next == std::string_view::npos ? s.size() : next + 1;
  }
  return s.substr(offset, end - offset);
}

std::string where(int line) { return "（第" + std::to_string(line) + "行）"; }
constexpr const char* kInCall = "（调用里）";

int toInt(const std::string& text) { return text::toInteger(text); }

std::string runTimeCause(const ScriptError& error, std::string_view script, std::string_view call) {
  const int number = toInt(error.Number);
  const int line = toInt(error.Line);
  const int column = toInt(error.Column);
  if (number == 5009 || number == 5007) {
    // "'JSON' 未定义", "'Object.keys' 为空或不是对象": the quoted name says it.
    const std::string quoted = text::TextBetween(error.Description, "'", "'");
    const std::size_t dot = quoted.rfind('.');
    const std::string last = dot == std::string::npos ? quoted : quoted.substr(dot + 1);
    const std::string owner = dot == std::string::npos ? "" : quoted.substr(0, dot);
    const LibraryName* entry = number == 5009 ? globalNamed(quoted) : nullptr;
    if (number == 5007) {
      for (const LibraryName& e : kLibrary) {
        if (last != e.name || *e.owner == '\0') continue;
        const std::string_view entryOwner = e.owner;
        if (entryOwner == owner) { entry = &e; break; }
        if (!entry && entryOwner.ends_with(".prototype")) entry = &e;
      }
    }
    if (!entry) return {};
    const std::size_t at = offsetOf(script, line, 0);
    const bool onLine = text::findText(linesFrom(script, at, 1), entry->name) > 0;
    if (!onLine && text::findText(call, entry->name) > 0) return libraryWords(*entry) + kInCall;
    return libraryWords(*entry) + (onLine ? where(line) : "");
  }
  if (number == 438) {
    // A call is one short expression, usually naming only the script's function: a library
    // member in it is the likelier culprit than one on the script line its error names.
    if (const auto use = firstMemberUse(call)) return libraryWords(*use->entry) + kInCall;
    // The error names the statement that failed: the first library member from there on, within
    // the lines a statement may span.
    const std::size_t at = offsetOf(script, line, column);
    if (const auto use = firstMemberUse(linesFrom(script, at, kStatementLines)))
      return libraryWords(*use->entry) + where(lineOf(script, at + use->offset));
  }
  return {};
}

std::string syntaxCauseIn(std::string_view text, int line, int column) {
  const std::size_t position = offsetOf(text, line, column);
  Lexer lexer(text);
  const std::vector<Token> tokens = lexer.tokensAround(position, 3);
  std::size_t at = 0;
  while (at < tokens.size() && tokens[at].end <= position) ++at;
  if (at >= tokens.size()) {
    if (tokens.empty()) return {};
    at = tokens.size() - 1;
  }
  const auto finding = syntaxCause(Around{tokens, at});
  return finding ? syntaxWords(*finding) : std::string();
}

bool isSyntaxError(int number) { return number >= 1001 && number <= 1099; }

}  // namespace

std::string refusalReason(const ScriptError& error, std::string_view script, std::string_view call) {
  const int number = toInt(error.Number);
  std::string cause;
  if (isSyntaxError(number)) {
    const int line = toInt(error.Line);
    const int column = toInt(error.Column);
    // A syntax error after a load names the script; during a call, the call text (the script
    // had loaded).
    if (call.empty()) {
      cause = syntaxCauseIn(script, line, column);
      if (!cause.empty()) cause += where(line);
    } else {
      cause = syntaxCauseIn(call, line, column);
      if (!cause.empty()) cause += kInCall;
    }
  } else {
    cause = runTimeCause(error, script, call);
  }
  if (cause.empty()) return {};
  return "原因：" + cause + "。" + kHint + "。";
}

}  // namespace jsdebug::engine::jscript
