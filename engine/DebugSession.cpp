#include "engine/DebugSession.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/DuktapeError.h"
#include "engine/VariantText.h"
#include "engine/jscript/Grammar.h"
#include "platform/Ticks.h"
#include "text/Codec.h"

namespace jsdebug::engine {
namespace {

// Markers and commands of the engine's debug protocol (version 2).
constexpr unsigned char kEom = 0x00, kRequest = 0x01, kReply = 0x02, kError = 0x03, kNotify = 0x04;
constexpr int kStatus = 0x01;
constexpr int kResume = 0x13, kStepInto = 0x14, kStepOver = 0x15, kStepOut = 0x16;
constexpr int kAddBreak = 0x18, kDelBreak = 0x19, kGetCallStack = 0x1c, kGetLocals = 0x1d,
              kEval = 0x1e;

std::string command(int cmd) {
  std::string out(1, static_cast<char>(kRequest));
  dvalue::appendInt(out, cmd);
  return out;
}

std::string finish(std::string out) {
  out.push_back(static_cast<char>(kEom));
  return out;
}

int stepCommand(DebugStep step) {
  switch (step) {
    case DebugStep::Over: return kStepOver;
    case DebugStep::Into: return kStepInto;
    case DebugStep::Out: return kStepOut;
    case DebugStep::Continue: break;
  }
  return kResume;
}

std::string stepRequest(DebugStep step) { return finish(command(stepCommand(step))); }

std::int64_t intOf(const DebugDValue& v) {
  return v.kind == DebugDValue::Int ? v.integer
         : v.kind == DebugDValue::Number ? static_cast<std::int64_t>(v.number)
                                         : 0;
}

// A function declaration is hoisted: its own line runs nothing a breakpoint could stop at.
bool startsFunctionDeclaration(std::string_view code, std::size_t at) {
  constexpr std::string_view keyword = "function";
  if (code.substr(at, keyword.size()) != keyword) return false;
  if (at + keyword.size() >= code.size()) return true;
  const char next = code[at + keyword.size()];
  return next == ' ' || next == '\t' || next == '\r' || next == '\n' || next == '(' || next == '/';
}

// The text of a primitive the engine sent as a local's value, as the log writes values; false
// for what only the script can turn into text (an object).
bool primitiveText(const DebugDValue& v, std::string& type, std::string& text) {
  switch (v.kind) {
    case DebugDValue::Undefined: type = "undefined"; text.clear(); return true;
    case DebugDValue::Null: type = "null"; text.clear(); return true;
    case DebugDValue::True: type = "boolean"; text = "-1"; return true;
    case DebugDValue::False: type = "boolean"; text = "0"; return true;
    case DebugDValue::Int: type = "number"; text = numberToVariantText(static_cast<double>(v.integer)); return true;
    case DebugDValue::Number: type = "number"; text = numberToVariantText(v.number); return true;
    case DebugDValue::String: type = "string"; text = gbk::fromCesu8(v.text); return true;
    default: return false;
  }
}

// The expression as a JavaScript string literal (UTF-8 in, UTF-8 out).
std::string stringLiteral(const std::string& utf8) {
  std::string out = "'";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c == '\\' || c == '\'') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\xe2' && i + 2 < utf8.size() && utf8[i + 1] == '\x80' &&
               (utf8[i + 2] == '\xa8' || utf8[i + 2] == '\xa9')) {
      out += utf8[i + 2] == '\xa8' ? "\\u2028" : "\\u2029";  // line terminators to JavaScript
      i += 2;
    } else {
      out += c;
    }
  }
  return out + "'";
}

// Evaluated in the frame: the expression goes through a direct eval of its own, so that what it
// throws, a syntax error included, is caught here; its value is described in the engine as "v"
// type LF text, an error as "e" and its description.
std::string describingProgram(const std::string& utf8Expression) {
  return "try{'v'+(function(v){var t=v===null?'null':typeof v;return t+'\\n'+("
         "t=='boolean'?(v?'-1':'0'):t=='undefined'||t=='null'?'':String(v))})(eval(" +
         stringLiteral(utf8Expression) +
         "))}catch(jsdebug$e){'e'+(jsdebug$e!==null&&typeof jsdebug$e=='object'&&"
         "jsdebug$e.description!==undefined?String(jsdebug$e.description):String(jsdebug$e))}";
}

}  // namespace

