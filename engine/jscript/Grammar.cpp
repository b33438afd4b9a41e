#include "engine/jscript/Grammar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <unordered_map>

#include "engine/DuktapeError.h"
#include "text/Codec.h"

// One pass, one token of lookahead, and recursion only where the grammar nests. Every way of
// nesting (brackets, blocks, conditional-compilation parentheses) goes through a depth guard,
// so a hostile text ends in a report instead of exhausting the C stack.

namespace jsdebug::engine::jscript {
namespace {

// Deeper nesting than this is refused as JScript refuses it, with "out of stack space". It sits
// above Duktape's own compiler recursion limit (overrides.h), so no text Duktape could compile
// is refused here.
constexpr int kMaxDepth = 1100;

constexpr int kStackOverflow = 28;
constexpr int kSyntax = 1002;
constexpr int kExpectedColon = 1003;
constexpr int kExpectedSemicolon = 1004;
constexpr int kExpectedLParen = 1005;
constexpr int kExpectedRParen = 1006;
constexpr int kExpectedRBracket = 1007;
constexpr int kExpectedLBrace = 1008;
constexpr int kExpectedRBrace = 1009;
constexpr int kExpectedIdentifier = 1010;
constexpr int kExpectedAssign = 1011;
constexpr int kExpectedSlash = 1012;
constexpr int kInvalidNumber = 1013;
constexpr int kInvalidCharacter = 1014;
constexpr int kUnterminatedString = 1015;
constexpr int kUnterminatedComment = 1016;
constexpr int kReturnOutsideFunction = 1018;
constexpr int kBreakOutsideLoop = 1019;
constexpr int kContinueOutsideLoop = 1020;
constexpr int kExpectedHexDigit = 1023;
constexpr int kExpectedWhile = 1024;
constexpr int kLabelRedefined = 1025;
constexpr int kLabelNotFound = 1026;
constexpr int kDefaultTwice = 1027;
constexpr int kExpectedPropertyName = 1028;
constexpr int kExpectedCcEnd = 1029;
constexpr int kCcOff = 1030;
constexpr int kExpectedConstant = 1031;
constexpr int kExpectedAt = 1032;
constexpr int kExpectedCatch = 1033;
constexpr int kThrowNeedsExpression = 1035;

const char* describe(int number) {
  switch (number) {
    case kStackOverflow: return "堆栈溢出";
    case kExpectedColon: return "缺少 ':'";
    case kExpectedSemicolon: return "缺少 ';'";
    case kExpectedLParen: return "缺少 '('";
    case kExpectedRParen: return "缺少 ')'";
    case kExpectedRBracket: return "缺少 ']'";
    case kExpectedLBrace: return "缺少 '{'";
    case kExpectedRBrace: return "缺少 '}'";
    case kExpectedIdentifier: return "缺少标识符";
    case kExpectedAssign: return "缺少 '='";
    case kExpectedSlash: return "缺少 '/'";
    case kInvalidNumber: return "无效数字";
    case kInvalidCharacter: return "无效字符";
    case kUnterminatedString: return "未结束的字符串常量";
    case kUnterminatedComment: return "未结束的注释";
    case kReturnOutsideFunction: return "'return' 语句在函数之外";
    case kBreakOutsideLoop: return "不能在循环之外使用 'break'";
    case kContinueOutsideLoop: return "不能在循环之外使用 'continue'";
    case kExpectedHexDigit: return "缺少十六进制数字";
    case kExpectedWhile: return "缺少 'while'";
    case kLabelRedefined: return "标签重新定义";
    case kLabelNotFound: return "未找到标签";
    case kDefaultTwice: return "'default' 只能在 'switch' 语句中出现一次";
    case kExpectedPropertyName: return "缺少标识符、字符串或数字";
    case kExpectedCcEnd: return "缺少 '@end'";
    case kCcOff: return "条件编译已关闭";
    case kExpectedConstant: return "缺少常量";
    case kExpectedAt: return "缺少 '@'";
    case kExpectedCatch: return "缺少 'catch'";
    case kThrowNeedsExpression: return "throw 后面必须跟有一个表达式并且位于同一行";
    default: return "语法错误";
  }
}

// Unwinds the parse to checkSource; nothing in the parse holds a resource of its own.
struct Failure {
  int number;
  std::size_t pos;
};

[[noreturn]] void fail(int number, std::size_t pos) { throw Failure{number, pos}; }

// The words JScript reserves: ES3's keywords and the future words it refuses as names.
enum Kw : std::int8_t {
  kNone = -1, kBreak, kCase, kCatch, kClass, kConst, kContinue, kDebugger, kDefault, kDelete,
  kDo, kElse, kEnum, kExport, kExtends, kFalse, kFinally, kFor, kFunction, kIf, kImport, kIn,
  kInstanceof, kNew, kNull, kReturn, kSuper, kSwitch, kThis, kThrow, kTrue, kTry, kTypeof, kVar,
  kVoid, kWhile, kWith
};

Kw keyword(std::string_view word) {
  static const std::unordered_map<std::string_view, Kw> words{
      {"break", kBreak}, {"case", kCase}, {"catch", kCatch}, {"class", kClass},
      {"const", kConst}, {"continue", kContinue}, {"debugger", kDebugger},
      {"default", kDefault}, {"delete", kDelete}, {"do", kDo}, {"else", kElse},
      {"enum", kEnum}, {"export", kExport}, {"extends", kExtends}, {"false", kFalse},
      {"finally", kFinally}, {"for", kFor}, {"function", kFunction}, {"if", kIf},
      {"import", kImport}, {"in", kIn}, {"instanceof", kInstanceof}, {"new", kNew},
      {"null", kNull}, {"return", kReturn}, {"super", kSuper}, {"switch", kSwitch},
      {"this", kThis}, {"throw", kThrow}, {"true", kTrue}, {"try", kTry},
      {"typeof", kTypeof}, {"var", kVar}, {"void", kVoid}, {"while", kWhile}, {"with", kWith}};
  if (word.size() < 2 || word.size() > 10) return kNone;
  auto found = words.find(word);
  return found == words.end() ? kNone : found->second;
}

bool isAsciiIdentifierStart(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
}
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(unsigned char c) {
  return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

// Letters a GBK text can hold that both JScript and Duktape take into a name: the CJK
// ideographs, kana, hangul, the Latin, Greek and Cyrillic letters and the full-width ASCII
// letters. GBK's punctuation and symbols stay invalid characters, as they are there.
bool isWideLetter(char16_t u) {
  return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) ||
         (u >= 0xF900 && u <= 0xFAFF) || (u >= 0x3041 && u <= 0x3096) ||
         (u >= 0x30A1 && u <= 0x30FA) || (u >= 0xAC00 && u <= 0xD7A3) ||
         (u >= 0xFF21 && u <= 0xFF3A) || (u >= 0xFF41 && u <= 0xFF5A) ||
         (u >= 0x00C0 && u <= 0x024F && u != 0xD7 && u != 0xF7) ||
         (u >= 0x0391 && u <= 0x03C9 && u != 0x03A2) || (u >= 0x0401 && u <= 0x0451) ||
         u == 0x3005 || u == 0x3006 || u == 0x3007;
}

// ---- Where a byte offset lies: line and character column ----------------------------------

// Walks the text once when asked for positions in increasing order, as the parse does.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  void moveTo(std::size_t pos) {
    if (pos < pos_) *this = Cursor(text_);
    pos = std::min(pos, text_.size());
    while (pos_ < pos) {
      char c = text_[pos_];
      if (c == '\n') {
        if (!afterCr_) ++line_;
        column_ = 0;
        afterCr_ = false;
        ++pos_;
      } else if (c == '\r') {
        ++line_;
        column_ = 0;
        afterCr_ = true;
        ++pos_;
      } else {
        afterCr_ = false;
        pos_ += static_cast<std::size_t>(gbk::charLength(text_, pos_));
        ++column_;
      }
    }
  }
  int line() const { return line_; }
  int column() const { return column_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int column_ = 0;
  bool afterCr_ = false;
};

// ---- The text for Duktape ------------------------------------------------------------------

// Blanking works in place (same length, line breaks kept); other rewrites are splices applied
// at the end in order of position.
class Output {
 public:
  explicit Output(std::string_view source) : text_(source) {}

