#pragma once
// Which command each control of the main window starts: one table for the buttons (by caption)
// and one for the toolbar (by index, separators counted). A name with no command in the table
// leaves its control inert; adding a command is adding a row here.

#include <functional>
#include <string>
#include <vector>

#include "app/Icons.h"
#include "workflow/EditorOperations.h"

namespace jsdebug::app {

class MainWindow;

// A command by name: a button's caption ("下载JS代码", "生成V8代码", "V8运行", ...), or the name
// a toolbar entry refers to ("openNewWindow", "openScriptFile", "saveScriptFile",
// "saveScriptWithCall", or a button's caption when the entry does what that button does).
struct NamedCommand {
  std::string name;
  std::function<void(MainWindow&)> run;
};

enum class ToolbarEntryKind { Button, CheckButton, Separator };

struct ToolbarEntry {
  ToolbarEntryKind kind;
  std::string tooltip;
  ToolbarImage image;
  // The command it starts; empty for a separator.
  std::string command;
};

// Every command the window's buttons and toolbar entries start.
const std::vector<NamedCommand>& mainWindowCommands();
// The check entry after the original 23: the browser environment switch.
inline constexpr int kBrowserEnvironmentEntry = 23;
inline constexpr const char* kBrowserEnvironmentTooltip =
    "浏览器环境：开启后在脚本之前运行网页环境（window、navigator、document、location、"
    "localStorage、atob/btoa、定时器、crypto 等），并在日志中列出脚本用到而环境没有的名称";

// The 23 toolbar entries in order, then ours.
const std::vector<ToolbarEntry>& toolbarEntries();

// The toolbar's last entry, after the browser environment switch: a drop-down that holds every
// command added to the window since, so the toolbar keeps clear of the V8 download link.
inline constexpr const char* kToolMenuCaption = "工具";

// An item of that drop-down: its caption, its keyboard shortcut (as Qt's key sequences spell
// it, shown in the menu) and the command it starts, looked up among mainWindowCommands().
struct ToolMenuItem {
  std::string caption;
  std::string shortcut;
  std::string command;
};
const std::vector<ToolMenuItem>& toolMenuItems();

// The margin toggle of "行号": line numbers at 32 pixels, or a symbol margin of width 0.
void toggleLineNumbers(workflow::EditorOperations& editor);

// Starts a worker the window's shutdown must wait for: `start` receives what the worker calls
// as its last act.
void startTrackedWorker(MainWindow& window, const std::function<void(std::function<void()>)>& start);

}  // namespace jsdebug::app
