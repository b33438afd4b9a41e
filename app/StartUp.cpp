#include "app/StartUp.h"

#include "engine/SystemEngine.h"
#include "workflow/OutputLog.h"
#include "workflow/V8Run.h"

namespace jsdebug::app {
namespace {

// Scintilla's style numbers and the one lexer the editor uses.
constexpr int kStyleBlockComment = 1;
constexpr int kStyleLineComment = 2;
constexpr int kStyleNumber = 4;
constexpr int kStyleKeyword = 5;
constexpr int kStyleDoubleQuoted = 6;
constexpr int kStyleSingleQuoted = 7;
constexpr int kStyleKeyword2 = 16;
constexpr int kStyleDefault = 32;
constexpr int kStyleLineNumber = 33;
constexpr int kStyleBraceLight = 34;
constexpr int kLexerCpp = 3;

constexpr const char* kKeywords =
    "break case catch continue default delete do else finally for function if in instanceof new "
    "return switch this throw try typeof var void while with eval";
constexpr const char* kKeywords2 = "navigator window ";

}  // namespace

std::string mainWindowTitle() {
  return std::string("墨岩JS调试工具 v7.5 By QQ:") + generate::kAuthorContact + "  QQ群：" +
         kDiscussionGroupNumber + "  2018-07-16";
}

std::string helpText() { return std::string("QQ:") + generate::kAuthorContact; }

std::string welcomeText() {
  return std::string("欢迎使用 javascript调试工具 v7.5\r\n\r\nJS交流QQ群：") +
         kDiscussionGroupNumber + "  QQ:" + generate::kAuthorContact +
         "\r\n\r\n小提示：双击函数名，调用方法会写入调试框\r\n\r\nV8调试注意：" +
         workflow::kV8LengthHint + "\r\n";
}

void setUpEditor(workflow::EditorOperations& editor) {
  // Nothing copies the default style into the others (no style-clear-all), so the block
  // comment keeps its 18 points although the default style is set to 8 afterwards.
  editor.setText(kDefaultCode);
  editor.styleSetFont(kStyleBlockComment, "宋体");
  editor.styleSetSize(kStyleBlockComment, 18);
  editor.setMarginType(0, workflow::kMarginNumber);
  editor.setMarginWidth(0, workflow::kLineNumberMarginWidth);
  editor.setMarginType(1, workflow::kMarginSymbol);
  editor.setMarginWidth(1, workflow::kSymbolMarginWidth);
  editor.styleSetFore(kStyleLineNumber, 0x808080);
  editor.styleSetBack(kStyleLineNumber, 0xFFFFFF);
  editor.setLexer(kLexerCpp);
  editor.styleSetSize(kStyleDefault, 8);
  editor.styleSetFore(kStyleLineComment, 0x008000);
  editor.styleSetFore(kStyleNumber, 0x0000FF);
  editor.styleSetFore(kStyleDoubleQuoted, 0x0060C0);
  editor.styleSetFore(kStyleSingleQuoted, 0x0060C0);
  editor.styleSetBack(kStyleBraceLight, 0xFFFF00);
  editor.styleSetFore(kStyleBraceLight, 0xFF00FF);
  editor.styleSetFore(kStyleKeyword, 0xFF0000);
  editor.setKeywords(0, kKeywords);
  editor.styleSetFore(kStyleKeyword2, 0xFF00FF);
  editor.setKeywords(1, kKeywords2);
}

void writeWelcome(workflow::Workbench& bench) {
  bench.appendLog(kInitialisedText);
  bench.appendLog(workflow::kLogSeparator + "\r\n");
  bench.appendLog(welcomeText());
  if (const std::string engineLine = engine::systemEngineWelcomeLine(); !engineLine.empty())
    bench.appendLog(engineLine);
}

}  // namespace jsdebug::app
