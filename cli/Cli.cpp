#include "cli/Cli.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "engine/SystemEngine.h"
#include "platform/FileBytes.h"
#include "platform/Paths.h"
#include "text/Codec.h"
#include "text/Text.h"
#include "workflow/OutputLog.h"
#include "workflow/ScriptFiles.h"

namespace jsdebug::cli {

Context::Context(bool utf8, std::ostream& out, std::ostream& err)
    : utf8_(utf8), out_(out), err_(err) {
  bench.onMessage = [this](const workflow::ShownMessage& m) {
    const std::string line = "[" + m.title + "] " + m.text + "\n";
    err_ << (utf8_ ? gbk::toUtf8(line) : line);
  };
}

engine::ScriptEngine& Context::engine() {
  if (!engine_) {
    engine_ = std::make_unique<engine::ScriptEngine>([this](const std::string& text) {
      bench.messageBox(text, workflow::kDefaultMessageTitle, workflow::MessageIcon::None);
    });
  }
  return *engine_;
}

bool Context::readScript(const std::string& path, std::string& bytes) {
  if (!readBytes(path, bytes)) return false;
  // The window says so in its log; here the log is the command's output, so standard error.
  const std::string cut = workflow::nulCutNote(bytes);
  if (!cut.empty()) err_ << (utf8_ ? gbk::toUtf8(cut) : cut) << "\n";
  bytes.resize(std::min(bytes.size(), bytes.find('\0')));
  return true;
}

bool Context::scanScript(const std::string& path,
                         const std::function<void(std::string_view)>& piece) {
  std::size_t total = 0;
  std::size_t kept = std::string_view::npos;  // where the first NUL is, once seen
  auto scan = [&](std::string_view bytes) {
    if (kept == std::string_view::npos) {
      const std::size_t nul = bytes.find('\0');
      piece(bytes.substr(0, nul));
      if (nul != std::string_view::npos) kept = total + nul;
    }
    total += bytes.size();
  };
  const std::error_code error = path == "-" ? platform::readScriptStreamInPieces(stdin, scan)
                                            : platform::readScriptFileInPieces(path, scan);
  if (readFailed(path, error)) return false;
  if (kept != std::string_view::npos) {
    const std::string cut = workflow::nulCutNote(kept, total);
    err_ << (utf8_ ? gbk::toUtf8(cut) : cut) << "\n";
  }
  return true;
}

bool Context::readBytes(const std::string& path, std::string& bytes) {
  return !readFailed(path, path == "-" ? platform::readScriptStream(stdin, bytes)
                                       : platform::readScriptFile(path, bytes));
}

bool Context::readFailed(const std::string& path, std::error_code error) {
  if (!error) return false;
  std::string reason = error.message();
  if (error == std::errc::not_supported) reason = "not a regular file";
  if (error == std::errc::file_too_large) reason = "larger than 256 MB";
  this->error("cannot read " + path + ": " + reason);
  return true;
}

bool Context::loadEditorFrom(const std::string& path) {
  std::string bytes;
  if (!readScript(path, bytes)) return false;
  bench.memoryEditor.setText(std::move(bytes));
  return true;
}

// The arguments come in the system's narrow encoding: UTF-8 from a Linux terminal, the ANSI code
// page (the program's own GBK) on a Chinese Windows.
std::string Context::fromTerminal(const std::string& utf8) const { return platform::nativeToGbk(utf8); }

void Context::write(const std::string& gbkText) {
  out_ << (utf8_ ? gbk::toUtf8(gbkText) : gbkText);
  out_.flush();
}

void Context::error(const std::string& message) { err_ << "jsdebug-cli: " << message << "\n"; }

void Context::report(const std::string& gbkText) {
  err_ << (utf8_ ? gbk::toUtf8(gbkText) : gbkText) << "\n";
  err_.flush();
}

bool Context::refusedInput() const {
  for (const workflow::ShownMessage& m : bench.messages)
    if (m.icon == workflow::MessageIcon::Error) return true;
  return false;
}

int Context::statusFromLog() {
  const std::string& log = bench.log;
  const bool failed = text::findText(log, workflow::kLoadFailedHeader) > 0 ||
                      text::findText(log, workflow::kRunFailedHeader) > 0;
  return failed || refusedInput() ? kExitFailure : kExitSuccess;
}

namespace {

std::vector<Command> allCommands() {
  std::vector<Command> all;
  for (auto table : {debuggingCommands, transformCommands, v8Commands, generateCommands, encodeCommands,
                     rewriteCommands, deobfuscateCommands}) {
    auto part = table();
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

// The commands that run a script, and so can run it in the browser environment.
bool takesBrowser(const std::string& name) {
  return name == "load" || name == "run" || name == "debug" || name == "v8" || name == "compare" || name == "to-jscript";
}

void usage(std::ostream& err, const std::vector<Command>& commands) {
  err << "usage: jsdebug-cli [--utf8] [--browser] [--engine=auto|control|profile] "
         "[--allow-system-objects] COMMAND ARGS...\n       jsdebug-cli --version\n";
  for (const Command& c : commands)
    err << "  jsdebug-cli [--utf8]" << (takesBrowser(c.name) ? " [--browser] " : " ") << c.name
        << " " << c.usage << "\n";
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::vector<Command> commands = allCommands();
  std::size_t i = 0;
  bool utf8 = false;
  bool browser = false;
  // The system engine: the Windows Script Control where it exists, else the JScript profile.
  engine::SystemEngineSettings system;
  for (; i < args.size(); ++i) {
    if (args[i] == "--utf8" || args[i] == "--browser") {
      (args[i] == "--utf8" ? utf8 : browser) = true;
    } else if (args[i].rfind("--engine=", 0) == 0) {
      if (!engine::parseSystemEngineChoice(std::string_view(args[i]).substr(9), system.choice)) {
        err << "jsdebug-cli: --engine takes auto, control or profile\n";
        return kExitUsage;
      }
    } else if (args[i] == "--allow-system-objects") {
      system.allowUnsafeObjects = true;
    } else {
      break;
    }
  }
  engine::setSystemEngineSettings(system);
  if (i < args.size() && args[i] == "--version") {
    out << "jsdebug-cli " << JSDEBUG_VERSION << "\n";
    const std::string description = "system engine: " + engine::systemEngineDescription() + "\n";
    out << (utf8 ? gbk::toUtf8(description) : description);
    return kExitSuccess;
  }
  if (i >= args.size()) {
    usage(err, commands);
    return kExitUsage;
  }
  const std::string name = args[i++];
  const std::vector<std::string> rest(args.begin() + static_cast<long>(i), args.end());
  for (const Command& c : commands) {
    if (c.name != name) continue;
    if (static_cast<int>(rest.size()) < c.minArgs || static_cast<int>(rest.size()) > c.maxArgs) {
      err << "usage: jsdebug-cli [--utf8] " << c.name << " " << c.usage << "\n";
      return kExitUsage;
    }
    if (browser && !takesBrowser(c.name)) {
      err << "jsdebug-cli: --browser applies to load, run, debug, v8, compare and to-jscript only\n";
      return kExitUsage;
    }
    Context context(utf8, out, err);
    context.bench.browserEnvironment = browser;
    return c.run(context, rest);
  }
  err << "jsdebug-cli: unknown command '" << name << "'\n";
  usage(err, commands);
  return kExitUsage;
}

}  // namespace jsdebug::cli
