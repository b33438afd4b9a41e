// beautify, minify, unpack and md5: the editor text after the first three, the output log after
// "MD5加密". A transformer that fails prints nothing: its message goes to standard error and the
// status is 1.

#include "cli/Cli.h"
#include "encode/Encodings.h"
#include "platform/Digests.h"
#include "transform/Md5.h"
#include "transform/ScriptTransforms.h"

namespace jsdebug::cli {
namespace {

Command editorCommand(const std::string& name, void (*command)(workflow::Workbench&)) {
  return {name, "FILE", 1, 1, [command](Context& c, const std::vector<std::string>& a) {
            if (!c.loadEditorFrom(a[0])) return kExitFailure;
            command(c.bench);
            if (c.refusedInput()) return kExitFailure;
            c.write(c.bench.editor().wholeText());
            return kExitSuccess;
          }};
}

}  // namespace

std::vector<Command> transformCommands() {
  return {
      editorCommand("beautify", transform::beautifyCommand),
      editorCommand("minify", transform::minifyCommand),
      editorCommand("unpack", transform::unpackCommand),
      {"md5", "FILE", 1, 1,
       [](Context& c, const std::vector<std::string>& a) {
         // The digest of what the editor would hold, taken as the file is read: no copy of
         // the file is ever whole in memory.
         platform::Hasher hasher(platform::DigestKind::Md5);
         if (!c.scanScript(a[0], [&hasher](std::string_view piece) { hasher.update(piece); }))
           return kExitFailure;
         const std::optional<std::string> digest = hasher.finish();
         transform::showMd5Hex(c.bench, digest ? encode::hexEncode(*digest) : "");
         c.write(c.bench.log);
         return kExitSuccess;
       }},
  };
}

}  // namespace jsdebug::cli