  void blank(std::size_t from, std::size_t to) {
    to = std::min(to, text_.size());
    for (std::size_t i = from; i < to; ++i)
      if (!isLineBreak(text_[i])) text_[i] = ' ';
  }
  // `early` splices at the same position go first: declarations put at the head of a body.
  void replace(std::size_t pos, std::size_t length, std::string text, bool early = false) {
    splices_.push_back({pos, length, early ? 0 : 1, splices_.size(), std::move(text)});
  }
  void insert(std::size_t pos, std::string text, bool early = false) {
    replace(pos, 0, std::move(text), early);
  }

  // Also moves each span's codeOffset from where its statement starts in the source to where
  // it starts in the result: after the splices before it, before those at the same place, which
  // belong to the statement's first token (a bracket) or come before it (a declaration).
  std::string finish(std::vector<StatementSpan>& spans) {
    if (splices_.empty()) return std::move(text_);
    std::sort(splices_.begin(), splices_.end(), [](const Splice& a, const Splice& b) {
      if (a.pos != b.pos) return a.pos < b.pos;
      if (a.rank != b.rank) return a.rank < b.rank;
      return a.order < b.order;
    });
    std::string out;
    out.reserve(text_.size() + splices_.size() * 4);
    std::size_t copied = 0;
    auto span = spans.begin();
    auto moveSpans = [&](std::size_t upTo) {
      for (; span != spans.end() && span->codeOffset <= upTo; ++span)
        span->codeOffset = out.size() + (span->codeOffset > copied ? span->codeOffset - copied : 0);
    };
    for (const Splice& s : splices_) {
      if (s.pos < copied) continue;  // never overlaps by construction; stay safe if it did
      moveSpans(s.pos);
      out.append(text_, copied, s.pos - copied);
      out += s.text;
      copied = s.pos + s.length;
    }
    moveSpans(std::string::npos);
    out.append(text_, copied, std::string::npos);
    return out;
  }

 private:
  struct Splice {
    std::size_t pos;
    std::size_t length;
    int rank;
    std::size_t order;
    std::string text;
  };
  std::string text_;
  std::vector<Splice> splices_;
};

// ---- Tokens ---------------------------------------------------------------------------------

enum class Tk : std::uint8_t { End, Name, Number, String, Regex, Punct, Value };

struct Token {
  Tk kind = Tk::End;
  Kw kw = kNone;
  bool newlineBefore = false;
  std::size_t pos = 0;
  std::size_t end = 0;
  std::string_view text;

  bool is(std::string_view punct) const { return kind == Tk::Punct && text == punct; }
  bool isKw(Kw k) const { return kind == Tk::Name && kw == k; }
  bool isIdentifier() const { return kind == Tk::Name && kw == kNone; }
};

constexpr std::string_view kPunctuators[] = {
    ">>>=", "===", "!==", ">>>", "<<=", ">>=", "<=", ">=", "==", "!=", "++", "--", "<<", ">>",
    "&&",   "||",  "+=",  "-=",  "*=",  "%=",  "&=", "|=", "^=", "/=", "{",  "}",  "(",  ")",
    "[",    "]",   ";",   ",",   "<",   ">",   "+",  "-",  "*",  "%",  "&",  "|",  "^",  "!",
    "~",    "?",   ":",   "=",   ".",   "/"};

// ---- Conditional compilation values ----------------------------------------------------------

double toInt32(double d) {
  if (!std::isfinite(d)) return 0;
  double m = std::fmod(std::trunc(d), 4294967296.0);
  if (m < 0) m += 4294967296.0;
  return m >= 2147483648.0 ? m - 4294967296.0 : m;
}
std::uint32_t toUint32(double d) { return static_cast<std::uint32_t>(toInt32(d) < 0 ? toInt32(d) + 4294967296.0 : toInt32(d)); }
bool truthy(const ConditionalValue& v) { return v.number != 0 && !std::isnan(v.number); }
ConditionalValue number(double d) { return {false, d}; }
ConditionalValue boolean(bool b) { return {true, b ? 1.0 : 0.0}; }

// How a value is written into the code in place of its @name.
std::string valueText(const ConditionalValue& v) {
  if (v.isBool) return v.number != 0 ? "true" : "false";
  if (std::isnan(v.number)) return "NaN";
  if (std::isinf(v.number)) return v.number > 0 ? "Infinity" : "(-Infinity)";
  char buffer[40];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, v.number);
    if (std::strtod(buffer, nullptr) == v.number) break;
  }
  return "(" + std::string(buffer) + ")";
}

// ---- The lexer --------------------------------------------------------------------------------

class Lexer {
 public:
  Lexer(std::string_view source, Output& out, ConditionalState& cc)
      : s_(source), out_(out), cc_(cc) {}

