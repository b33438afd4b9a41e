#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

#include "app/DebugWindow.h"
#include "app/EncodeWindow.h"
#include "app/HyperlinkLabel.h"
#include "app/Icons.h"
#include "app/MainCommands.h"
#include "app/MessageBox.h"
#include "app/OutputLogView.h"
#include "app/SearchWindows.h"
#include "app/SecondaryWindow.h"
#include "app/StartUp.h"
#include "editor/CodeEditor.h"
#include "text/Codec.h"
#include "workflow/ScriptFiles.h"
#include "workflow/UrlLoading.h"
#include "engine/V8Bridge.h"
#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"
#include "workflow/V8Run.h"
#include "workflow/DebugRun.h"
#include "workflow/HeadlessWorkbench.h"
#include "platform/Ticks.h"
#include <thread>

namespace jsdebug::app {

namespace {

constexpr const char* kDownloadPage = "https://nodejs.org/en/download";
constexpr const char* kDownloadCaption = "提示DLL错误 点击下载V8模块和DLL 解压放同目录";

const QColor kLogText(128, 128, 128);

// The buttons and where they sit, in reading order; each runs the command named by its caption.
const MainWindow::ButtonPlace kButtons[] = {
    {"下载JS代码", {736, 35, 89, 28}},   {"UTF8解码", {836, 35, 89, 28}},
    {"MD5加密", {13, 449, 75, 28}},      {"eval解密", {94, 449, 73, 28}},
    {"jsfuck解密", {172, 449, 72, 28}},  {"寻找", {358, 451, 78, 28}},
    {"压缩", {497, 450, 78, 28}},        {"代码格式化", {585, 450, 78, 28}},
    {"加载代码", {674, 450, 70, 28}},    {"生成V8代码", {752, 449, 93, 28}},
    {"生成系统代码", {851, 448, 85, 28}}, {"浏览器运行", {673, 487, 71, 28}},
    {"V8运行", {799, 487, 47, 28}},      {"系统引擎运行", {852, 486, 85, 28}},
};

}  // namespace

MainWindow::MainWindow(MainWindowServices services)
    : FixedFrameWindow(kOuterSize, Qt::WindowMinimizeButtonHint), services_(std::move(services)) {
  setObjectName(QStringLiteral("VezIruzArazavErEze"));
  setWindowTitle(editor::toQt(mainWindowTitle()));
  setWindowIcon(applicationIcon());
  // The tooltips of the V8 controls show whether or not the window is active.
  setAttribute(Qt::WA_AlwaysShowToolTips);

  buildControls();
  buildToolbar();
  buildRunMenu();
  setUpTabOrder();
  searchWindows_ = std::make_unique<SearchWindows>(this, *this);
  scriptFiles_ = std::make_unique<workflow::ScriptFiles>(*this, services_.desktop);
  wireCommands();
  exit_ = [] { QCoreApplication::exit(0); };
}

// A debugged run: the session, and the headless copy of the window's state the run works on
// (the run is on a worker, which must not touch the controls); its log and caret come back to
// the window when it ends.
struct MainWindow::DebugRunState {
  std::shared_ptr<engine::DebugSession> session = std::make_shared<engine::DebugSession>();
  std::shared_ptr<workflow::HeadlessWorkbench> bench = std::make_shared<workflow::HeadlessWorkbench>();
  std::shared_ptr<std::string> creationFailure = std::make_shared<std::string>();
  std::uint64_t shownPause = 0;
  std::string findBoxBefore;
};

MainWindow::~MainWindow() {
  // A debugged run ends with its window; its worker keeps what it uses alive until then.
  if (debugRun_) debugRun_->session->stop();
  delete debugWindow_.data();
  // Workers still waiting for the GUI thread are let go before the controls disappear.
  guiThread_.close();
  searchWindows_.reset();
  delete encodeWindow_.data();
}

EncodeWindow* MainWindow::encodeWindow() const { return encodeWindow_.data(); }

// --- 调试运行 ----------------------------------------------------------------------------------

DebugWindow* MainWindow::debugWindow() const { return debugWindow_.data(); }

DebugWindow* MainWindow::openDebugWindow() {
  if (debugWindow_) {
    debugWindow_->bringToFront();
  } else {
    debugWindow_ = new DebugWindow(this);
    debugWindow_->open();
  }
  return debugWindow_.data();
}

void MainWindow::toggleBreakpoint(int line) {
  if (editor_->hasBreakpoint(line)) {
    editor_->setBreakpoint(line, false);
    if (debugRun_) debugRun_->session->removeBreakpoint(line);
    return;
  }
  if (debugRun_) line = debugRun_->session->addBreakpoint(line);
  if (line > 0) editor_->setBreakpoint(line, true);
}

void MainWindow::debugRun() {
  if (debugRun_) {
    openDebugWindow();
    return;
  }
  if (workflow::refuseMissingCall(*this)) return;
  auto run = std::make_shared<DebugRunState>();
  workflow::HeadlessWorkbench& bench = *run->bench;
  const std::string script = editor().wholeText();
  bench.editor().setText(script);
  bench.callBox = callBoxText();
  bench.callBoxLost = callBoxLostCharacters();
  bench.urlBox = urlBoxText();
  bench.findBox = run->findBoxBefore = findBoxText();
  bench.browserEnvironment = browserEnvironmentOn();

  // The breakpoints go where the run takes them, the marks with them.
  std::string notes;
  const std::vector<int> asked = editor_->breakpointLines();
  for (const engine::BreakpointMove& move : run->session->setBreakpoints(script, asked)) {
    editor_->setBreakpoint(move.from, false);
    if (move.to > 0) editor_->setBreakpoint(move.to, true);
    std::string line = workflow::breakpointMoveLine(move);
    notes += line.substr(0, line.size() - 2) + "　";
  }

  DebugWindow* window = openDebugWindow();
  window->setSession(run->session);
  window->setNotes(notes);
  window->showRunning();
  debugRun_ = run;
  startTrackedWorker(*this, [run](std::function<void()> finished) {
    std::thread([run, finished = std::move(finished)] {
      {
        engine::ScriptEngine engine([failure = run->creationFailure](const std::string& text) { *failure = text; });
        workflow::debugRunCommand(*run->bench, engine, *run->session, platform::tickCount);
      }
      finished();
    }).detach();
  });
  debugPoll_.setInterval(30);
  debugPoll_.start();
}

void MainWindow::pollDebugRun() {
  if (!debugRun_) {
    debugPoll_.stop();
    return;
  }
  engine::DebugSession& session = *debugRun_->session;
  if (session.ended()) {
    finishDebugRun();
    return;
  }
  const std::uint64_t pause = session.pauseNumber();
  if (pause == debugRun_->shownPause) return;
  debugRun_->shownPause = pause;
  const int line = pause ? session.pausedLine() : 0;
  editor_->setPausedLine(line);
  if (debugWindow_) {
    if (line > 0) {
      debugWindow_->showPaused(line);
      debugWindow_->bringToFront();
    } else {
      debugWindow_->showRunning();
    }
  }
}

// The run's blocks, and where its failure points, as 系统引擎运行 would have left them.
void MainWindow::finishDebugRun() {
  debugPoll_.stop();
  std::shared_ptr<DebugRunState> run = std::move(debugRun_);
  debugRun_.reset();
  editor_->setPausedLine(0);
  if (debugWindow_) debugWindow_->showEnded();
  if (!run->creationFailure->empty()) {
    messageBox(*run->creationFailure, workflow::kDefaultMessageTitle, workflow::MessageIcon::None);
    return;
  }
  workflow::HeadlessWorkbench& bench = *run->bench;
  clearLog();
  appendLog(bench.log);
  if (bench.logScrolledToTop > 0) scrollLogToTop();
  if (bench.findBox != run->findBoxBefore) setFindBoxText(bench.findBox);
  const int caret = bench.editor().getCurrentPos();
  if (caret > 0) {
    setFocus(workflow::Control::CodeEditor);
    editor().moveCaretToLine(bench.editor().lineFromPosition(caret));
  }
}

EncodeWindow* MainWindow::openEncodeWindow(const std::string& input) {
  if (encodeWindow_) {
    encodeWindow_->bringToFront();
  } else {
    encodeWindow_ = new EncodeWindow;
    encodeWindow_->open();
  }
  encodeWindow_->setInput(input);
  return encodeWindow_.data();
}

QPushButton* MainWindow::addButton(const QString& caption, const QRect& geometry) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(geometry);
  // The window has no default button: Enter starts nothing.
  button->setAutoDefault(false);
  button->setDefault(false);
  buttons_[editor::fromQt(caption)] = button;
  return button;
}

