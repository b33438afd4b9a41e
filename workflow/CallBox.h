#pragma once
// The call box: its cue text, the refusal of a missing call, splitting a call into name and
// arguments, and the two editor gestures around it (picking a function by double click, brace
// highlighting on left-button release).

#include <optional>
#include <string>
#include <string_view>

#include "engine/ScriptHost.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

inline constexpr const char* kCallBoxCueText =
    "调用例子：test('abc',123) 字符串用单引号括起来 双击函数名有惊喜";
inline constexpr const char* kMissingCallMessage =
    "请输入调用方法 如 test('abc',123) 或者双击调用函数名";

// When the call box is empty or shows its cue text: the message box (error icon), the focus to
// the call box, and true. Commands that need a call stop when this returns true.
bool refuseMissingCall(Workbench& bench);
// Whether the call box holds a call worth running unasked (the rewrites check their work with
// it): more than blanks, and not the cue text.
bool callBoxHoldsCall(const std::string& callBoxText);

void callBoxFocusIn(Workbench& bench);
void callBoxFocusOut(Workbench& bench);

struct CallToRun {
  std::string name;
  std::string arguments;
};

// What users paste from code ends in ";" and often a comment: "test('abc',123); // check". Left
// on, the tail hides the closing ")" from the split and the call runs without its arguments. So
// trailing blanks (tabs and line breaks too), semicolons and a last // or /* */ comment outside
// quotes go, again and again, until none is left; the front of the text is untouched.
std::string trimCallTail(std::string_view callText);

// The call as the engines run it; the generated E code cuts it its own way (splitCallForECode).
// Trims ASCII and full-width blanks and the call's tail, wraps the text in "|" and takes the
// name before the first "(" and the arguments up to the first ")|" after it.
CallToRun splitCallToRun(const std::string& callBoxText);

// The call as the engines would be asked to run it, before the split: blanks and the tail gone.
std::string callAsTyped(const std::string& callBoxText);

// Whether the call's "(" is never closed ("test('abc',123"): split as usual it would run
// name + "()" with its arguments lost. Parentheses in quoted text do not count.
bool callIsUnclosed(const std::string& callBoxText);

// For an unclosed call, the JScript grammar's verdict on the call as typed: 1006 缺少 ')', or
// what JScript stops at before that (1015 in an unfinished string). nullopt when the call closes
// or JScript reads it after all.
std::optional<engine::ScriptError> unclosedCallError(const std::string& callBoxText);

// "调用方法有语法错误：<description>（错误代码 <number>，位置 <column>）"
std::string callSyntaxMessage(const engine::ScriptError& error);

// When the call box holds an unclosed call: the message box (error icon), the focus to the call
// box, and true. The commands that put the call somewhere without running it stop then.
bool refuseUnclosedCall(Workbench& bench);

// "提示：调用方法中的 U+1F600、U+2603 是GBK没有的字符，已当作“?”使用。\r\n"; empty when none.
std::string lostCallCharactersNote(const std::u32string& lost);
// Appends that note on a line of its own when the call box lost characters; true when it did.
bool noteLostCallCharacters(Workbench& bench);

// Function picking from a double-clicked line: the text after "function " up to the first ")";
// empty when there is none.
std::string pickedSignature(const std::string& lineText);
// "调试 [" + signature + "] 函数！"
std::string debugItemCaption(const std::string& signature);
// The call the call box receives, read back from the item's caption.
std::string callFromCaption(const std::string& caption);

// Brace highlighting after the left button is released in the editor.
void highlightBraces(EditorOperations& editor);

}  // namespace jsdebug::workflow
