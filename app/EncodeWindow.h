#pragma once
// 编码工具: a text's GBK and UTF-8 bytes, and the toolbox's operations on it in one click each.
// It works on its own input box, not on the editor, so it stays usable after the main window
// has closed.

#include <string>

#include "app/SecondaryWindow.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace jsdebug::app {

class EncodeWindow : public SecondaryWindow {
 public:
  EncodeWindow();

  // Replaces the input; its bytes follow.
  void setInput(const std::string& gbkText);
  // Runs the operation of that CLI name on the input, as its button does.
  void runOperation(const std::string& name);

  // The output as the operation wrote it (bytes), empty after a failure.
  const std::string& output() const { return output_; }

  QPlainTextEdit* inputBox() const { return input_; }
  QPlainTextEdit* outputBox() const { return outputBox_; }
  QLabel* gbkLabel() const { return gbkLabel_; }
  QLineEdit* gbkBytes() const { return gbkBytes_; }
  QLabel* utf8Label() const { return utf8Label_; }
  QLineEdit* utf8Bytes() const { return utf8Bytes_; }
  QLabel* reasonLabel() const { return reason_; }
  QRadioButton* gbkChoice() const { return gbk_; }
  QRadioButton* utf8Choice() const { return utf8_; }
  QLineEdit* keyBox() const { return key_; }
  QPushButton* operationButton(const std::string& name) const;
  QPushButton* copyButton() const { return copy_; }

  static constexpr QSize kOuterSize{748, 612};
  // At most this many bytes are shown in hexadecimal; the lengths count them all.
  static constexpr int kShownBytes = 2048;
  // The output box shows this many bytes of a longer output.
  static constexpr int kShownOutput = 65536;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showBytes();

  QPlainTextEdit* input_ = nullptr;
  QLabel* gbkLabel_ = nullptr;
  QLineEdit* gbkBytes_ = nullptr;
  QLabel* utf8Label_ = nullptr;
  QLineEdit* utf8Bytes_ = nullptr;
  QRadioButton* gbk_ = nullptr;
  QRadioButton* utf8_ = nullptr;
  QCheckBox* urlSafe_ = nullptr;
  QCheckBox* pad_ = nullptr;
  QCheckBox* digestBase64_ = nullptr;
  QLineEdit* key_ = nullptr;
  QPlainTextEdit* outputBox_ = nullptr;
  QPushButton* copy_ = nullptr;
  QLabel* outputLabel_ = nullptr;
  QLabel* reason_ = nullptr;
  std::vector<std::pair<std::string, QPushButton*>> buttons_;
  std::string output_;
};

}  // namespace jsdebug::app
