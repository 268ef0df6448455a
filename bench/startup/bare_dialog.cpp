// The floor for start-up figures: a bare Qt dialog with a few Japanese labels, which quits after
// its first paint when given --exit-after-first-paint, as velorin does.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <cstring>

namespace {

class Dialog : public QDialog {
 public:
  explicit Dialog(bool quitAfterPaint) : quit_(quitAfterPaint) {}

 protected:
  bool event(QEvent* e) override {
    const bool handled = QDialog::event(e);
    if (quit_ && e->type() == QEvent::Paint) {
      quit_ = false;
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
    return handled;
  }

 private:
  bool quit_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Dialog d(argc > 1 && std::strcmp(argv[1], "--exit-after-first-paint") == 0);
  auto* layout = new QVBoxLayout(&d);
  for (const char* text : {"順列と組合せ", "確率の計算", "二項分布と正規分布"})
    layout->addWidget(new QLabel(QString::fromUtf8(text)));
  d.show();
  return QApplication::exec();
}