  Token next() {
    bool newline = false;
    for (;;) {
      if (p_ >= s_.size()) {
        if (!frames_.empty()) fail(kExpectedCcEnd, s_.size());
        Token end;
        end.pos = end.end = s_.size();
        end.newlineBefore = true;
        return end;
      }
      auto c = static_cast<unsigned char>(s_[p_]);
      if (c == '\n' || c == '\r') {
        newline = true;
        ++p_;
      } else if (c == ' ' || c == '\t' || c == '\v' || c == '\f') {
        ++p_;
      } else if (c == 0xA1 && p_ + 1 < s_.size() && static_cast<unsigned char>(s_[p_ + 1]) == 0xA1) {
        p_ += 2;  // the ideographic space
      } else if (c == '/' && at(p_ + 1) == '/') {
        if (opensConditionalComment(p_ + 2)) {
          out_.blank(p_, p_ + 2);
          p_ += 2;
          openerAt_ = p_;
        } else {
          while (p_ < s_.size() && !isLineBreak(s_[p_])) ++p_;
        }
      } else if (c == '/' && at(p_ + 1) == '*') {
        if (opensConditionalComment(p_ + 2)) {
          out_.blank(p_, p_ + 2);
          p_ += 2;
          openerAt_ = p_;
        } else {
          std::size_t close = s_.find("*/", p_ + 2);
          if (close == std::string_view::npos) fail(kUnterminatedComment, p_);
          if (s_.substr(p_, close - p_).find_first_of("\r\n") != std::string_view::npos)
            newline = true;
          p_ = close + 2;
        }
      } else if (c == '@') {
        Token value;
        if (conditional(value)) {
          value.newlineBefore = newline;
          return value;
        }
      } else {
        Token t = token();
        t.newlineBefore = newline;
        return t;
      }
    }
  }

  // Reads the regular expression that starts at a '/' the parser met where a value belongs.
  Token regexAt(const Token& slash) {
    std::size_t i = slash.pos + 1;
    bool inClass = false;
    for (;;) {
      if (i >= s_.size() || isLineBreak(s_[i])) fail(kExpectedSlash, i);
      char c = s_[i];
      if (c == '\\') {
        ++i;
        if (i >= s_.size() || isLineBreak(s_[i])) fail(kExpectedSlash, i);
      } else if (c == '[') {
        inClass = true;
      } else if (c == ']') {
        inClass = false;
      } else if (c == '/' && !inClass) {
        break;
      }
      i += static_cast<std::size_t>(gbk::charLength(s_, i));
    }
    ++i;
    std::size_t flagsAt = i;
    unsigned seen = 0;
    while (i < s_.size() && (isAsciiIdentifierStart(static_cast<unsigned char>(s_[i])) ||
                             isDigit(static_cast<unsigned char>(s_[i])))) {
      // JScript knows g, i and m, each once.
      const char* flag = std::strchr("gim", s_[i]);
      unsigned bit = flag ? 1u << (flag - "gim") : 0;
      if (!bit || (seen & bit)) fail(kSyntax, flagsAt);
      seen |= bit;
      ++i;
    }
    if (i < s_.size() && static_cast<unsigned char>(s_[i]) >= 0x80 && startsWideLetter(i))
      fail(kSyntax, flagsAt);
    Token t = slash;
    t.kind = Tk::Regex;
    t.end = p_ = i;
    t.text = s_.substr(t.pos, t.end - t.pos);
    return t;
  }

 private:
  char at(std::size_t i) const { return i < s_.size() ? s_[i] : '\0'; }

  std::string_view wordAt(std::size_t i) const {
    std::size_t end = i;
    while (end < s_.size() && (isAsciiIdentifierStart(static_cast<unsigned char>(s_[end])) ||
                               isDigit(static_cast<unsigned char>(s_[end]))))
      ++end;
    return s_.substr(std::min(i, s_.size()), end - std::min(i, s_.size()));
  }

  // A comment whose text starts with '@' is code while conditional compilation is on, and
  // "@cc_on" there turns it on.
  bool opensConditionalComment(std::size_t i) const {
    return at(i) == '@' && (cc_.on || wordAt(i + 1) == "cc_on");
  }

  bool startsWideLetter(std::size_t i) const {
    if (gbk::charLength(s_, i) != 2) return false;
    std::u16string u = gbk::toUtf16(s_.substr(i, 2));
    return u.size() == 1 && isWideLetter(u[0]);
  }

  // ---- @ directives and variables ----

  // Handles the '@' at p_; true when it stands for a value the parser reads as a literal.
  bool conditional(Token& value) {
    const std::size_t at = p_;
    if (cc_.on && s_.compare(at, 3, "@*/") == 0) {
      out_.blank(at, at + 3);
      p_ = at + 3;
      return false;
    }
    std::string_view word = wordAt(at + 1);
    std::size_t after = at + 1 + word.size();
    if (word == "cc_on") {
      cc_.on = true;
      out_.blank(at, after);
      p_ = after;
      return false;
    }
    if (!cc_.on) fail(kCcOff, at);
    if (word.empty()) {
      if (at != openerAt_) fail(kSyntax, at);
      out_.blank(at, at + 1);  // the '@' that opened a conditional comment
      p_ = at + 1;
      return false;
    }
    if (word == "if") {
      p_ = after;
      ConditionalValue condition = parenthesized();
      out_.blank(at, p_);
      frames_.push_back(0);
      if (!truthy(condition)) skipBranch(false);
      return false;
    }
    if (word == "elif" || word == "else") {
      // The branch that ran ends here; the rest of the block is off.
      if (frames_.empty()) fail(kSyntax, at);
      out_.blank(at, after);
      p_ = after;
      skipBranch(true);
      return false;
    }
    if (word == "end") {
      if (frames_.empty()) fail(kSyntax, at);
      frames_.pop_back();
      out_.blank(at, after);
      p_ = after;
      return false;
    }
    if (word == "set") {
      p_ = after;
      skipBlanks();
      if (this->at(p_) != '@') fail(kExpectedAt, p_);
      std::string_view name = wordAt(p_ + 1);
      if (name.empty() || isDigit(static_cast<unsigned char>(name[0])))
        fail(kExpectedIdentifier, p_ + 1);
      p_ += 1 + name.size();
      skipBlanks();
      if (this->at(p_) != '=' || this->at(p_ + 1) == '=') fail(kExpectedAssign, p_);
      ++p_;
      ConditionalValue v = expression(0);
      setVariable(name, v);
      out_.blank(at, p_);
      return false;
    }
    ConditionalValue v = variable(word);
    std::string text = valueText(v);
    if (text.size() < after - at) text.resize(after - at, ' ');
    out_.replace(at, after - at, std::move(text));
    p_ = after;
    value.kind = Tk::Value;
    value.pos = at;
    value.end = after;
    value.text = s_.substr(at, after - at);
    return true;
  }

