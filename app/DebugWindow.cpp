#include "app/DebugWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTreeWidget>
#include <thread>

#include "editor/QtText.h"

namespace jsdebug::app {
namespace {

QTreeWidget* addTable(QWidget* parent, const QStringList& headers, const QRect& geometry,
                      const std::vector<int>& widths) {
  auto* table = new QTreeWidget(parent);
  table->setGeometry(geometry);
  table->setHeaderLabels(headers);
  table->setRootIsDecorated(false);
  table->setUniformRowHeights(true);
  table->setAllColumnsShowFocus(true);
  for (std::size_t i = 0; i < widths.size(); ++i) table->setColumnWidth(static_cast<int>(i), widths[i]);
  return table;
}

QString valueText(const engine::DebugValue& value) {
  return editor::toQt(value.failed ? "错误：" + value.value : value.value);
}

void fillValues(QTreeWidget* table, const std::vector<engine::DebugValue>& values, bool withType) {
  table->clear();
  for (const engine::DebugValue& v : values) {
    QStringList cells{editor::toQt(v.name)};
    if (withType) cells << editor::toQt(v.type);
    cells << valueText(v);
    auto* item = new QTreeWidgetItem(table, cells);
    if (v.failed) item->setForeground(withType ? 2 : 1, QColor(0xC0, 0, 0));
  }
}

}  // namespace

DebugWindow::DebugWindow(QWidget* mainWindow)
    : SecondaryWindow(QStringLiteral(u"调试"), QSize(566, 548), false, mainWindow) {
  status_ = addLabel(QString(), 12, 8, 536, 22);
  continue_ = addButton(QStringLiteral(u"继续 (F5)"), 12, 34, 92, 26);
  over_ = addButton(QStringLiteral(u"单步跳过 (F10)"), 108, 34, 104, 26);
  into_ = addButton(QStringLiteral(u"单步进入 (F11)"), 216, 34, 104, 26);
  out_ = addButton(QStringLiteral(u"单步跳出 (Shift+F11)"), 324, 34, 136, 26);
  stop_ = addButton(QStringLiteral(u"停止"), 464, 34, 84, 26);

  addLabel(QStringLiteral(u"调用栈："), 12, 68, 200, 20);
  stack_ = addTable(this, {QStringLiteral(u"函数"), QStringLiteral(u"行")}, QRect(12, 88, 536, 100),
                    {420, 80});
  addLabel(QStringLiteral(u"局部变量："), 12, 194, 200, 20);
  locals_ = addTable(this, {QStringLiteral(u"名称"), QStringLiteral(u"类型"), QStringLiteral(u"值")},
                     QRect(12, 214, 536, 130), {130, 80, 300});
  addLabel(QStringLiteral(u"监视："), 12, 350, 200, 20);
  watches_ = addTable(this, {QStringLiteral(u"表达式"), QStringLiteral(u"值")}, QRect(12, 370, 536, 110),
                      {200, 310});
  watchInput_ = new QLineEdit(this);
  watchInput_->setGeometry(12, 488, 356, 24);
  watchInput_->setPlaceholderText(QStringLiteral(u"输入表达式，回车添加监视"));
  addWatch_ = addButton(QStringLiteral(u"添加监视"), 376, 487, 84, 26);
  removeWatch_ = addButton(QStringLiteral(u"删除监视"), 464, 487, 84, 26);
  setDefaultButton(addWatch_);
  finishControls();

  connect(continue_, &QPushButton::clicked, this, [this] { step(engine::DebugStep::Continue); });
  connect(over_, &QPushButton::clicked, this, [this] { step(engine::DebugStep::Over); });
  connect(into_, &QPushButton::clicked, this, [this] { step(engine::DebugStep::Into); });
  connect(out_, &QPushButton::clicked, this, [this] { step(engine::DebugStep::Out); });
  connect(stop_, &QPushButton::clicked, this, [this] { stop(); });
  connect(addWatch_, &QPushButton::clicked, this, [this] { addWatch(); });
  connect(removeWatch_, &QPushButton::clicked, this, [this] { removeWatch(); });
  // Another frame's locals.
  connect(stack_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem*, QTreeWidgetItem*) {
    if (pausedLine_ > 0 && !frames_.empty()) inspect(false);
  });
  const std::pair<QKeySequence, engine::DebugStep> keys[] = {
      {QKeySequence(Qt::Key_F5), engine::DebugStep::Continue},
      {QKeySequence(Qt::Key_F10), engine::DebugStep::Over},
      {QKeySequence(Qt::Key_F11), engine::DebugStep::Into},
      {QKeySequence(Qt::SHIFT | Qt::Key_F11), engine::DebugStep::Out},
  };
  for (const auto& [key, which] : keys) {
    auto* shortcut = new QShortcut(key, this);
    const engine::DebugStep s = which;
    connect(shortcut, &QShortcut::activated, this, [this, s] { step(s); });
  }

  poll_.setInterval(30);
  connect(&poll_, &QTimer::timeout, this, [this] { takeInspections(); });
  setButtonsEnabled(false);
  refreshStatus();
}

DebugWindow::~DebugWindow() = default;