namespace dvalue {

void appendInt(std::string& out, std::int32_t value) {
  if (value >= 0 && value <= 0x3f) {
    out.push_back(static_cast<char>(0x80 + value));
  } else if (value >= 0 && value <= 0x3fff) {
    out.push_back(static_cast<char>(0xc0 + (value >> 8)));
    out.push_back(static_cast<char>(value & 0xff));
  } else {
    const auto bits = static_cast<std::uint32_t>(value);
    out.push_back(static_cast<char>(0x10));
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((bits >> shift) & 0xff));
  }
}

void appendString(std::string& out, const std::string& bytes) {
  const std::size_t n = bytes.size();
  if (n <= 0x1f) {
    out.push_back(static_cast<char>(0x60 + n));
  } else if (n <= 0xffff) {
    out.push_back(static_cast<char>(0x12));
    out.push_back(static_cast<char>((n >> 8) & 0xff));
    out.push_back(static_cast<char>(n & 0xff));
  } else {
    out.push_back(static_cast<char>(0x11));
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((n >> shift) & 0xff));
  }
  out += bytes;
}

void appendNull(std::string& out) { out.push_back(static_cast<char>(0x17)); }

bool read(const std::string& in, std::size_t& at, DebugDValue& value, bool& bad) {
  bad = false;
  std::size_t p = at;
  auto have = [&](std::size_t n) { return in.size() - p >= n; };
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(in[p + i]); };
  auto big = [&](std::size_t from, int count) {
    std::uint64_t v = 0;
    for (int i = 0; i < count; ++i) v = (v << 8) | byte(from + static_cast<std::size_t>(i));
    return v;
  };
  if (!have(1)) return false;
  const unsigned char ib = byte(0);
  value = DebugDValue{};
  std::size_t length = 1;
  if (ib <= 0x04) {
    value.kind = DebugDValue::Marker;
    value.integer = ib;
  } else if (ib == 0x10) {
    if (!have(5)) return false;
    value.kind = DebugDValue::Int;
    value.integer = static_cast<std::int32_t>(static_cast<std::uint32_t>(big(1, 4)));
    length = 5;
  } else if (ib == 0x11 || ib == 0x13 || ib == 0x12 || ib == 0x14) {
    const int size = ib == 0x11 || ib == 0x13 ? 4 : 2;
    if (!have(1 + static_cast<std::size_t>(size))) return false;
    const std::size_t n = big(1, size);
    if (!have(1 + static_cast<std::size_t>(size) + n)) return false;
    value.kind = ib == 0x11 || ib == 0x12 ? DebugDValue::String : DebugDValue::Buffer;
    value.text = in.substr(p + 1 + static_cast<std::size_t>(size), n);
    length = 1 + static_cast<std::size_t>(size) + n;
  } else if (ib >= 0x15 && ib <= 0x19) {
    static constexpr DebugDValue::Kind kinds[] = {DebugDValue::Unused, DebugDValue::Undefined,
                                                  DebugDValue::Null, DebugDValue::True,
                                                  DebugDValue::False};
    value.kind = kinds[ib - 0x15];
  } else if (ib == 0x1a) {
    if (!have(9)) return false;
    const std::uint64_t bits = big(1, 8);
    value.kind = DebugDValue::Number;
    std::memcpy(&value.number, &bits, sizeof bits);
    length = 9;
  } else if (ib == 0x1b || ib == 0x1c || ib == 0x1e) {
    const std::size_t head = ib == 0x1b ? 2 : 1;  // an object also names its class
    if (!have(1 + head)) return false;
    const std::size_t n = byte(head);
    if (!have(1 + head + n)) return false;
    value.kind = ib == 0x1b ? DebugDValue::Object : DebugDValue::Other;
    length = 1 + head + n;
  } else if (ib == 0x1d) {
    if (!have(4)) return false;
    const std::size_t n = byte(3);
    if (!have(4 + n)) return false;
    value.kind = DebugDValue::Other;
    length = 4 + n;
  } else if (ib >= 0x60 && ib <= 0x7f) {
    const std::size_t n = ib - 0x60u;
    if (!have(1 + n)) return false;
    value.kind = DebugDValue::String;
    value.text = in.substr(p + 1, n);
    length = 1 + n;
  } else if (ib >= 0x80 && ib <= 0xbf) {
    value.kind = DebugDValue::Int;
    value.integer = ib - 0x80;
  } else if (ib >= 0xc0) {
    if (!have(2)) return false;
    value.kind = DebugDValue::Int;
    value.integer = ((ib - 0xc0) << 8) | byte(1);
    length = 2;
  } else {
    bad = true;
    return false;
  }
  at = p + length;
  return true;
}

}  // namespace dvalue

DebugSession::DebugSession(std::string scriptFileName) : scriptFileName_(std::move(scriptFileName)) {}

DebugSession::~DebugSession() = default;