  // Skips text that is off: the rest of a branch whose condition failed (up to an @elif that
  // holds, an @else or the block's @end), or, once a branch ran, all up to the @end. Nested
  // blocks inside are skipped whole, and nothing there is read as code: not even quotes.
  void skipBranch(bool ran) {
    std::size_t from = p_;
    int nested = 0;
    for (;;) {
      std::size_t at = s_.find('@', p_);
      if (at == std::string_view::npos) {
        out_.blank(from, s_.size());
        p_ = s_.size();
        fail(kExpectedCcEnd, s_.size());
      }
      std::string_view word = wordAt(at + 1);
      p_ = at + 1 + word.size();
      if (word == "if") {
        ++nested;
      } else if (word == "end") {
        if (nested-- == 0) {
          frames_.pop_back();
          break;
        }
      } else if (nested == 0 && !ran && word == "else") {
        break;
      } else if (nested == 0 && !ran && word == "elif") {
        if (truthy(parenthesized())) break;
      }
    }
    out_.blank(from, p_);
  }

  void skipBlanks() {
    while (p_ < s_.size() && (s_[p_] == ' ' || s_[p_] == '\t' || isLineBreak(s_[p_]) ||
                              s_[p_] == '\v' || s_[p_] == '\f'))
      ++p_;
  }

  ConditionalValue variable(std::string_view name) const {
    for (const auto& [known, value] : cc_.variables)
      if (known == name) return value;
    if (name == "_win32" || name == "_x86" || name == "_jscript") return boolean(true);
    if (name == "_jscript_version") return number(5.8);
    if (name == "_jscript_build") return number(18702);
    return number(std::numeric_limits<double>::quiet_NaN());
  }

  void setVariable(std::string_view name, ConditionalValue v) {
    for (auto& [known, value] : cc_.variables)
      if (known == name) {
        value = v;
        return;
      }
    cc_.variables.emplace_back(std::string(name), v);
  }

  ConditionalValue parenthesized() {
    skipBlanks();
    if (at(p_) != '(') fail(kExpectedLParen, p_);
    ++p_;
    ConditionalValue v = expression(0);
    skipBlanks();
    if (at(p_) != ')') fail(kExpectedRParen, p_);
    ++p_;
    return v;
  }

  struct Guard {
    explicit Guard(Lexer& lexer, std::size_t pos) : depth(lexer.depth_) {
      if (++depth > kMaxDepth) fail(kStackOverflow, pos);
    }
    ~Guard() { --depth; }
    int& depth;
  };

  // Binary operators of conditional expressions, by precedence; longest spellings first.
  static int binaryPrecedence(std::string_view op) {
    if (op == "||") return 1;
    if (op == "&&") return 2;
    if (op == "|") return 3;
    if (op == "^") return 4;
    if (op == "&") return 5;
    if (op == "==" || op == "!=" || op == "===" || op == "!==") return 6;
    if (op == "<" || op == ">" || op == "<=" || op == ">=") return 7;
    if (op == "<<" || op == ">>" || op == ">>>") return 8;
    if (op == "+" || op == "-") return 9;
    return 10;  // * / %
  }

  std::string_view binaryOperator() {
    static constexpr std::string_view ops[] = {">>>", "===", "!==", "<<", ">>", "<=", ">=",
                                               "==",  "!=",  "&&",  "||", "*",  "/",  "%",
                                               "+",   "-",   "<",   ">",  "&",  "^",  "|"};
    skipBlanks();
    for (std::string_view op : ops)
      if (s_.compare(p_, op.size(), op) == 0) {
        // "||" is an operator, "|=" and "=" are not.
        if (op.size() == 1 && at(p_ + 1) == '=' && op != "<" && op != ">") return {};
        return op;
      }
    return {};
  }

  ConditionalValue expression(int minPrecedence) {
    Guard guard(*this, p_);
    ConditionalValue left = unary();
    for (;;) {
      std::size_t save = p_;
      std::string_view op = binaryOperator();
      if (op.empty() || binaryPrecedence(op) < minPrecedence) {
        p_ = save;
        return left;
      }
      p_ += op.size();
      if (op == "&&" || op == "||") {
        ConditionalValue right = expression(binaryPrecedence(op) + 1);
        left = (op == "&&") == truthy(left) ? right : left;
        continue;
      }
      left = apply(op, left, expression(binaryPrecedence(op) + 1));
    }
  }

  static ConditionalValue apply(std::string_view op, ConditionalValue a, ConditionalValue b) {
    double x = a.number, y = b.number;
    if (op == "*") return number(x * y);
    if (op == "/") return number(x / y);
    if (op == "%") return number(std::fmod(x, y));
    if (op == "+") return number(x + y);
    if (op == "-") return number(x - y);
    if (op == "<<") return number(toInt32(static_cast<double>(
                             static_cast<std::uint32_t>(toInt32(x)) << (toUint32(y) & 31))));
    if (op == ">>") return number(static_cast<double>(
                             static_cast<std::int32_t>(toInt32(x)) >> (toUint32(y) & 31)));
    if (op == ">>>") return number(static_cast<double>(toUint32(x) >> (toUint32(y) & 31)));
    if (op == "<") return boolean(x < y);
    if (op == ">") return boolean(x > y);
    if (op == "<=") return boolean(x <= y);
    if (op == ">=") return boolean(x >= y);
    if (op == "==") return boolean(x == y);
    if (op == "!=") return boolean(!(x == y));
    if (op == "===") return boolean(a.isBool == b.isBool && x == y);
    if (op == "!==") return boolean(!(a.isBool == b.isBool && x == y));
    auto ix = static_cast<std::int32_t>(toInt32(x)), iy = static_cast<std::int32_t>(toInt32(y));
    if (op == "&") return number(ix & iy);
    if (op == "^") return number(ix ^ iy);
    return number(ix | iy);
  }

  ConditionalValue unary() {
    skipBlanks();
    char c = at(p_);
    if (c == '!' || c == '~' || c == '-' || c == '+') {
      Guard guard(*this, p_);
      ++p_;
      ConditionalValue v = unary();
      if (c == '!') return boolean(!truthy(v));
      if (c == '~') return number(~static_cast<std::int32_t>(toInt32(v.number)));
      return number(c == '-' ? -v.number : v.number);
    }
    if (c == '(') return parenthesized();
    if (c == '@') {
      std::string_view name = wordAt(p_ + 1);
      if (name.empty() || isDigit(static_cast<unsigned char>(name[0])))
        fail(kExpectedIdentifier, p_ + 1);
      p_ += 1 + name.size();
      return variable(name);
    }
    std::string_view word = wordAt(p_);
    if (word == "true" || word == "false") {
      p_ += word.size();
      return boolean(word == "true");
    }
    if (isDigit(static_cast<unsigned char>(c)) || (c == '.' && isDigit(static_cast<unsigned char>(at(p_ + 1))))) {
      if (c == '0' && (at(p_ + 1) == 'x' || at(p_ + 1) == 'X')) {
        std::size_t i = p_ + 2;
        double v = 0;
        while (isHexDigit(static_cast<unsigned char>(at(i)))) {
          char h = at(i++);
          v = v * 16 + (isDigit(static_cast<unsigned char>(h)) ? h - '0' : (h | 0x20) - 'a' + 10);
        }
        if (i == p_ + 2) fail(kExpectedHexDigit, i);
        p_ = i;
        return number(v);
      }
      std::string digits;
      while (isDigit(static_cast<unsigned char>(at(p_))) || at(p_) == '.') digits += s_[p_++];
      return number(std::strtod(digits.c_str(), nullptr));
    }
    fail(kExpectedConstant, p_);
  }

