#include "app/EncodeWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "encode/Encodings.h"
#include "encode/Operations.h"
#include "text/Codec.h"

namespace jsdebug::app {
namespace {

// The buttons' grid: five to a row under the options, wide enough for "encodeURIComponent".
constexpr int kColumns = 5;
constexpr int kGridLeft = 10, kGridTop = 250;
constexpr int kButtonWidth = 140, kButtonHeight = 24, kGapX = 4, kGapY = 4;

QLineEdit* readOnlyLine(QWidget* parent, const QRect& geometry) {
  auto* line = new QLineEdit(parent);
  line->setGeometry(geometry);
  line->setReadOnly(true);
  return line;
}

QString bytesCaption(const char* charset, std::size_t length) {
  return editor::toQt(std::string(charset) + "（" + std::to_string(length) + " 字节）：");
}

QString shownHex(const std::string& bytes) {
  std::string hex = encode::hexEncode(std::string_view(bytes).substr(
      0, std::min<std::size_t>(bytes.size(), EncodeWindow::kShownBytes)));
  std::string spaced;
  spaced.reserve(hex.size() * 3 / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    if (i > 0) spaced += ' ';
    spaced += hex.substr(i, 2);
  }
  if (bytes.size() > static_cast<std::size_t>(EncodeWindow::kShownBytes)) spaced += " ...";
  return QString::fromLatin1(spaced);
}

}  // namespace

EncodeWindow::EncodeWindow()
    : SecondaryWindow(QStringLiteral(u"编码工具"), kOuterSize, false, nullptr) {
  const int width = kColumns * (kButtonWidth + kGapX) - kGapX;
  addLabel(QStringLiteral(u"输入："), 10, 4, 100, 20);
  input_ = new QPlainTextEdit(this);
  input_->setGeometry(10, 24, width, 92);
  input_->setTabChangesFocus(true);
  gbkLabel_ = addLabel(QString(), 10, 120, 300, 20);
  gbkBytes_ = readOnlyLine(this, QRect(10, 140, width, 22));
  utf8Label_ = addLabel(QString(), 10, 164, 300, 20);
  utf8Bytes_ = readOnlyLine(this, QRect(10, 184, width, 22));

  addLabel(QStringLiteral(u"字符集："), 10, 216, 52, 24);
  gbk_ = new QRadioButton(QStringLiteral(u"GBK"), this);
  gbk_->setGeometry(62, 220, 52, 16);
  gbk_->setChecked(true);
  utf8_ = new QRadioButton(QStringLiteral(u"UTF-8"), this);
  utf8_->setGeometry(114, 220, 60, 16);
  urlSafe_ = addCheckBox(QStringLiteral(u"URL安全"), 186, 220, 72, 16);
  pad_ = addCheckBox(QStringLiteral(u"补齐="), 262, 220, 60, 16);
  pad_->setChecked(true);
  digestBase64_ = addCheckBox(QStringLiteral(u"摘要输出Base64"), 326, 220, 118, 16);
  addLabel(QStringLiteral(u"HMAC密钥："), 450, 216, 72, 24);
  key_ = new QLineEdit(this);
  key_->setGeometry(522, 217, width + 10 - 522, 22);
  key_->setPlaceholderText(QStringLiteral(u"文本，或 hex:十六进制字节"));

  int index = 0;
  for (const encode::Operation& op : encode::operations()) {
    if (op.cliOnly) continue;
    const int left = kGridLeft + (index % kColumns) * (kButtonWidth + kGapX);
    const int top = kGridTop + (index / kColumns) * (kButtonHeight + kGapY);
    QPushButton* button = addButton(editor::toQt(op.caption), left, top, kButtonWidth, kButtonHeight);
    buttons_.emplace_back(op.name, button);
    connect(button, &QPushButton::clicked, this, [this, name = std::string(op.name)] { runOperation(name); });
    ++index;
  }
  const int outputTop = kGridTop + (index + kColumns - 1) / kColumns * (kButtonHeight + kGapY) + 6;
  outputLabel_ = addLabel(QStringLiteral(u"输出："), 10, outputTop, 300, 24);
  copy_ = addButton(QStringLiteral(u"复制"), 10 + width - 80, outputTop, 80, 24);
  outputBox_ = new QPlainTextEdit(this);
  outputBox_->setGeometry(10, outputTop + 28, width, 120);
  outputBox_->setReadOnly(true);
  outputBox_->setTabChangesFocus(true);
  reason_ = addLabel(QString(), 10, outputTop + 152, width, 20);
  {
    QPalette p = reason_->palette();
    p.setColor(QPalette::WindowText, QColor(192, 0, 0));
    reason_->setPalette(p);
  }
  finishControls();

  connect(input_, &QPlainTextEdit::textChanged, this, [this] { showBytes(); });
  connect(copy_, &QPushButton::clicked, this,
          [this] { QGuiApplication::clipboard()->setText(editor::toQt(output_)); });
  showBytes();
  input_->setFocus();
}

void EncodeWindow::setInput(const std::string& gbkText) {
  input_->setPlainText(editor::toQt(gbkText));
}

QPushButton* EncodeWindow::operationButton(const std::string& name) const {
  for (const auto& [op, button] : buttons_)
    if (op == name) return button;
  return nullptr;
}

void EncodeWindow::runOperation(const std::string& name) {
  const encode::Operation* op = encode::findOperation(name);
  if (!op) return;
  encode::Options options;
  options.charset = utf8_->isChecked() ? encode::Charset::Utf8 : encode::Charset::Gbk;
  options.key = editor::fromQt(key_->text());
  options.urlSafe = urlSafe_->isChecked();
  options.pad = pad_->isChecked();
  options.digestBase64 = digestBase64_->isChecked();
  const encode::Outcome outcome = op->run(editor::fromQt(input_->toPlainText()), options);
  output_ = outcome.output;
  // Laying out a line of megabytes takes Qt minutes; "复制" still copies all of it.
  if (output_.size() > static_cast<std::size_t>(kShownOutput)) {
    std::size_t cut = 0;
    while (cut < static_cast<std::size_t>(kShownOutput))
      cut += static_cast<std::size_t>(gbk::charLength(output_, cut));
    outputBox_->setPlainText(editor::toQt(output_.substr(0, cut) + " ...（只显示前 " +
                                          std::to_string(cut) + " 个字节，“复制”复制全部）"));
  } else {
    outputBox_->setPlainText(editor::toQt(output_));
  }
  reason_->setText(outcome.ok ? QString() : editor::toQt(outcome.chinese));
  outputLabel_->setText(outcome.ok ? bytesCaption("输出", output_.size()) : QStringLiteral(u"输出："));
  copy_->setEnabled(outcome.ok);
}

void EncodeWindow::showBytes() {
  const std::string text = editor::fromQt(input_->toPlainText());
  const std::string utf8 = encode::textBytes(text, encode::Charset::Utf8);
  gbkLabel_->setText(bytesCaption("GBK", text.size()));
  gbkBytes_->setText(shownHex(text));
  utf8Label_->setText(bytesCaption("UTF-8", utf8.size()));
  utf8Bytes_->setText(shownHex(utf8));
}

bool EncodeWindow::eventFilter(QObject* watched, QEvent* event) {
  // The input box takes line breaks; the window has no default button for Enter to click.
  if (event->type() == QEvent::KeyPress && watched == input_) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return false;
  }
  return SecondaryWindow::eventFilter(watched, event);
}

}  // namespace jsdebug::app
