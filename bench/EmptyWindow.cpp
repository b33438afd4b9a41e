// The yardstick for bench_startup: an empty Qt window of the workbench's size, started and
// probed the same way, so the difference is what the workbench itself costs.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class Window : public QWidget {
 protected:
  void paintEvent(QPaintEvent* event) override {
    QWidget::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    std::fputs("painted\n", stdout);
    std::fflush(stdout);
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Window window;
  window.setFixedSize(956, 684);
  window.show();
  return QApplication::exec();
}