  // ---- Plain tokens ----

  Token token() {
    Token t;
    t.pos = p_;
    auto c = static_cast<unsigned char>(s_[p_]);
    if (isAsciiIdentifierStart(c) || c == '\\' || (c >= 0x80 && startsWideLetter(p_))) {
      name();
      t.kind = Tk::Name;
    } else if (isDigit(c) || (c == '.' && isDigit(static_cast<unsigned char>(at(p_ + 1))))) {
      numberLiteral();
      t.kind = Tk::Number;
    } else if (c == '"' || c == '\'') {
      stringLiteral();
      t.kind = Tk::String;
    } else {
      t.kind = Tk::Punct;
      std::size_t length = 0;
      for (std::string_view p : kPunctuators)
        if (s_.compare(p_, p.size(), p) == 0) {
          length = p.size();
          break;
        }
      if (length == 0) fail(kInvalidCharacter, p_);
      p_ += length;
    }
    t.end = p_;
    t.text = s_.substr(t.pos, t.end - t.pos);
    if (t.kind == Tk::Name) t.kw = keyword(t.text);
    return t;
  }

  void name() {
    const std::size_t start = p_;
    std::string spelled;  // the name with its escapes read, when it has any
    for (;;) {
      auto c = static_cast<unsigned char>(at(p_));
      if (p_ < s_.size() && (isAsciiIdentifierStart(c) || isDigit(c))) {
        spelled += static_cast<char>(c);
        ++p_;
      } else if (c == '\\') {
        if (at(p_ + 1) != 'u') fail(kInvalidCharacter, p_);
        unsigned value = 0;
        for (std::size_t i = 2; i < 6; ++i) {
          auto h = static_cast<unsigned char>(at(p_ + i));
          if (!isHexDigit(h)) fail(kExpectedHexDigit, p_ + i);
          value = value * 16 + (isDigit(h) ? h - '0' : (h | 0x20) - 'a' + 10);
        }
        // An escape still has to spell a character of a name.
        bool letter = value < 0x80 ? isAsciiIdentifierStart(static_cast<unsigned char>(value)) ||
                                         (p_ > start && isDigit(static_cast<unsigned char>(value)))
                                   : isWideLetter(static_cast<char16_t>(value));
        if (!letter) fail(kInvalidCharacter, p_);
        spelled += value < 0x80 ? static_cast<char>(value) : '\x01';
        p_ += 6;
      } else if (c >= 0x80 && startsWideLetter(p_)) {
        spelled += '\x01';
        p_ += 2;
      } else {
        // A reserved word stays reserved when written with escapes.
        if (spelled.size() != p_ - start && keyword(spelled) != kNone) fail(kSyntax, start);
        return;
      }
    }
  }

  void numberLiteral() {
    const std::size_t start = p_;
    if (s_[p_] == '0' && (at(p_ + 1) == 'x' || at(p_ + 1) == 'X')) {
      p_ += 2;
      if (!isHexDigit(static_cast<unsigned char>(at(p_)))) fail(kExpectedHexDigit, p_);
      while (isHexDigit(static_cast<unsigned char>(at(p_)))) ++p_;
    } else {
      while (isDigit(static_cast<unsigned char>(at(p_)))) ++p_;
      bool octal = s_[start] == '0' && p_ - start > 1 &&
                   s_.substr(start, p_ - start).find_first_of("89") == std::string_view::npos;
      if (!octal) {
        if (at(p_) == '.') {
          ++p_;
          while (isDigit(static_cast<unsigned char>(at(p_)))) ++p_;
        }
        if (at(p_) == 'e' || at(p_) == 'E') {
          std::size_t e = p_ + 1;
          if (at(e) == '+' || at(e) == '-') ++e;
          if (!isDigit(static_cast<unsigned char>(at(e)))) fail(kInvalidNumber, start);
          p_ = e;
          while (isDigit(static_cast<unsigned char>(at(p_)))) ++p_;
          // JScript reads a huge exponent as Infinity or 0; Duktape refuses one past ten
          // million, so it gets one that still gives the same value.
          std::size_t significant = e;
          while (significant + 1 < p_ && s_[significant] == '0') ++significant;
          if (p_ - significant > 6) out_.replace(e, p_ - e, "999999");
        }
        // A leading zero before an 8 or a 9 still makes a decimal number there; Duktape
        // would take it for a broken octal one.
        if (s_[start] == '0' && p_ - start > 1 && isDigit(static_cast<unsigned char>(s_[start + 1]))) {
          std::size_t zeros = start;
          while (s_[zeros] == '0' && isDigit(static_cast<unsigned char>(s_[zeros + 1]))) ++zeros;
          out_.replace(start, zeros - start, std::string(zeros - start, ' '));
        }
      }
    }
    auto c = static_cast<unsigned char>(at(p_));
    if (p_ < s_.size() && (isAsciiIdentifierStart(c) || isDigit(c) || c == '\\' ||
                           (c >= 0x80 && startsWideLetter(p_))))
      fail(kInvalidNumber, start);
  }

  void stringLiteral() {
    const std::size_t start = p_;
    const char quote = s_[p_++];
    for (;;) {
      if (p_ >= s_.size() || isLineBreak(s_[p_])) fail(kUnterminatedString, start);
      char c = s_[p_];
      if (c == quote) {
        ++p_;
        return;
      }
      if (c != '\\') {
        p_ += static_cast<std::size_t>(gbk::charLength(s_, p_));
        continue;
      }
      char e = at(p_ + 1);
      if (p_ + 1 >= s_.size()) fail(kUnterminatedString, start);
      if (e == '\r') {
        p_ += at(p_ + 2) == '\n' ? 3 : 2;
      } else if (e == 'v') {
        out_.replace(p_, 2, "v");  // JScript has no \v escape: it is the letter
        p_ += 2;
      } else if (e == 'x' || e == 'u') {
        int digits = e == 'x' ? 2 : 4;
        for (int i = 0; i < digits; ++i)
          if (!isHexDigit(static_cast<unsigned char>(at(p_ + 2 + static_cast<std::size_t>(i)))))
            fail(kExpectedHexDigit, p_ + 2 + static_cast<std::size_t>(i));
        p_ += 2 + static_cast<std::size_t>(digits);
      } else {
        p_ += 1 + static_cast<std::size_t>(gbk::charLength(s_, p_ + 1));
      }
    }
  }