QLineEdit* MainWindow::addTextBox(const QRect& geometry, const QString& text) {
  auto* box = new QLineEdit(text, this);
  box->setGeometry(geometry);
  QPalette p = box->palette();
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::Text, Qt::black);
  box->setPalette(p);
  return box;
}

void MainWindow::buildControls() {
  // The frames first, so that every other control lies in front of them.
  upperFrame_ = new QGroupBox(this);
  upperFrame_->setGeometry(4, 21, 940, 411);
  lowerFrame_ = new QGroupBox(this);
  lowerFrame_->setGeometry(4, 432, 940, 224);

  addressLabel_ = new QLabel(QStringLiteral("地址："), this);
  addressLabel_->setGeometry(11, 37, 32, 24);
  addressLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  addressLabel_->setTextFormat(Qt::PlainText);
  addressLabel_->setWordWrap(false);
  {
    QPalette p = addressLabel_->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    addressLabel_->setPalette(p);
  }

  urlBox_ = addTextBox(QRect(46, 37, 682, 24), editor::toQt(workflow::kSampleAddress));
  // A thin one-line border instead of the sunken edge.
  urlBox_->setFrame(false);
  urlBox_->setStyleSheet(QStringLiteral(
      "QLineEdit { border: 1px solid rgb(100, 100, 100); background: white; color: black; }"));

  editor_ = new editor::CodeEditor(this);
  editor_->setGeometry(7, 69, 929, 355);
  connect(editor_, &editor::CodeEditor::leftButtonDoubleClicked, this,
          [this] { editorDoubleClicked(); });
  connect(editor_, &editor::CodeEditor::leftButtonReleased, this,
          [this] { editorLeftButtonReleased(); });

  findBox_ = addTextBox(QRect(253, 453, 103, 22), QString());
  up_ = new QRadioButton(QStringLiteral("向上"), this);
  up_->setGeometry(445, 449, 44, 16);
  down_ = new QRadioButton(QStringLiteral("向下"), this);
  down_->setGeometry(445, 468, 44, 16);
  down_->setChecked(true);

  callBox_ = addTextBox(QRect(12, 488, 652, 25), editor::toQt(workflow::kCallBoxCueText));
  callBox_->installEventFilter(this);
  v8LengthBox_ =
      addTextBox(QRect(754, 493, 43, 20), QString::number(engine::kDefaultV8BufferLength));
  v8LengthBox_->installEventFilter(this);
  // Typed characters are filtered one by one; an input method would hand over whole words.
  v8LengthBox_->setAttribute(Qt::WA_InputMethodEnabled, false);

  outputLog_ = new OutputLogView(this);
  outputLog_->setGeometry(5, 523, 928, 125);
  outputLog_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  outputLog_->setFocusPolicy(Qt::StrongFocus);
  outputLog_->setTabChangesFocus(true);
  outputLog_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  outputLog_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  {
    QPalette p = outputLog_->palette();
    p.setColor(QPalette::Text, kLogText);
    p.setColor(QPalette::Base, palette().color(QPalette::Window));
    outputLog_->setPalette(p);
  }

  for (const ButtonPlace& place : kButtons) addButton(editor::toQt(place.caption), place.rect);

  for (QLabel* l : {addressLabel_}) l->setFocusPolicy(Qt::NoFocus);
  upperFrame_->setFocusPolicy(Qt::NoFocus);
  lowerFrame_->setFocusPolicy(Qt::NoFocus);
}