std::vector<BreakpointMove> DebugSession::setBreakpoints(const std::string& script,
                                                         const std::vector<int>& lines) {
  script_ = script;
  codeLines_.clear();
  const jscript::CheckedSource checked = jscript::checkSource(script, jscript::SourceKind::Program);
  if (checked.ok) {
    for (const jscript::StatementSpan& span : checked.statements)
      if (!startsFunctionDeclaration(checked.code, span.codeOffset)) codeLines_.push_back(span.firstLine);
    std::sort(codeLines_.begin(), codeLines_.end());
    codeLines_.erase(std::unique(codeLines_.begin(), codeLines_.end()), codeLines_.end());
  }
  std::vector<BreakpointMove> moves;
  std::lock_guard lock(mutex_);
  breakpoints_.clear();
  for (int line : lines) {
    const int to = lineWithCode(line);
    if (to != line) moves.push_back({line, to});
    if (to > 0 && std::find(breakpoints_.begin(), breakpoints_.end(), to) == breakpoints_.end())
      breakpoints_.push_back(to);
  }
  return moves;
}

int DebugSession::lineWithCode(int line) const {
  if (line < 1) return 0;
  // A script the grammar check refuses never runs: its lines are taken as asked.
  if (codeLines_.empty()) return script_.empty() ? line : 0;
  auto at = std::lower_bound(codeLines_.begin(), codeLines_.end(), line);
  return at == codeLines_.end() ? 0 : *at;
}

std::vector<int> DebugSession::breakpoints() const {
  std::lock_guard lock(mutex_);
  return breakpoints_;
}

int DebugSession::addBreakpoint(int line) {
  const int to = lineWithCode(line);
  if (to == 0) return 0;
  std::lock_guard lock(mutex_);
  if (std::find(breakpoints_.begin(), breakpoints_.end(), to) != breakpoints_.end()) return to;
  breakpoints_.push_back(to);
  if (started_ && !ended_ && !detached_) {
    std::string out = command(kAddBreak);
    dvalue::appendString(out, scriptFileName_);
    dvalue::appendInt(out, to);
    queueLocked(finish(std::move(out)), false);
  }
  return to;
}

void DebugSession::removeBreakpoint(int line) {
  std::lock_guard lock(mutex_);
  auto at = std::find(breakpoints_.begin(), breakpoints_.end(), line);
  if (at == breakpoints_.end()) return;
  // The engine keeps its breakpoints in the order they were added and closes the gap on a
  // removal, as this list does: the position is the engine's index.
  const auto index = static_cast<std::int32_t>(at - breakpoints_.begin());
  breakpoints_.erase(at);
  if (started_ && !ended_ && !detached_) {
    std::string out = command(kDelBreak);
    dvalue::appendInt(out, index);
    queueLocked(finish(std::move(out)), false);
  }
}

bool DebugSession::waitForPause() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return paused_ || ended_; });
  return paused_ && !ended_;
}

bool DebugSession::paused() const {
  std::lock_guard lock(mutex_);
  return paused_;
}

bool DebugSession::ended() const {
  std::lock_guard lock(mutex_);
  return ended_;
}

int DebugSession::pausedLine() const {
  std::lock_guard lock(mutex_);
  return paused_ ? line_ : 0;
}

std::uint64_t DebugSession::pauseNumber() const {
  std::lock_guard lock(mutex_);
  return paused_ ? pauses_ : 0;
}

std::uint32_t DebugSession::pausedMilliseconds() const {
  std::lock_guard lock(mutex_);
  return pausedTotal_ + (paused_ ? platform::tickCount() - pausedSince_ : 0);
}

void DebugSession::queueLocked(const std::string& bytes, bool wanted) {
  inbox_ += bytes;
  awaited_.push_back(wanted);
  changed_.notify_all();
}

std::optional<DebugSession::Message> DebugSession::request(const std::string& bytes, bool evaluation) {
  std::unique_lock lock(mutex_);
  if (!paused_ || ended_ || detached_) return std::nullopt;
  reply_.reset();
  evaluationQueued_ = evaluation;
  evaluationAt_ = inbox_.size();
  evaluationTimedOut_ = false;
  queueLocked(bytes, true);
  changed_.wait(lock, [&] { return reply_.has_value() || ended_ || detached_; });
  evaluationQueued_ = false;
  std::optional<Message> reply = std::move(reply_);
  reply_.reset();
  return reply;
}