void DebugWindow::setSession(std::shared_ptr<engine::DebugSession> session) {
  session_ = std::move(session);
  pausedLine_ = 0;
  ++generation_;
  stack_->clear();
  locals_->clear();
  refreshStatus();
}

void DebugWindow::setNotes(const std::string& gbkNotes) {
  notes_ = gbkNotes;
  refreshStatus();
}

void DebugWindow::showRunning() {
  pausedLine_ = 0;
  ++generation_;
  setButtonsEnabled(false);
  refreshStatus();
}

void DebugWindow::showPaused(int line) {
  pausedLine_ = line;
  ++generation_;
  setButtonsEnabled(true);
  refreshStatus();
  inspect(true);
}

void DebugWindow::showEnded() {
  pausedLine_ = 0;
  ++generation_;
  session_.reset();
  setButtonsEnabled(false);
  stack_->clear();
  locals_->clear();
  refreshStatus();
}

void DebugWindow::refreshStatus() {
  std::string text = !session_ ? "没有调试中的运行（工具 → 调试运行，Ctrl+F5）"
                     : pausedLine_ > 0 ? "已暂停：第 " + std::to_string(pausedLine_) + " 行"
                                       : "运行中…";
  if (!notes_.empty()) text += "　" + notes_;
  status_->setText(editor::toQt(text));
}

void DebugWindow::setButtonsEnabled(bool paused) {
  for (QPushButton* b : {continue_, over_, into_, out_}) b->setEnabled(paused);
  stop_->setEnabled(session_ != nullptr);
}

QPushButton* DebugWindow::stepButton(engine::DebugStep which) const {
  switch (which) {
    case engine::DebugStep::Over: return over_;
    case engine::DebugStep::Into: return into_;
    case engine::DebugStep::Out: return out_;
    case engine::DebugStep::Continue: break;
  }
  return continue_;
}

void DebugWindow::step(engine::DebugStep which) {
  if (!session_ || pausedLine_ == 0) return;
  session_->resume(which);
  showRunning();
}

void DebugWindow::stop() {
  if (session_) session_->stop();
}

void DebugWindow::closeEvent(QCloseEvent* event) {
  stop();
  SecondaryWindow::closeEvent(event);
}

bool DebugWindow::inspecting() const {
  std::lock_guard lock(inbox_->mutex);
  return inbox_->outstanding > 0;
}

// The frames, then the selected frame's locals and the watches, asked on a thread of its own.
void DebugWindow::inspect(bool withStack) {
  if (!session_) return;
  int frameIndex = 0;
  if (!withStack && stack_->currentItem()) frameIndex = stack_->indexOfTopLevelItem(stack_->currentItem());
  std::vector<engine::DebugFrame> frames = withStack ? std::vector<engine::DebugFrame>() : frames_;
  {
    std::lock_guard lock(inbox_->mutex);
    ++inbox_->outstanding;
  }
  poll_.start();
  std::thread([session = session_, inbox = inbox_, generation = generation_, withStack, frameIndex,
               frames = std::move(frames), watches = watchTexts_]() mutable {
    Inspection found;
    found.generation = generation;
    found.withStack = withStack;
    found.frames = withStack ? session->callStack() : std::move(frames);
    if (frameIndex >= 0 && frameIndex < static_cast<int>(found.frames.size())) {
      const engine::DebugFrame& frame = found.frames[static_cast<std::size_t>(frameIndex)];
      found.locals = session->locals(frame);
      for (const std::string& watch : watches) found.watches.push_back(session->evaluate(frame, watch));
    }
    std::lock_guard lock(inbox->mutex);
    inbox->done.push_back(std::move(found));
    --inbox->outstanding;
  }).detach();
}

void DebugWindow::takeInspections() {
  std::vector<Inspection> done;
  {
    std::lock_guard lock(inbox_->mutex);
    done.swap(inbox_->done);
    if (inbox_->outstanding == 0) poll_.stop();
  }
  for (Inspection& found : done) {
    if (found.generation != generation_) continue;  // the script has moved on since
    if (found.withStack) {
      frames_ = found.frames;
      const QSignalBlocker quiet(stack_);
      stack_->clear();
      for (const engine::DebugFrame& frame : frames_)
        new QTreeWidgetItem(stack_, {editor::toQt(frame.function), QString::number(frame.line)});
      if (stack_->topLevelItemCount() > 0) stack_->setCurrentItem(stack_->topLevelItem(0));
    }
    fillValues(locals_, found.locals, true);
    fillValues(watches_, found.watches, false);
  }
}

void DebugWindow::addWatch() {
  const std::string text = editor::fromQt(watchInput_->text().trimmed());
  if (text.empty()) return;
  watchTexts_.push_back(text);
  watchInput_->clear();
  if (pausedLine_ > 0) {
    inspect(false);
  } else {
    new QTreeWidgetItem(watches_, {editor::toQt(text), QString()});
  }
}

void DebugWindow::removeWatch() {
  QTreeWidgetItem* item = watches_->currentItem();
  if (!item) return;
  const int index = watches_->indexOfTopLevelItem(item);
  if (index < 0 || index >= static_cast<int>(watchTexts_.size())) return;
  watchTexts_.erase(watchTexts_.begin() + index);
  delete item;
}

}  // namespace jsdebug::app
