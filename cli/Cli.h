#pragma once
// jsdebug-cli: the workbench's commands on a headless workbench whose editor holds a file's bytes.
// Each area contributes a table of subcommands; runCli parses the options and dispatches.

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "engine/ScriptEngine.h"
#include "workflow/HeadlessWorkbench.h"

namespace jsdebug::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a failure block in the log, or input refused
inline constexpr int kExitUsage = 2;

class Context {
 public:
  Context(bool utf8, std::ostream& out, std::ostream& err);

  workflow::HeadlessWorkbench bench;

  // The one ScriptEngine, created on first use as the program creates it at start-up.
  engine::ScriptEngine& engine();

  // Reads FILE as raw bytes ("-" is standard input) up to its first NUL, the script the
  // window's editor would hold; false (with a message on standard error) when it cannot be read.
  bool readScript(const std::string& path, std::string& bytes);
  // The same script in pieces as it is read, for a command that looks at each byte once.
  bool scanScript(const std::string& path, const std::function<void(std::string_view)>& piece);
  // The whole file, NUL bytes included.
  bool readBytes(const std::string& path, std::string& bytes);
  // The same script into the editor.
  bool loadEditorFrom(const std::string& path);
  // CALL and LENGTH arrive from a UTF-8 terminal.
  std::string fromTerminal(const std::string& utf8) const;

  // Writes program bytes (GBK), converted when --utf8 was given.
  void write(const std::string& gbkText);
  void error(const std::string& message);  // plain UTF-8 message of the CLI itself
  // Program bytes (GBK) on standard error, converted when --utf8 was given, and a line break.
  void report(const std::string& gbkText);

  // The exit status after a command whose outcome is in the log: 1 when it holds a failure
  // block or a command refused its input with an error message box.
  int statusFromLog();
  bool refusedInput() const;

 private:
  bool readFailed(const std::string& path, std::error_code error);

  bool utf8_;
  std::ostream& out_;
  std::ostream& err_;
  std::unique_ptr<engine::ScriptEngine> engine_;
};

struct Command {
  std::string name;
  std::string usage;  // the arguments after the name, for the usage text
  int minArgs;
  int maxArgs;
  std::function<int(Context&, const std::vector<std::string>&)> run;
};

// The tables, one per area.
std::vector<Command> debuggingCommands();
std::vector<Command> transformCommands();
std::vector<Command> v8Commands();
std::vector<Command> generateCommands();
std::vector<Command> encodeCommands();
std::vector<Command> rewriteCommands();
std::vector<Command> deobfuscateCommands();

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace jsdebug::cli
