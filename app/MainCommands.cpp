#include "app/MainCommands.h"

#include "app/BusyScope.h"
#include "app/FindWindow.h"
#include "app/GoToWindow.h"
#include "app/MainWindow.h"
#include "app/ReplaceWindow.h"
#include "app/SearchWindows.h"
#include "app/StartUp.h"
#include "workflow/QuickFind.h"
#include "workflow/ScriptFiles.h"
#include "workflow/UrlLoading.h"
#include "generate/ECode.h"
#include "rewrite/Deobfuscate.h"
#include "generate/TestPage.h"
#include "rewrite/ToJScript.h"
#include "transform/JsfuckDecoder.h"
#include "transform/Md5.h"
#include "transform/ScriptTransforms.h"
#include "transform/Utf8Decoding.h"
#include "workflow/CompareRun.h"
#include "workflow/Debugging.h"
#include "workflow/OutputLog.h"
#include "workflow/V8Run.h"

namespace jsdebug::app {

void toggleLineNumbers(workflow::EditorOperations& editor) {
  if (editor.getMarginType(0) == workflow::kMarginNumber) {
    editor.setMarginType(0, workflow::kMarginSymbol);
    editor.setMarginWidth(0, 0);
  } else {
    editor.setMarginType(0, workflow::kMarginNumber);
    editor.setMarginWidth(0, workflow::kLineNumberMarginWidth);
  }
}

void startTrackedWorker(MainWindow& window,
                        const std::function<void(std::function<void()>)>& start) {
  start(window.guiThread().workerStarted());
}

const std::vector<NamedCommand>& mainWindowCommands() {
  static const std::vector<NamedCommand> commands = {
      // The debugging workflow.
      {"加载代码",
       [](MainWindow& w) {
         BusyScope busy(w);
         workflow::loadCodeCommand(w, w.services().engine);
       }},
      {"系统引擎运行",
       [](MainWindow& w) {
         BusyScope busy(w);
         workflow::systemRunCommand(w, w.services().engine, w.services().ticks);
       }},
      {"V8运行",
       [](MainWindow& w) { workflow::v8RunCommand(w, w.services().bridge, w.services().ticks); }},

      // Generated code and the browser.
      {"生成系统代码", [](MainWindow& w) { generate::systemCodeCommand(w); }},
      {"生成V8代码", [](MainWindow& w) { generate::v8CodeCommand(w); }},
      {"浏览器运行", [](MainWindow& w) { generate::browserRunCommand(w, w.services().desktop); }},

      // Files, a second window, a script from the web.
      {"openNewWindow", [](MainWindow& w) { workflow::openNewWindow(w.services().desktop); }},
      {"openScriptFile", [](MainWindow& w) { w.scriptFiles().openScriptFile(); }},
      {"saveScriptFile", [](MainWindow& w) { w.scriptFiles().saveScriptFile(); }},
      {"saveScriptWithCall", [](MainWindow& w) { w.scriptFiles().saveScriptWithCall(); }},
      {"下载JS代码",
       [](MainWindow& w) {
         startTrackedWorker(w, [&w](std::function<void()> finished) {
           workflow::loadScriptFromUrl(w, std::move(finished));
         });
       }},

      // The transformers.
      {"代码格式化", [](MainWindow& w) { BusyScope busy(w); transform::beautifyCommand(w); }},
      {"压缩", [](MainWindow& w) { BusyScope busy(w); transform::minifyCommand(w); }},
      {"eval解密", [](MainWindow& w) { BusyScope busy(w); transform::unpackCommand(w); }},
      {"MD5加密", [](MainWindow& w) { transform::md5Command(w); }},
      {"UTF8解码", [](MainWindow& w) { transform::utf8DecodeCommand(w, w.services().bridge); }},
      {"jsfuck解密",
       [](MainWindow& w) {
         startTrackedWorker(w, [&w](std::function<void()> finished) {
           transform::jsfuckCommand(w, w.services().bridge, std::move(finished));
         });
       }},

      // Search.
      {"寻找", [](MainWindow& w) { workflow::quickFind(w, w.quickFindState()); }},
      {"查找", [](MainWindow& w) { w.searchWindows().openFindWindow(); }},
      {"替换", [](MainWindow& w) { w.searchWindows().openReplaceWindow(); }},
      {"到指定行", [](MainWindow& w) { w.searchWindows().openGoToWindow(); }},

      // The editor's own commands.
      {"剪切", [](MainWindow& w) { w.editor().cut(); }},
      {"拷贝", [](MainWindow& w) { w.editor().copy(); }},
      {"粘贴", [](MainWindow& w) { w.editor().paste(); }},
      {"删除", [](MainWindow& w) { w.editor().clear(); }},
      {"撤消", [](MainWindow& w) { w.editor().undo(); }},
      {"重复", [](MainWindow& w) { w.editor().redo(); }},
      {"行号", [](MainWindow& w) { toggleLineNumbers(w.editor()); }},

      // The window.
      {"帮助",
       [](MainWindow& w) {
         w.messageBox(helpText(), workflow::kDefaultMessageTitle, workflow::MessageIcon::None);
       }},
      {"退出", [](MainWindow& w) { w.exitProgram(); }},
      // A switch: the runs read its state when they start.
      {"浏览器环境", [](MainWindow&) {}},

      // The 工具 drop-down's commands.
      // Seconds of node and Babel on a large script: a worker of their own, the window stays live.
      {"转为JScript",
       [](MainWindow& w) {
         startTrackedWorker(w, [&w](std::function<void()> finished) {
           rewrite::toJScriptInBackground(w, w.services().engine, &w.services().bridge, std::move(finished));
         });
       }},
      {"对比运行",
       [](MainWindow& w) {
         BusyScope busy(w);
         workflow::compareRunCommand(w, w.services().engine, w.services().bridge, w.services().ticks);
       }},
      {"编码工具", [](MainWindow& w) { w.openEncodeWindow(workflow::selectionOrLastResult(w)); }},
      {"反混淆",
       [](MainWindow& w) {
         startTrackedWorker(w, [&w](std::function<void()> finished) {
           rewrite::deobfuscateInBackground(w, &w.services().bridge, std::move(finished));
         });
       }},
      {"调试运行", [](MainWindow& w) { w.debugRun(); }},
      {"求值选中",
       [](MainWindow& w) {
         BusyScope busy(w);
         rewrite::evalSelectionCommand(w, w.services().bridge, w.editor().getSelectionStart(),
                                       w.editor().getSelectionEnd());
       }},
  };
  return commands;
}

const std::vector<ToolbarEntry>& toolbarEntries() {
  using K = ToolbarEntryKind;
  using I = ToolbarImage;
  static const std::vector<ToolbarEntry> entries = {
      {K::Button, "打开新窗口", I::NewWindow, "openNewWindow"},
      {K::Button, "打开", I::Open, "openScriptFile"},
      {K::Button, "保存（不带调用方法）", I::Save, "saveScriptFile"},
      {K::Button, "保存（带调用方法）", I::SaveWithCall, "saveScriptWithCall"},
      {K::Separator, "", I::NewWindow, ""},
      {K::Button, "剪切", I::Cut, "剪切"},
      {K::Button, "拷贝", I::Copy, "拷贝"},
      {K::Button, "粘贴", I::Paste, "粘贴"},
      {K::Button, "删除", I::Delete, "删除"},
      {K::Separator, "", I::NewWindow, ""},
      {K::Button, "撤消", I::Undo, "撤消"},
      {K::Button, "重复", I::Redo, "重复"},
      {K::Separator, "", I::NewWindow, ""},
      {K::Button, "查找", I::Find, "查找"},
      {K::Button, "替换", I::Replace, "替换"},
      {K::Button, "到指定行", I::GoToLine, "到指定行"},
      {K::Separator, "", I::NewWindow, ""},
      // Beautifies, as "代码格式化" does; the editor's word wrapping is not touched.
      {K::CheckButton, "自动换行", I::Beautify, "代码格式化"},
      {K::CheckButton, "行号", I::LineNumbers, "行号"},
      {K::Button, "浏览器运行", I::Browser, "浏览器运行"},
      {K::Separator, "", I::NewWindow, ""},
      {K::Button, "帮助", I::Help, "帮助"},
      {K::Button, "退出", I::Exit, "退出"},
      // Ours, after the original entries.
      {K::CheckButton, kBrowserEnvironmentTooltip, I::BrowserEnvironment, "浏览器环境"},
  };
  return entries;
}

const std::vector<ToolMenuItem>& toolMenuItems() {
  static const std::vector<ToolMenuItem> items = {
      {"转为JScript", "Ctrl+Shift+J", "转为JScript"},
      {"对比运行", "Ctrl+Shift+R", "对比运行"},
      {"编码工具", "Ctrl+Shift+B", "编码工具"},
      {"反混淆", "Ctrl+Shift+D", "反混淆"},
      {"求值选中", "Ctrl+Shift+E", "求值选中"},
      {"调试运行", "Ctrl+F5", "调试运行"},
  };
  return items;
}

}  // namespace jsdebug::app