  std::string_view s_;
  Output& out_;
  ConditionalState& cc_;
  std::size_t p_ = 0;
  std::size_t openerAt_ = std::string_view::npos;
  std::vector<char> frames_;  // one per open @if block
  int depth_ = 0;
};

// ---- The parser -------------------------------------------------------------------------------

class Parser {
 public:
  Parser(std::string_view source, ConditionalState& cc)
      : s_(source), out_(source), lex_(source, out_, cc), cursor_(source) {}

  CheckedSource run() {
    CheckedSource result;
    try {
      advance();
      scopes_.emplace_back(false, 0);
      prologue_ = true;
      while (tok_.kind != Tk::End) statement();
      closeScope();
      result.ok = true;
      result.code = out_.finish(statements_);
      result.statements = std::move(statements_);
    } catch (const Failure& failure) {
      Cursor where(s_);
      where.moveTo(failure.pos);
      result.ok = false;
      result.error.Number = std::to_string(failure.number);
      result.error.Description = describe(failure.number);
      result.error.Line = std::to_string(where.line());
      result.error.Column = std::to_string(where.column());
      result.error.Text = sourceLineText(s_, where.line());
    }
    return result;
  }

 private:
  enum class Form { Name, Member, Call, Other };

  struct Label {
    std::string_view name;
    bool loop;
  };
  struct Scope {
    Scope(bool isFunction, std::size_t start) : function(isFunction), bodyStart(start) {}
    bool function;
    std::size_t bodyStart;
    std::vector<Label> labels;
    int loops = 0;
    int switches = 0;
    std::size_t unmarkedLabels = 0;  // labels not yet known to name a loop start here
    std::vector<std::string_view> bound;  // names of named function expressions
  };

  struct Guard {
    Guard(Parser& parser) : depth(parser.depth_) {
      if (++depth > kMaxDepth) fail(kStackOverflow, parser.tok_.pos);
    }
    ~Guard() { --depth; }
    int& depth;
  };

  // ---- Tokens ----

  void advance() {
    prevEnd_ = tok_.end;
    prevCloses_ = tok_.is(")") || tok_.is("]") || tok_.is("}") || tok_.is("++") || tok_.is("--");
    if (hasAhead_) {
      tok_ = ahead_;
      hasAhead_ = false;
    } else {
      tok_ = lex_.next();
    }
  }
  const Token& peek() {
    if (!hasAhead_) {
      ahead_ = lex_.next();
      hasAhead_ = true;
    }
    return ahead_;
  }
  void expect(std::string_view punct, int number) {
    if (!tok_.is(punct)) fail(number, tok_.pos);
    advance();
  }
  void semicolon() {
    if (tok_.is(";")) {
      advance();
    } else if (!tok_.is("}") && tok_.kind != Tk::End && !tok_.newlineBefore) {
      fail(kExpectedSemicolon, tok_.pos);
    }
  }
  std::string_view identifier() {
    if (!tok_.isIdentifier()) fail(kExpectedIdentifier, tok_.pos);
    std::string_view name = tok_.text;
    advance();
    return name;
  }
  Scope& scope() { return scopes_.back(); }

  void closeScope() {
    Scope& closing = scope();
    if (!closing.bound.empty()) {
      std::string declaration = "var ";
      for (std::size_t i = 0; i < closing.bound.size(); ++i)
        declaration += (i ? "," : "") + std::string(closing.bound[i]);
      out_.insert(closing.bodyStart, declaration + ";", true);
    }
    scopes_.pop_back();
  }

  // ---- Statements ----

  void statement() {
    Guard guard(*this);
    cursor_.moveTo(tok_.pos);
    std::size_t index = statements_.size();
    statements_.push_back({cursor_.line(), cursor_.column(), cursor_.line(), tok_.pos});

    if (prologue_) {
      prologue_ = tok_.kind == Tk::String;
      if (prologue_ && tok_.text.substr(1, tok_.text.size() - 2) == "use strict") {
        // JScript knows no strict mode; Duktape must not enter it either.
        out_.insert(tok_.pos, "(");
        out_.insert(tok_.end, ")");
      }
    }
    bool iteration = tok_.isKw(kWhile) || tok_.isKw(kDo) || tok_.isKw(kFor);
    bool labelled = tok_.isIdentifier() && peek().is(":");
    if (!labelled) {
      for (std::size_t i = scope().unmarkedLabels; i < scope().labels.size(); ++i)
        scope().labels[i].loop = iteration;
      scope().unmarkedLabels = scope().labels.size();
    }
    if (labelled) {
      labelledStatement();
    } else if (tok_.kind == Tk::Name && tok_.kw != kNone) {
      keywordStatement();
    } else if (tok_.is("{")) {
      block();
    } else if (tok_.is(";")) {
      advance();
    } else {
      expression(false);
      semicolon();
    }

    cursor_.moveTo(prevEnd_ > 0 ? prevEnd_ - 1 : 0);
    statements_[index].lastLine = std::max(cursor_.line(), statements_[index].firstLine);
  }

  void block() {
    expect("{", kExpectedLBrace);
    while (!tok_.is("}")) {
      if (tok_.kind == Tk::End) fail(kExpectedRBrace, tok_.pos);
      statement();
    }
    advance();
  }

  void labelledStatement() {
    std::string_view name = tok_.text;
    for (const Label& label : scope().labels)
      if (label.name == name) fail(kLabelRedefined, tok_.pos);
    scope().labels.push_back({name, false});
    advance();  // the name
    advance();  // ':'
    statement();
    scope().labels.pop_back();
    scope().unmarkedLabels = std::min(scope().unmarkedLabels, scope().labels.size());
  }

  void loopBody() {
    ++scope().loops;
    statement();
    --scope().loops;
  }

  void parenthesizedExpression() {
    expect("(", kExpectedLParen);
    expression(false);
    expect(")", kExpectedRParen);
  }