void MainWindow::buildToolbar() {
  toolbar_ = new QToolBar(this);
  toolbar_->setGeometry(8, 8, 374, 28);
  toolbar_->setIconSize(QSize(16, 15));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar_->setFocusPolicy(Qt::NoFocus);
  for (const ToolbarEntry& entry : toolbarEntries()) {
    QAction* action = nullptr;
    if (entry.kind == ToolbarEntryKind::Separator) {
      action = toolbar_->addSeparator();
    } else {
      action = toolbar_->addAction(toolbarIcon(entry.image), editor::toQt(entry.tooltip));
      action->setToolTip(editor::toQt(entry.tooltip));
      // Their pressed look toggles with each click; no command reads it.
      action->setCheckable(entry.kind == ToolbarEntryKind::CheckButton);
      if (QWidget* w = toolbar_->widgetForAction(action)) w->setFocusPolicy(Qt::NoFocus);
    }
    toolbarEntries_.push_back(action);
  }

  buildToolsMenu();

  link_ =
      new HyperlinkLabel(editor::toQt(kDownloadCaption), QString::fromLatin1(kDownloadPage), this);
  link_->setGeometry(540, 6, 284, 16);
  link_->setFocusPolicy(Qt::NoFocus);
  // In front of the toolbar band it lies over.
  link_->raise();
}

