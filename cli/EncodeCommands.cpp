// encode OP [--key K] [--charset gbk|utf8] [--base64] FILE: one operation of the 编码工具 window
// on a file's bytes, its output bytes on standard output. What cannot be decoded prints nothing
// and says why on standard error, with status 1.

#include "cli/Cli.h"
#include "encode/Operations.h"

namespace jsdebug::cli {
namespace {

constexpr const char* kUsage = "OP [--key K] [--charset gbk|utf8] [--base64] FILE";

int usageError(Context& c, const std::string& message) {
  c.error(message);
  std::string ops;
  for (const encode::Operation& op : encode::operations()) ops += std::string(ops.empty() ? "" : " ") + op.name;
  c.error("usage: encode " + std::string(kUsage) + "\n  OP: " + ops);
  return kExitUsage;
}

int encodeCommand(Context& c, const std::vector<std::string>& a) {
  const encode::Operation* op = encode::findOperation(a[0]);
  if (!op) return usageError(c, "unknown operation '" + a[0] + "'");
  encode::Options options;
  bool keyGiven = false;
  std::string file;
  for (std::size_t i = 1; i < a.size(); ++i) {
    if (a[i] == "--key" || a[i] == "--charset") {
      if (i + 1 >= a.size()) return usageError(c, a[i] + " needs a value");
      const std::string& value = a[++i];
      if (a[i - 1] == "--key") {
        // Typed on a UTF-8 terminal; the charset then says which bytes it stands for.
        options.key = c.fromTerminal(value);
        keyGiven = true;
      } else if (value == "gbk" || value == "utf8") {
        options.charset = value == "gbk" ? encode::Charset::Gbk : encode::Charset::Utf8;
      } else {
        return usageError(c, "--charset takes gbk or utf8, not '" + value + "'");
      }
    } else if (a[i] == "--base64") {
      options.digestBase64 = true;
    } else if (!file.empty()) {
      return usageError(c, "one FILE only");
    } else {
      file = a[i];
    }
  }
  if (file.empty()) return usageError(c, "no FILE");
  if (op->usesKey && !keyGiven) return usageError(c, std::string(op->name) + " needs --key K");
  std::string bytes;
  if (!c.readBytes(file, bytes)) return kExitFailure;
  const encode::Outcome outcome = op->run(bytes, options);
  if (!outcome.ok) {
    c.error(outcome.reason);
    return kExitFailure;
  }
  c.write(outcome.output);
  return kExitSuccess;
}

}  // namespace

std::vector<Command> encodeCommands() { return {{"encode", kUsage, 2, 7, encodeCommand}}; }

}  // namespace jsdebug::cli
