#pragma once
// "生成系统代码" and "生成V8代码": ready-to-paste E source that calls the function in the call box,
// through the script host component or through the V8 module, put on the clipboard.
// Neither reads the editor: the generated call names the script 调试成功的JS代码, which the user
// defines in their own program.

#include <string>
#include <string_view>

namespace jsdebug::workflow {
class Workbench;
}  // namespace jsdebug::workflow

namespace jsdebug::generate {

// Stands for the call line in both templates.
inline constexpr std::string_view kCallMarker = "------------------";

inline constexpr const char* kSystemCodeCopiedMessage = "代码已复制成功，直接复制调用方法粘贴就OK!";
inline constexpr const char* kV8CodeCopiedMessage = "代码已复制成功，V8引擎需要下载模块和DLL文件";

// The call box text cut the way the generated call needs it, which is not how a run cuts it
// (splitCallToRun): the name keeps its spaces and the arguments are normalised.
struct CallForECode {
  // Everything before the first "(", spaces included; empty without a "(".
  std::string name;
  // The text up to the first ")" after that "(", split at ",", each piece stripped of ASCII and
  // ideographic spaces, joined again with ",".
  std::string argumentList;
};

CallForECode splitCallForECode(std::string_view callText);

// The pieces of an argument text, as the generated call joins them.
std::string normalizeArgumentList(std::string_view argumentText);

std::string systemCallLine(const CallForECode& parts);
std::string v8CallLine(const CallForECode& parts, std::string_view bufferLength);

// The whole generated texts for a call box text (and the V8 buffer-length box text).
std::string systemCallingCode(std::string_view callText);
std::string v8CallingCode(std::string_view callText, std::string_view bufferLength);

// The button commands: refuse a missing call, fill the clipboard, confirm.
void systemCodeCommand(workflow::Workbench& bench);
void v8CodeCommand(workflow::Workbench& bench);

}  // namespace jsdebug::generate