namespace {
// Two CJK characters of the window's font.
constexpr int kToolsButtonWidth = 25;
}  // namespace

void MainWindow::buildToolsMenu() {
  toolsButton_ = new QToolButton(toolbar_);
  toolsButton_->setText(editor::toQt(kToolMenuCaption));
  toolsButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  toolsButton_->setPopupMode(QToolButton::InstantPopup);
  toolsButton_->setFocusPolicy(Qt::NoFocus);
  // The toolbar leaves room for one entry before the download link, as wide as an icon entry:
  // the caption goes without the style's menu arrow and padding so that it fits there.
  toolsButton_->setStyleSheet(QStringLiteral(
      "QToolButton { padding: 0px; } QToolButton::menu-indicator { image: none; width: 0px; }"));
  toolsButton_->setFixedWidth(kToolsButtonWidth);
  toolsMenu_ = new QMenu(toolsButton_);
  toolsButton_->setMenu(toolsMenu_);
  toolbar_->addWidget(toolsButton_);
  for (const ToolMenuItem& item : toolMenuItems()) {
    QAction* action = toolsMenu_->addAction(editor::toQt(item.caption));
    action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
    // A closed menu's items take no keys: the window holds them too, so the shortcuts work
    // from any of its controls.
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
  }
}

void MainWindow::buildRunMenu() {
  // Never shown: the window has no menu bar. "调试函数" carries the picked signature.
  runMenu_ = new QMenu(QStringLiteral("run菜单"), this);
  runMenu_->menuAction()->setVisible(false);
  for (const char* caption : {"剪切", "复制", "粘贴", "全选"})
    runMenu_->addAction(editor::toQt(caption));
  debugItem_ = runMenu_->addAction(QStringLiteral("调试函数"));
}

