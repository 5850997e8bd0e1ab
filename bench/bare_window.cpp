// The reference for the start-up, idle and memory benchmarks: the least a Qt Widgets program does
// to show a window. It leaves once shown, or stays with --stay.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(461, 346);
    window.setWindowTitle("bare");
    window.show();
    const bool stay = QApplication::arguments().contains("--stay");
    QTimer::singleShot(0, [stay] {
        std::puts("shown");
        std::fflush(stdout);
        if (!stay) {
            QCoreApplication::exit(0);
        }
    });
    return QApplication::exec();
}
