#pragma once
// A caption that opens an address: drawn on one line, centred, without a border, in one colour
// and in another while the pointer (a pointing hand) is over it.

#include <QColor>
#include <QLabel>
#include <functional>

namespace jsdebug::app {

class HyperlinkLabel : public QLabel {
 public:
  HyperlinkLabel(const QString& caption, const QString& address, QWidget* parent);

  QString address() const { return address_; }
  bool hovered() const { return hovered_; }
  QColor textColour() const;

  // What a click does; by default opens the address in the default browser.
  void setOpener(std::function<void(const QString&)> opener) { opener_ = std::move(opener); }

  static inline const QColor kNormal{255, 80, 128};
  static inline const QColor kHover{144, 0, 255};

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setHovered(bool on);

  QString address_;
  bool hovered_ = false;
  std::function<void(const QString&)> opener_;
};

// Opens the address in the default browser; when the desktop cannot, starts the browser the
// system has registered for web pages with the address.
void openInBrowser(const QString& address);

}  // namespace jsdebug::app
