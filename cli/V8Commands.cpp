// v8, jsfuck and utf8: the commands that go through the V8 bridge.


#include "cli/Cli.h"
#include "engine/FatalError.h"
#include "engine/V8Bridge.h"
#include "platform/Ticks.h"
#include "transform/JsfuckDecoder.h"
#include "transform/Utf8Decoding.h"
#include "workflow/CallBox.h"
#include "workflow/CompareRun.h"
#include "workflow/V8Run.h"

namespace jsdebug::cli {
namespace {

using workflow::kMinimumV8BufferLength;

// What the window does at start: a missing engine library ends the run here. For the length of
// the command the fatal box goes where the CLI's other boxes go (converted under --utf8).
class EngineStart {
 public:
  explicit EngineStart(Context& c) {
    engine::setFatalErrorBox([&c](const std::string& text, const std::string& title) {
      c.bench.messageBox(text, title, workflow::MessageIcon::Error);
    });
    engine::v8Bridge().initializeV8(engine::startupPath());
  }
  EngineStart(const EngineStart&) = delete;
  EngineStart& operator=(const EngineStart&) = delete;
  ~EngineStart() { engine::setFatalErrorBox(nullptr); }

  engine::V8Bridge& bridge() { return engine::v8Bridge(); }

  // The window starts node with itself, and by the time the user clicks it has long started;
  // the first call here would wait for it, and 执行时间 would be node's start, not the call's.
  // A call of nothing waits instead (a missing node is reported by the real call).
  void waitUntilReady() { bridge().executeV8("", "", "0", kMinimumV8BufferLength); }
};

}  // namespace

std::vector<Command> v8Commands() {
  return {
      {"v8", "FILE CALL [LENGTH]", 2, 3,
       [](Context& c, const std::vector<std::string>& a) {
         EngineStart engine(c);
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         c.bench.callBox = c.fromTerminal(a[1]);
         // The window's box shows its cue text when empty; here nothing stands for a call, and
         // the CLI's v8 refuses it as its run does.
         if (workflow::refuseMissingCall(c.bench)) return kExitFailure;
         if (a.size() > 2) c.bench.v8BufferLength = c.fromTerminal(a[2]);
         engine.waitUntilReady();
         workflow::v8RunCommand(c.bench, engine.bridge(), platform::tickCount);
         c.write(c.bench.log);
         return c.statusFromLog();
       }},
      {"compare", "FILE CALL [N]", 2, 3,
       [](Context& c, const std::vector<std::string>& a) {
         int runs = workflow::kDefaultCompareRuns;
         if (a.size() > 2) {
           const auto typed = workflow::parseCompareRuns(a[2]);
           if (!typed) {
             c.error("compare: N must be a whole number from 1 to " +
                     std::to_string(workflow::kMaxCompareRuns));
             return kExitUsage;
           }
           runs = *typed;
         }
         EngineStart engine(c);
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         c.bench.callBox = c.fromTerminal(a[1]);
         const bool agree =
             workflow::compareRunCommand(c.bench, c.engine(), engine.bridge(), platform::tickCount, runs);
         c.write(c.bench.log);
         return agree ? kExitSuccess : kExitFailure;
       }},
      {"jsfuck", "FILE", 1, 1,
       [](Context& c, const std::vector<std::string>& a) {
         EngineStart engine(c);
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         // The window's command hands this to a worker and returns; the CLI has nothing else
         // to do meanwhile, so it decodes here and can tell how it went.
         if (transform::decodeJsfuck(c.bench, engine.bridge()) != transform::JsfuckOutcome::Decoded) {
           if (!c.refusedInput()) c.error("jsfuck: the engine reported an error; nothing decoded");
           return kExitFailure;
         }
         c.write(c.bench.editor().wholeText());
         return kExitSuccess;
       }},
      {"utf8", "FILE", 1, 1,
       [](Context& c, const std::vector<std::string>& a) {
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         transform::utf8DecodeCommand(c.bench, engine::v8Bridge());
         if (c.refusedInput()) return kExitFailure;
         c.write(c.bench.editor().wholeText());
         return kExitSuccess;
       }},
  };
}

}  // namespace jsdebug::cli