std::vector<DebugFrame> DebugSession::callStack() {
  std::vector<DebugFrame> frames;
  const auto reply = request(finish(command(kGetCallStack)));
  if (!reply || reply->empty() || (*reply)[0].integer != kReply) return frames;
  // [ REP (fileName funcName line pc)* EOM ], innermost first, every activation counted.
  int level = -1;
  for (std::size_t i = 1; i + 3 < reply->size(); i += 4, --level) {
    const DebugDValue& file = (*reply)[i];
    if (file.kind != DebugDValue::String || file.text != scriptFileName_) continue;
    DebugFrame frame;
    const std::string name = gbk::fromCesu8((*reply)[i + 1].text);
    // The engine names a script's top-level code "global".
    frame.function = name == "global" ? kTopLevelCode : name.empty() ? kAnonymousFunction : name;
    frame.line = static_cast<int>(intOf((*reply)[i + 2]));
    frame.level = level;
    frames.push_back(std::move(frame));
  }
  return frames;
}

std::vector<DebugValue> DebugSession::locals(const DebugFrame& frame) {
  std::vector<DebugValue> values;
  std::string out = command(kGetLocals);
  dvalue::appendInt(out, frame.level);
  const auto reply = request(finish(std::move(out)));
  if (!reply || reply->empty() || (*reply)[0].integer != kReply) return values;
  // [ REP (name value)* EOM ]
  for (std::size_t i = 1; i + 1 < reply->size(); i += 2) {
    if ((*reply)[i].kind != DebugDValue::String) break;
    DebugValue value;
    value.name = gbk::fromCesu8((*reply)[i].text);
    if (!primitiveText((*reply)[i + 1], value.type, value.value)) {
      // An object's text is its string conversion, which only the script can make.
      DebugValue described = evaluateText(frame.level, (*reply)[i].text);
      value.type = described.type;
      value.value = described.value;
      value.failed = described.failed;
    }
    values.push_back(std::move(value));
  }
  return values;
}

DebugValue DebugSession::evaluate(const DebugFrame& frame, const std::string& expression) {
  DebugValue value = evaluateText(frame.level, gbk::toUtf8(expression));
  value.name = expression;
  return value;
}

DebugValue DebugSession::evaluateText(int level, const std::string& utf8Expression) {
  DebugValue value;
  value.failed = true;
  std::string out = command(kEval);
  dvalue::appendInt(out, level);
  dvalue::appendString(out, describingProgram(utf8Expression));
  const auto reply = request(finish(std::move(out)), true);
  bool timedOut = false;
  int limit = 0;
  {
    std::lock_guard lock(mutex_);
    timedOut = evaluationTimedOut_;
    limit = evaluationLimitMs_;
  }
  if (timedOut) {
    value.value = timeoutDescription(limit);
    return value;
  }
  if (!reply || reply->size() < 3 || (*reply)[0].integer != kReply) {
    value.value = "调试已结束";
    return value;
  }
  // [ REP error-flag result EOM ]: a compile error of the program comes as error text.
  const DebugDValue& result = (*reply)[2];
  const std::string text = result.kind == DebugDValue::String ? gbk::fromCesu8(result.text) : "";
  if (intOf((*reply)[1]) != 0 || text.empty()) {
    value.value = text;
    return value;
  }
  if (text[0] == 'e') {
    value.value = text.substr(1);
    return value;
  }
  const std::size_t lf = text.find('\n');
  value.failed = false;
  value.type = text.substr(1, lf - 1);
  value.value = lf == std::string::npos ? "" : text.substr(lf + 1);
  if (value.type == "number") value.value = numberToVariantText(std::strtod(value.value.c_str(), nullptr));
  return value;
}

void DebugSession::resume(DebugStep step) {
  std::lock_guard lock(mutex_);
  if (!paused_ || ended_ || detached_) return;
  paused_ = false;
  pausedTotal_ += platform::tickCount() - pausedSince_;
  lastStep_ = step;
  queueLocked(stepRequest(step), false);
}

void DebugSession::stop() {
  std::lock_guard lock(mutex_);
  if (paused_ && !ended_ && !detached_) {
    // One more instruction in the engine's checked mode brings its periodic check, which
    // ends the script right there; letting go of it at once would run on up to a check's
    // interval of instructions, maybe to the end.
    queueLocked(stepRequest(DebugStep::Into), false);
    pausedTotal_ += platform::tickCount() - pausedSince_;
  }
  stop_ = true;
  paused_ = false;
  changed_.notify_all();
}

void DebugSession::runEnded() {
  std::lock_guard lock(mutex_);
  if (paused_) pausedTotal_ += platform::tickCount() - pausedSince_;
  ended_ = true;
  paused_ = false;
  changed_.notify_all();
}

// ---- The transport, on the script's thread ----------------------------------------------------

