// The reference for the start-up, idle and memory benchmarks: the least a Qt Widgets program does
// to show a window. Like the game, it says "shown" once its window has been painted, then leaves,
// or stays with --stay. With --text the window holds one line of Japanese text, so that the
// reference also reads the system's font configuration, as every program showing text must.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {
class Window : public QWidget {
  public:
    explicit Window(bool stay) : stay_(stay) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        if (reported_) {
            return;
        }
        reported_ = true;
        QTimer::singleShot(0, this, [this] {
            std::puts("shown");
            std::fflush(stdout);
            if (!stay_) {
                QCoreApplication::exit(0);
            }
        });
    }

  private:
    bool stay_;
    bool reported_ = false;
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Window window(QApplication::arguments().contains("--stay"));
    window.resize(461, 346);
    window.setWindowTitle("bare");
    if (QApplication::arguments().contains("--text")) {
        new QLabel(QStringLiteral("レベルをえらんでゲーム スタート !!"), &window);
    }
    window.show();
    return QApplication::exec();
}