  void keywordStatement() {
    switch (tok_.kw) {
      case kVar:
        advance();
        variables(false);
        semicolon();
        return;
      case kIf: {
        advance();
        parenthesizedExpression();
        bool block = tok_.is("{");
        statement();
        if (block && tok_.is(";") && peek().isKw(kElse)) {
          out_.blank(tok_.pos, tok_.end);  // JScript lets a ';' stand between '}' and else
          advance();
        }
        if (tok_.isKw(kElse)) {
          advance();
          statement();
        }
        return;
      }
      case kDo:
        advance();
        loopBody();
        if (!tok_.isKw(kWhile)) fail(kExpectedWhile, tok_.pos);
        advance();
        parenthesizedExpression();
        if (tok_.is(";")) advance();
        return;
      case kWhile:
        advance();
        parenthesizedExpression();
        loopBody();
        return;
      case kFor:
        forStatement();
        return;
      case kContinue:
      case kBreak:
        jump();
        return;
      case kReturn:
        if (!scope().function) fail(kReturnOutsideFunction, tok_.pos);
        advance();
        if (!tok_.is(";") && !tok_.is("}") && tok_.kind != Tk::End && !tok_.newlineBefore)
          expression(false);
        semicolon();
        return;
      case kWith:
        advance();
        parenthesizedExpression();
        statement();
        return;
      case kSwitch:
        switchStatement();
        return;
      case kThrow:
        advance();
        if (tok_.newlineBefore || tok_.is(";") || tok_.is("}"))
          fail(kThrowNeedsExpression, tok_.pos);
        expression(false);
        semicolon();
        return;
      case kTry:
        tryStatement();
        return;
      case kFunction:
        if (peek().is("(")) {
          // An anonymous function statement: JScript takes it, Duktape wants it in brackets.
          // Like a declaration it ends at its closing brace, so another statement may follow
          // on the same line; Duktape then needs the ';' that JScript does not.
          wrapFunction_ = true;
          expression(false);
          if (prevEnd_ == functionEnd_ && !tok_.is(";") && !tok_.is("}") &&
              tok_.kind != Tk::End && !tok_.newlineBefore) {
            out_.insert(prevEnd_, ";");
          } else {
            semicolon();
          }
        } else {
          function(true);
        }
        return;
      case kDebugger:
        advance();
        semicolon();
        return;
      default:
        expression(false);
        semicolon();
        return;
    }
  }

  void variables(bool noIn) {
    for (;;) {
      identifier();
      if (tok_.is("=")) {
        advance();
        assignment(noIn);
      }
      if (!tok_.is(",")) return;
      advance();
    }
  }

  void forStatement() {
    advance();
    expect("(", kExpectedLParen);
    bool forIn = false;
    if (tok_.isKw(kVar)) {
      advance();
      identifier();
      if (tok_.is("=")) {
        advance();
        assignment(true);
      }
      if (tok_.isKw(kIn)) {
        forIn = true;
      } else if (tok_.is(",")) {
        advance();
        variables(true);
      }
    } else if (!tok_.is(";")) {
      Form form = expression(true);
      forIn = tok_.isKw(kIn) && form != Form::Other;
    }
    if (forIn) {
      advance();
      expression(false);
    } else {
      expect(";", kExpectedSemicolon);
      if (!tok_.is(";")) expression(false);
      expect(";", kExpectedSemicolon);
      if (!tok_.is(")")) expression(false);
    }
    expect(")", kExpectedRParen);
    loopBody();
  }

  void jump() {
    bool isBreak = tok_.isKw(kBreak);
    std::size_t at = tok_.pos;
    advance();
    if (tok_.isIdentifier() && !tok_.newlineBefore) {
      const Label* target = nullptr;
      for (const Label& label : scope().labels)
        if (label.name == tok_.text) target = &label;
      if (!target || (!isBreak && !target->loop)) fail(kLabelNotFound, tok_.pos);
      advance();
    } else if (isBreak && scope().loops == 0 && scope().switches == 0) {
      fail(kBreakOutsideLoop, at);
    } else if (!isBreak && scope().loops == 0) {
      fail(kContinueOutsideLoop, at);
    }
    semicolon();
  }

  void switchStatement() {
    advance();
    parenthesizedExpression();
    expect("{", kExpectedLBrace);
    ++scope().switches;
    bool seenDefault = false;
    while (!tok_.is("}")) {
      if (tok_.isKw(kCase)) {
        advance();
        expression(false);
      } else if (tok_.isKw(kDefault)) {
        if (seenDefault) fail(kDefaultTwice, tok_.pos);
        seenDefault = true;
        advance();
      } else {
        fail(kExpectedRBrace, tok_.pos);
      }
      expect(":", kExpectedColon);
      while (!tok_.is("}") && !tok_.isKw(kCase) && !tok_.isKw(kDefault)) {
        if (tok_.kind == Tk::End) fail(kExpectedRBrace, tok_.pos);
        statement();
      }
    }
    --scope().switches;
    advance();
  }

  void tryStatement() {
    advance();
    block();
    bool handled = false;
    if (tok_.isKw(kCatch)) {
      handled = true;
      advance();
      expect("(", kExpectedLParen);
      identifier();
      expect(")", kExpectedRParen);
      block();
    }
    if (tok_.isKw(kFinally)) {
      handled = true;
      advance();
      block();
    }
    if (!handled) fail(kExpectedCatch, tok_.pos);
  }

  // After the keyword `function`: a declaration (a name required) or an expression.
  void function(bool declaration) {
    const std::size_t start = tok_.pos;
    advance();
    std::string_view name;
    if (declaration || !tok_.is("(")) name = identifier();
    bool wrap = wrapFunction_;
    wrapFunction_ = false;
    if (!declaration && !name.empty()) {
      // JScript also binds a named function expression's name in the enclosing scope.
      scope().bound.push_back(name);
      out_.insert(start, "(" + std::string(name) + "=");
    } else if (wrap) {
      out_.insert(start, "(");
    }
    expect("(", kExpectedLParen);
    if (!tok_.is(")")) {
      for (;;) {
        identifier();
        if (!tok_.is(",")) break;
        advance();
      }
    }
    expect(")", kExpectedRParen);
    if (!tok_.is("{")) fail(kExpectedLBrace, tok_.pos);
    scopes_.emplace_back(true, tok_.end);
    advance();
    prologue_ = true;
    while (!tok_.is("}")) {
      if (tok_.kind == Tk::End) fail(kExpectedRBrace, tok_.pos);
      statement();
    }
    prologue_ = false;
    closeScope();
    if ((!declaration && !name.empty()) || wrap) out_.insert(tok_.end, ")");
    functionEnd_ = tok_.end;
    advance();
  }

  // ---- Expressions ----

  Form expression(bool noIn) {
    Form form = assignment(noIn);
    while (tok_.is(",")) {
      advance();
      assignment(noIn);
      form = Form::Other;
    }
    return form;
  }

  static bool isAssignmentOperator(const Token& t) {
    if (t.kind != Tk::Punct) return false;
    std::string_view p = t.text;
    return p == "=" || p == "+=" || p == "-=" || p == "*=" || p == "/=" || p == "%=" ||
           p == "<<=" || p == ">>=" || p == ">>>=" || p == "&=" || p == "|=" || p == "^=";
  }

