#include "generate/TestPage.h"

#include <filesystem>

#include "platform/FileBytes.h"
#include "workflow/CallBox.h"
#include "workflow/Desktop.h"
#include "workflow/Workbench.h"

namespace jsdebug::generate {

std::string testPageText(std::string_view script, std::string_view call) {
  std::string page(kTestPageCharset);
  page += "<br><br>如果浏览器返回结果正常，那离成功不远了！<br><br>\r\n";
  page += "<script type=\"text/javascript\">\r\n";
  page += script;
  page += "\r\ndocument.write('运行结果:')\r\n";
  page += "document.write(";
  page += call;
  page += ")\r\n</script>";
  return page;
}

std::string testPagePath(std::string_view executableDirectory) {
#ifdef _WIN32
  constexpr char kSeparator = '\\';
#else
  constexpr char kSeparator = '/';
#endif
  std::string path(executableDirectory);
  path += kSeparator;
  path += kTestPageName;
  return path;
}

std::error_code writeTestPage(const std::string& path, std::string_view script,
                              std::string_view call) {
  return platform::writeFileBytes(path, testPageText(script, call));
}

void browserRun(Workbench& bench, Desktop& desktop) {
  if (refuseMissingCall(bench)) return;
  const std::string call = bench.callBoxText();
  const std::string script = bench.editor().wholeText();
  std::string path = testPagePath(desktop.executableDirectory());
  if (writeTestPage(path, script, call)) {
    // An installed program may not write beside itself; the page then goes to the user's own
    // folder, so the browser shows this run rather than a missing or an older page.
    const std::string own = platform::userCacheDirectory();
    std::error_code error;
    if (!own.empty() && (std::filesystem::create_directories(own, error), !error) &&
        !writeTestPage(testPagePath(own), script, call))
      path = testPagePath(own);
  }
  desktop.openWithDefaultProgram(path);
}

}  // namespace jsdebug::generate