void MainWindow::setUpTabOrder() {
  const std::vector<QWidget*> order = tabOrder();
  for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

std::vector<QWidget*> MainWindow::tabOrder() const {
  auto b = [this](const char* caption) -> QWidget* { return button(caption); };
  return {urlBox_,        b("下载JS代码"),   b("UTF8解码"),    editor_, b("MD5加密"),
          b("eval解密"),  b("jsfuck解密"),   findBox_,         b("寻找"),      up_,
          down_,          b("压缩"),         b("代码格式化"),  b("加载代码"),  b("生成V8代码"),
          b("生成系统代码"), callBox_,       b("浏览器运行"),  v8LengthBox_,   b("V8运行"),
          b("系统引擎运行"), outputLog_};
}

void MainWindow::wireCommands() {
  std::map<std::string, std::function<void(MainWindow&)>> byName;
  for (const NamedCommand& c : mainWindowCommands()) byName[c.name] = c.run;

  // Right-click on a selection: the value it stands for, in place.
  if (auto found = byName.find("求值选中"); found != byName.end())
    editor_->addContextCommand("求值选中", [this, run = found->second] { run(*this); }, true);

  for (const ButtonPlace& place : kButtons) {
    auto found = byName.find(place.caption);
    if (found == byName.end()) continue;
    connect(button(place.caption), &QPushButton::clicked, this,
            [this, run = found->second] { run(*this); });
  }
  const std::vector<ToolbarEntry>& entries = toolbarEntries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    auto found = byName.find(entries[i].command);
    if (found == byName.end()) continue;
    connect(toolbarEntries_[i], &QAction::triggered, this, [this, run = found->second] { run(*this); });
  }

  const std::vector<ToolMenuItem>& items = toolMenuItems();
  const QList<QAction*> toolActions = toolsMenu_->actions();
  for (std::size_t i = 0; i < items.size(); ++i) {
    auto found = byName.find(items[i].command);
    if (found == byName.end()) continue;
    connect(toolActions[static_cast<int>(i)], &QAction::triggered, this,
            [this, run = found->second] { run(*this); });
  }

  // Breakpoints: a click in the editor's margins, or F9 on the caret's line. While a debugged
  // run is paused, the 调试 window's keys work from here too.
  editor_->setBreakpointHandler([this](int line) { toggleBreakpoint(line); });
  auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
  connect(f9, &QShortcut::activated, this,
          [this] { toggleBreakpoint(editor_->lineFromPosition(editor_->getCurrentPos()) + 1); });
  const std::pair<QKeySequence, engine::DebugStep> stepKeys[] = {
      {QKeySequence(Qt::Key_F5), engine::DebugStep::Continue},
      {QKeySequence(Qt::Key_F10), engine::DebugStep::Over},
      {QKeySequence(Qt::Key_F11), engine::DebugStep::Into},
      {QKeySequence(Qt::SHIFT | Qt::Key_F11), engine::DebugStep::Out},
  };
  for (const auto& [key, which] : stepKeys) {
    auto* shortcut = new QShortcut(key, this);
    const engine::DebugStep step = which;
    connect(shortcut, &QShortcut::activated, this, [this, step] {
      if (debugRun_ && debugWindow_) debugWindow_->step(step);
    });
  }
  connect(&debugPoll_, &QTimer::timeout, this, [this] { pollDebugRun(); });

  // Both right-click menus open 编码工具 with their selection, or else the last result.
  editor_->setContextMenuExtension([this](QMenu* menu) {
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral(u"编码工具")), &QAction::triggered, this,
            [this] { openEncodeWindow(workflow::selectionOrLastResult(*this)); });
  });
  outputLog_->setContextMenuExtension([this](QMenu* menu) {
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral(u"编码工具")), &QAction::triggered, this, [this] {
      const std::string selected = editor::fromQt(outputLog_->selectedText());
      openEncodeWindow(selected.empty() ? workflow::lastResult(log_) : selected);
    });
  });

  // Esc closes the window from any control; installed on every child, the editor's inside
  // included, so that no control can swallow it first.
  for (QWidget* child : findChildren<QWidget*>())
    if (child->window() == this) child->installEventFilter(this);
}

void MainWindow::create() {
  const QString tip = editor::toQt(workflow::kV8LengthHint);
  button("V8运行")->setToolTip(tip);
  v8LengthBox_->setToolTip(tip);

  services_.bridge.initializeV8(engine::startupPath());
  setUpEditor(editor());
  // The sample script is nothing to lose.
  editor().setSavePoint();
  writeWelcome(*this);
}

void MainWindow::exitProgram() {
  if (!mayClose()) return;
  if (exit_) exit_();
}

bool MainWindow::mayClose() { return workflow::mayDiscardEdits(*this, "退出"); }

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close button and Esc both come here.
  if (mayClose())
    event->accept();
  else
    event->ignore();
}

// --- Workbench -------------------------------------------------------------------------------

void MainWindow::clearLog() {
  log_.clear();
  outputLog_->clearText();
}

void MainWindow::appendLog(const std::string& text) {
  log_ += text;
  outputLog_->appendText(editor::toQt(text));
}

std::string MainWindow::logText() { return log_; }

void MainWindow::scrollLogToTop() { outputLog_->scrollToTop(); }

std::string MainWindow::callBoxText() { return editor::fromQt(callBox_->text()); }

std::u32string MainWindow::callBoxLostCharacters() {
  const QString text = callBox_->text();
  return gbk::unencodable(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                              static_cast<std::size_t>(text.size())));
}

void MainWindow::setCallBoxText(const std::string& text) { callBox_->setText(editor::toQt(text)); }

std::string MainWindow::findBoxText() { return editor::fromQt(findBox_->text()); }

void MainWindow::setFindBoxText(const std::string& text) { findBox_->setText(editor::toQt(text)); }

std::string MainWindow::v8BufferLengthText() { return editor::fromQt(v8LengthBox_->text()); }

