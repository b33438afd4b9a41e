#include "encode/Json.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "text/Codec.h"

namespace jsdebug::encode {
namespace {

class Layout {
 public:
  Layout(std::string_view text, bool pretty) : text_(text), pretty_(pretty) {}

  Outcome run() {
    skipBlanks();
    if (!value(0)) return failure();
    skipBlanks();
    if (at_ < text_.size()) {
      fail("the end of the text");
      return failure();
    }
    return Outcome::success(std::move(out_));
  }

 private:
  bool value(int depth) {
    if (at_ >= text_.size()) return fail("a value");
    const char c = text_[at_];
    if (c == '{' || c == '[') return container(depth);
    if (c == '"') return string();
    if (c == '-' || (c >= '0' && c <= '9')) return number();
    for (std::string_view word : {"true", "false", "null"}) {
      if (text_.substr(at_, word.size()) == word) {
        out_ += word;
        at_ += word.size();
        return true;
      }
    }
    return fail("a value");
  }

  bool container(int depth) {
    if (depth >= kJsonMaxDepth) return fail("at most " + std::to_string(kJsonMaxDepth) + " levels of nesting");
    const bool object = text_[at_] == '{';
    const char close = object ? '}' : ']';
    out_ += text_[at_++];
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == close) {
      out_ += text_[at_++];
      return true;
    }
    for (bool first = true;; first = false) {
      if (!first) {
        out_ += ',';
      }
      newline(depth + 1);
      if (object) {
        if (at_ >= text_.size() || text_[at_] != '"') return fail("a string key");
        if (!string()) return false;
        skipBlanks();
        if (at_ >= text_.size() || text_[at_] != ':') return fail("':'");
        ++at_;
        out_ += pretty_ ? ": " : ":";
        skipBlanks();
      }
      if (!value(depth + 1)) return false;
      skipBlanks();
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        skipBlanks();
        continue;
      }
      if (at_ < text_.size() && text_[at_] == close) {
        ++at_;
        newline(depth);
        out_ += close;
        return true;
      }
      return fail(object ? "',' or '}'" : "',' or ']'");
    }
  }

  bool string() {
    const std::size_t start = at_++;
    while (at_ < text_.size()) {
      const unsigned char c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        out_ += text_.substr(start, at_ - start);
        return true;
      }
      if (c < 0x20) return fail("a control character escaped in a string");
      if (c == '\\') {
        if (at_ + 1 >= text_.size()) return fail("an escape");
        const char e = text_[at_ + 1];
        if (e == 'u') {
          for (std::size_t k = at_ + 2; k < at_ + 6; ++k) {
            if (k >= text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[k]))) {
              at_ = std::min(k, text_.size());
              return fail("four hexadecimal digits after \\u");
            }
          }
          at_ += 6;
          continue;
        }
        if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          ++at_;
          return fail("an escape");
        }
        at_ += 2;
        continue;
      }
      // A GBK trail byte may look like a backslash or a quote; step over whole characters.
      at_ += static_cast<std::size_t>(gbk::charLength(text_, at_));
    }
    return fail("the closing '\"'");
  }

  bool number() {
    const std::size_t start = at_;
    const auto digits = [&] {
      const std::size_t from = at_;
      while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
      return at_ > from;
    };
    if (text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
      ++at_;
    } else if (!digits()) {
      return fail("a digit");
    }
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      if (!digits()) return fail("a digit");
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (!digits()) return fail("a digit");
    }
    out_ += text_.substr(start, at_ - start);
    return true;
  }

  void skipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n'))
      ++at_;
  }

  void newline(int depth) {
    if (!pretty_) return;
    out_ += "\r\n";
    out_.append(static_cast<std::size_t>(depth) * 2, ' ');
  }

  bool fail(const std::string& expected) {
    expected_ = expected;
    return false;
  }

  Outcome failure() const {
    // Characters before the failing byte, counted as the user sees them.
    std::size_t position = 1;
    for (std::size_t i = 0; i < at_ && i < text_.size(); i += static_cast<std::size_t>(gbk::charLength(text_, i)))
      ++position;
    const std::string n = std::to_string(position);
    return Outcome::failure("invalid JSON at position " + n + ": expected " + expected_,
                            "第 " + n + " 个字符处不是有效的JSON（expected " + expected_ + "）");
  }

  std::string_view text_;
  bool pretty_;
  std::size_t at_ = 0;
  std::string out_;
  std::string expected_;
};

}  // namespace

Outcome jsonPretty(std::string_view gbkText) { return Layout(gbkText, true).run(); }
Outcome jsonCompact(std::string_view gbkText) { return Layout(gbkText, false).run(); }

}  // namespace jsdebug::encode
