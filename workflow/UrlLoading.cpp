#include "workflow/UrlLoading.h"

#include <thread>

#include "net/Download.h"
#include "workflow/ScriptFiles.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

std::string downloadFailedMessage(const std::string& address, const std::string& reason) {
  std::string message = "下载失败：";
  return message.append(address).append("\r\n").append(reason).append("，编辑框的代码没有改变。");
}

void loadFromUrlBox(Workbench& bench, const Downloader& download) {
  // Read again here, not at the click: that is the address the user sees when the worker starts.
  std::string address;
  bench.runOnGuiThread([&] { address = bench.urlBoxText(); });
  const net::Download got = download(address);
  if (!got.failure.empty()) {
    // The partial text or the error page is no script: the user's own text stays.
    bench.runOnGuiThread([&] {
      bench.messageBox(downloadFailedMessage(address, got.failure), kDefaultMessageTitle,
                       MessageIcon::Error);
    });
    return;
  }
  bench.runOnGuiThread([&] {
    // Asked when the script arrives, not at the click: edits made while it downloaded count.
    // A downloaded script can be downloaded again: nothing to lose yet once it is in.
    if (replaceScript(bench, got.bytes, kDownloadAction)) bench.setFocus(Control::CodeEditor);
  });
}

void loadScriptFromUrl(Workbench& bench, std::function<void()> finished, Downloader download) {
  if (bench.urlBoxText() == kSampleAddress) {
    replaceScript(bench, kSampleScript, kDownloadAction);
    if (finished) finished();
    return;
  }
  if (!download) download = net::downloadScript;
  std::thread([&bench, finished = std::move(finished), download = std::move(download)] {
    loadFromUrlBox(bench, download);
    if (finished) finished();
  }).detach();
}

}  // namespace jsdebug::workflow
