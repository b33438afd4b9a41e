// gen-e, gen-v8, page and fetch: the generated texts, the test page and a download, each to
// where a script can pick it up instead of the clipboard, a browser or the editor.

#include "cli/Cli.h"
#include "net/Download.h"
#include "workflow/UrlLoading.h"
#include "generate/ECode.h"
#include "generate/TestPage.h"
#include "workflow/CallBox.h"

namespace jsdebug::cli {

namespace {

int writeClipboard(Context& c) {
  if (c.refusedInput()) return kExitFailure;
  c.write(c.bench.clipboard);
  return kExitSuccess;
}

}  // namespace

std::vector<Command> generateCommands() {
  return {
      {"gen-e", "CALL", 1, 1,
       [](Context& c, const std::vector<std::string>& a) {
         c.bench.callBox = c.fromTerminal(a[0]);
         generate::systemCodeCommand(c.bench);
         return writeClipboard(c);
       }},
      {"gen-v8", "CALL [LENGTH]", 1, 2,
       [](Context& c, const std::vector<std::string>& a) {
         c.bench.callBox = c.fromTerminal(a[0]);
         if (a.size() > 1) c.bench.v8BufferLength = c.fromTerminal(a[1]);
         generate::v8CodeCommand(c.bench);
         return writeClipboard(c);
       }},
      {"page", "FILE CALL OUT", 3, 3,
       [](Context& c, const std::vector<std::string>& a) {
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         c.bench.callBox = c.fromTerminal(a[1]);
         if (workflow::refuseMissingCall(c.bench) || workflow::refuseUnclosedCall(c.bench))
           return kExitFailure;
         const std::error_code error =
             generate::writeTestPage(a[2], c.bench.editor().wholeText(), c.bench.callBox);
         if (error) {
           c.error("cannot write " + a[2] + ": " + error.message());
           return kExitFailure;
         }
         return kExitSuccess;
       }},
      {"fetch", "URL", 1, 1,
       [](Context& c, const std::vector<std::string>& a) {
         const std::string address = c.fromTerminal(a[0]);
         const net::Download got = net::downloadScript(address);
         if (!got.failure.empty()) {
           c.bench.messageBox(workflow::downloadFailedMessage(address, got.failure),
                              workflow::kDefaultMessageTitle, workflow::MessageIcon::Error);
           return kExitFailure;
         }
         c.write(got.bytes);
         return kExitSuccess;
       }},
  };
}

}  // namespace jsdebug::cli