std::string MainWindow::urlBoxText() { return editor::fromQt(urlBox_->text()); }

bool MainWindow::searchDownChecked() { return down_->isChecked(); }

bool MainWindow::browserEnvironmentOn() {
  QAction* entry = toolbarEntry(kBrowserEnvironmentEntry);
  return entry != nullptr && entry->isChecked();
}

workflow::EditorOperations& MainWindow::editor() { return *editor_; }

QWidget* MainWindow::control(workflow::Control which) const {
  switch (which) {
    case workflow::Control::CodeEditor: return editor_;
    case workflow::Control::CallBox: return callBox_;
    case workflow::Control::FindBox: return findBox_;
    case workflow::Control::UrlBox: return urlBox_;
    case workflow::Control::V8BufferLengthBox: return v8LengthBox_;
    case workflow::Control::OutputLog: return outputLog_;
  }
  return nullptr;
}

std::span<const MainWindow::ButtonPlace> MainWindow::buttonPlaces() { return kButtons; }

QPushButton* MainWindow::button(const std::string& caption) const {
  auto found = buttons_.find(caption);
  return found == buttons_.end() ? nullptr : found->second;
}

QAction* MainWindow::toolbarEntry(int index) const {
  if (index < 0 || index >= static_cast<int>(toolbarEntries_.size())) return nullptr;
  return toolbarEntries_[static_cast<std::size_t>(index)];
}

void MainWindow::setFocus(workflow::Control which) {
  if (QWidget* w = control(which)) w->setFocus(Qt::OtherFocusReason);
}

void MainWindow::messageBox(const std::string& text, const std::string& title,
                            workflow::MessageIcon icon) {
  showMessageBox(text, title, icon);
}

bool MainWindow::askQuestion(const std::string& text, const std::string& yes,
                             const std::string& no) {
  return app::askQuestion(text, workflow::kDefaultMessageTitle, yes, no);
}

std::string MainWindow::clipboardText() {
  return editor::fromQt(QGuiApplication::clipboard()->text());
}

void MainWindow::setClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(editor::toQt(text));
}

void MainWindow::runOnGuiThread(const std::function<void()>& work) { guiThread_.run(work); }

// --- The call box and the editor's gestures --------------------------------------------------

void MainWindow::editorDoubleClicked() {
  workflow::EditorOperations& ed = editor();
  const std::string line = ed.getLine(ed.lineFromPosition(ed.getCurrentPos()));
  const std::string signature = workflow::pickedSignature(line);
  if (signature.empty()) {
    debugItem_->setVisible(false);
    return;
  }
  debugItem_->setVisible(true);
  debugItem_->setText(editor::toQt(workflow::debugItemCaption(signature)));
  // The call is read back from the item, as it holds the signature.
  setCallBoxText(workflow::callFromCaption(editor::fromQt(debugItem_->text())));
}

void MainWindow::editorLeftButtonReleased() { workflow::highlightBraces(editor()); }

// --- Events ----------------------------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
      close();
      return true;
    }
    if (watched == v8LengthBox_) {
      // Characters from 32 up pass only as "-" or a digit. Control keys and shortcuts (Ctrl+V
      // pastes, and what it pastes is not filtered) type no character and pass as usual.
      const QString typed = key->text();
      const bool shortcut = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
      if (!shortcut && !typed.isEmpty() && typed.front().unicode() >= 32) {
        const QChar c = typed.front();
        if (c != u'-' && !(c >= u'0' && c <= u'9')) return true;
      }
    }
  } else if (watched == callBox_ &&
             (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    // A menu opening over the box (its own context menu) does not take the focus away: were
    // the cue text to return then, "粘贴" would paste into it.
    if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
      if (event->type() == QEvent::FocusIn) workflow::callBoxFocusIn(*this);
      if (event->type() == QEvent::FocusOut) workflow::callBoxFocusOut(*this);
    }
  }
  return FixedFrameWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
  FixedFrameWindow::showEvent(event);
  dockToolbar();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  dockToolbar();
}

void MainWindow::dockToolbar() {
  // Docked at the top edge at the client's full width, as tall as its buttons need.
  toolbar_->setGeometry(0, 0, width(), toolbar_->sizeHint().height());
  link_->raise();
}

}  // namespace jsdebug::app
