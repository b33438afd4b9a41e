#include "generate/TestPage.h"

#include <filesystem>

#include "platform/FileBytes.h"
#include "platform/Paths.h"
#include "text/Codec.h"
#include "text/Text.h"
#include "workflow/CallBox.h"
#include "workflow/Desktop.h"
#include "workflow/Workbench.h"

namespace jsdebug::generate {

namespace {

// "</script" in any case ends the element wherever it stands; "<\/" is read as "</" inside
// strings and regular expressions, and is inert in a comment.
std::string withoutEndTag(std::string_view text) {
  constexpr std::string_view kTag = "</script";
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '<' && jsdebug::text::startsWithIgnoringAsciiCase(text.substr(i), kTag)) {
      out += "<\\";
      continue;
    }
    out += text[i];
  }
  return out;
}

}  // namespace

std::string testPageText(std::string_view script, std::string_view call) {
  std::string page(kTestPageCharset);
  page += "<br><br>如果浏览器返回结果正常，那离成功不远了！<br><br>\r\n";
  page += "<script type=\"text/javascript\">\r\n";
  page += withoutEndTag(script);
  page += "\r\ndocument.write('运行结果:')\r\n";
  page += "document.write(";
  page += withoutEndTag(call);
  page += ")\r\n</script>";
  return page;
}

std::string testPagePath(std::string_view executableDirectory) {
  return platform::joinPath(std::string(executableDirectory), kTestPageName);
}

std::error_code writeTestPage(const std::string& path, std::string_view script,
                              std::string_view call) {
  return platform::writeFileBytes(path, testPageText(script, call));
}

void browserRunCommand(workflow::Workbench& bench, workflow::Desktop& desktop) {
  if (workflow::refuseMissingCall(bench)) return;
  // The page would only show the browser's own syntax error, in its console, out of sight.
  if (workflow::refuseUnclosedCall(bench)) return;
  const std::string call = bench.callBoxText();
  const std::string script = bench.editor().wholeText();
  std::string path = testPagePath(desktop.executableDirectory());
  std::error_code error = writeTestPage(path, script, call);
  if (error) {
    // An installed program may not write beside itself; the page then goes to the user's own
    // folder, so the browser shows this run rather than a missing or an older page.
    const std::string own = platform::userCacheDirectory();
    std::error_code made;
    if (!own.empty() && (std::filesystem::create_directories(own, made), !made)) {
      path = testPagePath(own);
      error = writeTestPage(path, script, call);
    }
  }
  // Written nowhere: the first path is opened as ever, and the desktop says what it finds there.
  if (error) path = testPagePath(desktop.executableDirectory());
  workflow::noteLostCallCharacters(bench);
  if (!desktop.openWithDefaultProgram(path))
    bench.messageBox(kNoBrowserMessage + gbk::fromUtf8(path), workflow::kDefaultMessageTitle,
                     workflow::MessageIcon::Error);
}

}  // namespace jsdebug::generate
