#pragma once
// "下载JS代码": the script at the address in the URL box replaces the editor text. The download
// runs on a worker of its own so the window stays responsive; the sample address needs no
// network at all.

#include <functional>
#include <string>
#include <string_view>

#include "examples/SampleScript.h"

namespace jsdebug::net {
struct Download;
}

namespace jsdebug::workflow {

class Workbench;

// The URL box's initial text. Its host is reserved for examples and never resolves, which is
// why this exact text is answered without a download.
inline constexpr const char* kSampleAddress = "http://www.example.com/test.js";

// The editor's initial script, and what the sample address gives: examples/test.js. Lines 1-4
// and 6-7 end in CR LF, the fifth in a lone LF, the last has none: the mixed breaks are
// deliberate, they show at once how a script with such breaks loads and runs.
inline constexpr const char* kSampleScript = examples::kSampleScriptBytes;

using Downloader = std::function<net::Download(std::string_view address)>;

// "下载失败：<address>\r\n<reason>，编辑框的代码没有改变。"
std::string downloadFailedMessage(const std::string& address, const std::string& reason);

// The worker's part: reads the URL box, downloads, replaces the editor text and focuses the
// editor; a failed download leaves the text alone and says why in a message box. The window is
// reached only through runOnGuiThread.
void loadFromUrlBox(Workbench& bench, const Downloader& download);

// The command. Starts one detached worker per click and returns at once; `finished`, when given,
// is the worker's last act (tests and the CLI wait on it), and is called at once when no worker
// was needed. The workbench must outlive the worker, as the main window does.
void loadScriptFromUrl(Workbench& bench, std::function<void()> finished = {},
                       Downloader download = {});

}  // namespace jsdebug::workflow