  Form assignment(bool noIn) {
    Guard guard(*this);
    Form form = conditional(noIn);
    if (isAssignmentOperator(tok_)) {
      advance();
      assignment(noIn);
      return Form::Other;
    }
    return form;
  }

  Form conditional(bool noIn) {
    Form form = binary(1, noIn);
    if (!tok_.is("?")) return form;
    advance();
    assignment(false);
    expect(":", kExpectedColon);
    assignment(noIn);
    return Form::Other;
  }

  int precedence(const Token& t, bool noIn) const {
    if (t.kind == Tk::Name) {
      if (t.kw == kInstanceof) return 7;
      if (t.kw == kIn) return noIn ? 0 : 7;
      return 0;
    }
    if (t.kind != Tk::Punct) return 0;
    std::string_view p = t.text;
    if (p == "||") return 1;
    if (p == "&&") return 2;
    if (p == "|") return 3;
    if (p == "^") return 4;
    if (p == "&") return 5;
    if (p == "==" || p == "!=" || p == "===" || p == "!==") return 6;
    if (p == "<" || p == ">" || p == "<=" || p == ">=") return 7;
    if (p == "<<" || p == ">>" || p == ">>>") return 8;
    if (p == "+" || p == "-") return 9;
    if (p == "*" || p == "/" || p == "%") return 10;
    return 0;
  }

  Form binary(int minPrecedence, bool noIn) {
    Form form = unary();
    for (;;) {
      int p = precedence(tok_, noIn);
      if (p == 0 || p < minPrecedence) return form;
      advance();
      binary(p + 1, noIn);
      form = Form::Other;
    }
  }

  Form unary() {
    bool any = false;
    while ((tok_.kind == Tk::Name &&
            (tok_.kw == kDelete || tok_.kw == kVoid || tok_.kw == kTypeof)) ||
           tok_.is("++") || tok_.is("--") || tok_.is("+") || tok_.is("-") || tok_.is("~") ||
           tok_.is("!")) {
      advance();
      any = true;
    }
    Form form = leftHandSide();
    if ((tok_.is("++") || tok_.is("--")) && !tok_.newlineBefore) {
      advance();
      form = Form::Other;
    }
    return any ? Form::Other : form;
  }

  Form leftHandSide() {
    int news = 0;
    while (tok_.isKw(kNew)) {
      advance();
      ++news;
    }
    Form form = primary();
    for (;;) {
      if (tok_.is(".")) {
        advance();
        if (tok_.kind != Tk::Name || tok_.kw != kNone) fail(kExpectedIdentifier, tok_.pos);
        advance();
        form = Form::Member;
      } else if (tok_.is("[")) {
        advance();
        expression(false);
        expect("]", kExpectedRBracket);
        form = Form::Member;
      } else if (tok_.is("(")) {
        arguments();
        if (news > 0) {
          --news;
          form = Form::Other;
        } else {
          form = Form::Call;
        }
      } else {
        break;
      }
    }
    return news > 0 ? Form::Other : form;
  }

  void arguments() {
    advance();
    if (tok_.is(")")) {
      advance();
      return;
    }
    for (;;) {
      assignment(false);
      if (tok_.is(")")) break;
      expect(",", kExpectedRParen);
    }
    advance();
  }

  Form primary() {
    switch (tok_.kind) {
      case Tk::Name:
        if (tok_.kw == kNone) {
          advance();
          return Form::Name;
        }
        if (tok_.kw == kFunction) {
          function(false);
          return Form::Other;
        }
        if (tok_.kw == kThis || tok_.kw == kNull || tok_.kw == kTrue || tok_.kw == kFalse) {
          advance();
          return Form::Other;
        }
        fail(kSyntax, tok_.pos);
      case Tk::Number:
      case Tk::String:
      case Tk::Value:
      case Tk::Regex:
        advance();
        return Form::Other;
      case Tk::Punct:
        if (tok_.is("/") || tok_.is("/=")) {
          tok_ = lex_.regexAt(tok_);
          if (prevCloses_) {
            // Duktape decides between a regular expression and a division by the token before
            // it, and after these it reads a division.
            out_.insert(tok_.pos, "(");
            out_.insert(tok_.end, ")");
          }
          advance();
          return Form::Other;
        }
        if (tok_.is("(")) {
          advance();
          Form form = expression(false);
          expect(")", kExpectedRParen);
          return form == Form::Name || form == Form::Member ? form : Form::Other;
        }
        if (tok_.is("[")) {
          arrayLiteral();
          return Form::Other;
        }
        if (tok_.is("{")) {
          objectLiteral();
          return Form::Other;
        }
        fail(kSyntax, tok_.pos);
      case Tk::End:
        break;
    }
    fail(kSyntax, tok_.pos);
  }

  void arrayLiteral() {
    advance();
    bool afterComma = false;
    while (!tok_.is("]")) {
      if (tok_.is(",")) {
        advance();
        afterComma = true;
        continue;
      }
      assignment(false);
      afterComma = false;
      if (tok_.is(",")) {
        advance();
        afterComma = true;
      } else if (!tok_.is("]")) {
        fail(kExpectedRBracket, tok_.pos);
      }
    }
    // JScript counts a trailing comma as one more element: [1,2,].length is 3 there.
    if (afterComma) out_.insert(tok_.pos, ",");
    advance();
  }

  void objectLiteral() {
    advance();
    if (tok_.is("}")) {
      advance();
      return;
    }
    for (;;) {
      if (!(tok_.isIdentifier() || tok_.kind == Tk::String || tok_.kind == Tk::Number))
        fail(kExpectedPropertyName, tok_.pos);
      advance();
      expect(":", kExpectedColon);
      assignment(false);
      if (tok_.is("}")) break;
      expect(",", kExpectedRBrace);
    }
    advance();
  }

  std::string_view s_;
  Output out_;
  Lexer lex_;
  Cursor cursor_;
  Token tok_;
  Token ahead_;
  bool hasAhead_ = false;
  std::size_t prevEnd_ = 0;
  bool prevCloses_ = false;  // the token before tok_ ends a value where Duktape expects none
  int depth_ = 0;
  bool prologue_ = false;
  bool wrapFunction_ = false;
  std::size_t functionEnd_ = 0;  // just past the closing brace of the function parsed last
  std::vector<Scope> scopes_;
  std::vector<StatementSpan> statements_;
};

}  // namespace

CheckedSource checkSource(std::string_view gbkText, SourceKind /*kind*/, ConditionalState& state) {
  return Parser(gbkText, state).run();
}

CheckedSource checkSource(std::string_view gbkText, SourceKind kind) {
  ConditionalState fresh;
  return checkSource(gbkText, kind, fresh);
}

}  // namespace jsdebug::engine::jscript
