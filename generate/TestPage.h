#pragma once
// "浏览器运行": a page that embeds the editor's script and writes the value of the call, saved as
// test.html beside the executable and opened in the default browser, whose own engine then runs
// it.

#include <string>
#include <string_view>
#include <system_error>

namespace jsdebug::workflow {
class Workbench;
class Desktop;
}  // namespace jsdebug::workflow

namespace jsdebug::generate {

inline constexpr const char* kTestPageName = "test.html";

// The page is GBK like every text here. Without a declared character set a browser on a
// non-Chinese system guesses another code page and shows the Chinese garbled, so the page
// starts with the declaration; every byte after it is the page users know.
inline constexpr std::string_view kTestPageCharset = "<meta charset=\"gbk\">";

// Neither the script nor the call is escaped, with one exception: "</script" (any case) would end
// the page's script element early, so it is written "<\/script", which the script reads as the
// same text in a string, a regular expression or a comment.
std::string testPageText(std::string_view script, std::string_view call);

// The page's path in the executable's directory (given without a trailing separator).
std::string testPagePath(std::string_view executableDirectory);

// Writes the page, reporting why it could not be written.
std::error_code writeTestPage(const std::string& path, std::string_view script,
                              std::string_view call);

inline constexpr const char* kNoBrowserMessage = "没有找到可以打开网页的浏览器。测试页在：";

// The button and toolbar command. A page that cannot be written beside the executable goes to
// the user's cache folder (platform::userCacheDirectory) instead; one that cannot be written
// there either is not reported (the old path is opened). No browser to open it is said in a box.
void browserRunCommand(workflow::Workbench& bench, workflow::Desktop& desktop);

}  // namespace jsdebug::generate