std::size_t DebugSession::read(char* buffer, std::size_t length) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return !inbox_.empty() || stop_; });
  if (inbox_.empty()) return 0;  // stopped: the engine lets go; the host's check ends the script
  const std::size_t n = std::min(length, inbox_.size());
  std::memcpy(buffer, inbox_.data(), n);
  inbox_.erase(0, n);
  // The engine evaluates once it has read the request's text, before its closing marker.
  if (evaluationQueued_ && !evaluating_) {
    if (n > evaluationAt_) evaluating_ = true;
    evaluationAt_ -= std::min(n, evaluationAt_);
  }
  return n;
}

std::size_t DebugSession::peek() {
  std::lock_guard lock(mutex_);
  // A stop needs nothing read: the host's periodic check ends the script; a pause after it
  // reads nothing and lets go of the engine.
  return inbox_.size();
}

std::size_t DebugSession::write(const char* data, std::size_t length) {
  try {
    std::lock_guard lock(mutex_);
    outbox_.append(data, length);
    if (!greeted_) {
      // The engine first writes a line naming its protocol version.
      const std::size_t lf = outbox_.find('\n');
      if (lf == std::string::npos) return length;
      outbox_.erase(0, lf + 1);
      greeted_ = true;
    }
    for (;;) {
      Message message;
      std::size_t at = 0;
      bool complete = false, bad = false;
      DebugDValue value;
      while (dvalue::read(outbox_, at, value, bad)) {
        const bool eom = value.kind == DebugDValue::Marker && value.integer == kEom;
        message.push_back(std::move(value));
        if (eom) {
          complete = true;
          break;
        }
      }
      if (bad) return 0;  // not the protocol we speak: the engine detaches
      if (!complete) break;
      outbox_.erase(0, at);
      handleMessageLocked(std::move(message));
    }
  } catch (...) {
    return 0;  // out of memory: the engine detaches rather than unwinding through this
  }
  return length;
}

void DebugSession::handleMessageLocked(Message message) {
  if (message.empty() || message[0].kind != DebugDValue::Marker) return;
  const auto marker = static_cast<unsigned char>(message[0].integer);
  if (marker == kReply || marker == kError) {
    const bool wanted = !awaited_.empty() && awaited_.front();
    if (!awaited_.empty()) awaited_.pop_front();
    if (wanted) {
      reply_ = std::move(message);
      changed_.notify_all();
    }
    return;
  }
  if (marker != kNotify || message.size() < 3 || intOf(message[1]) != kStatus) return;
  // [ NFY 1 state fileName funcName line pc EOM ]
  const bool pausedNow = intOf(message[2]) == 1;
  if (!pausedNow || stop_) return;
  if (paused_) return;  // the same pause told again
  const std::string file = message.size() > 3 ? message[3].text : std::string();
  const int line = message.size() > 5 ? static_cast<int>(intOf(message[5])) : 0;
  if (!started_) {
    // The engine pauses as it is attached, before the script's first instruction: give it the
    // breakpoints and let it run. A breakpoint on that very first line still stops it right
    // after, as the line is entered.
    started_ = true;
    for (int bp : breakpoints_) {
      std::string out = command(kAddBreak);
      dvalue::appendString(out, scriptFileName_);
      dvalue::appendInt(out, bp);
      queueLocked(finish(std::move(out)), false);
    }
    queueLocked(stepRequest(DebugStep::Continue), false);
    return;
  }
  if (file != scriptFileName_) {
    // Code that is not the user's (the call's own expression, the profile's library): carry on
    // with the same step until the script is back in the user's code, or run on.
    const DebugStep step = file == "eval" ? DebugStep::Continue : lastStep_;
    queueLocked(stepRequest(step), false);
    return;
  }
  paused_ = true;
  ++pauses_;
  pausedSince_ = platform::tickCount();
  line_ = line;
  changed_.notify_all();
}

void DebugSession::detached() {
  std::lock_guard lock(mutex_);
  detached_ = true;
  changed_.notify_all();
}

bool DebugSession::stopRequested() const {
  std::lock_guard lock(mutex_);
  return stop_;
}

bool DebugSession::evaluating() const {
  std::lock_guard lock(mutex_);
  return evaluating_;
}

void DebugSession::evaluationEnded(bool timedOut, int timeoutMs) {
  std::lock_guard lock(mutex_);
  evaluating_ = false;
  evaluationQueued_ = false;  // what the engine reads next is no longer the evaluation
  evaluationTimedOut_ = timedOut;
  evaluationLimitMs_ = timeoutMs;
}

}  // namespace jsdebug::engine
