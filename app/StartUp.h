#pragma once
// What the workbench shows when it opens: the window title, the tooltip of the V8 controls, the
// editor's initial set-up with the default code, the three log texts, and the help text. No Qt
// here, so the headless workbench can be set up the same way.

#include <string>

#include "workflow/UrlLoading.h"
#include "generate/Author.h"
#include "workflow/Workbench.h"

namespace jsdebug::app {

// Ours to choose: the users' discussion group. The author's number is kAuthorContact.
inline constexpr const char* kDiscussionGroupNumber = "612345678";

// The editor opens with the sample script that the sample address also gives.
inline constexpr const char* kDefaultCode = workflow::kSampleScript;

inline constexpr const char* kInitialisedText = "初始化成功！！\r\n";

// "墨岩JS调试工具 v7.5 By QQ:<author>  QQ群：<group>  2018-07-16"
std::string mainWindowTitle();
// "QQ:<author>"
std::string helpText();
// From "欢迎使用" to the final line break.
std::string welcomeText();

// The editor's settings at start-up, in order: the default code, the fonts and sizes, the
// margins, the lexer and its colours, the two keyword lists.
void setUpEditor(workflow::EditorOperations& editor);

// The three texts of a fresh output log: initialised, a separator line, the welcome text; on
// Windows, where the system engine is a choice, the line naming it follows.
void writeWelcome(workflow::Workbench& bench);

}  // namespace jsdebug::app
