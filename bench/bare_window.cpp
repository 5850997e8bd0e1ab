// The reference for the start-up and idle benchmarks: the least a Qt Widgets program does to show
// a window. It leaves once shown, or stays open with --stay.
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
    if (QApplication::arguments().contains("--stay")) {
        return QApplication::exec();
    }
    QTimer::singleShot(0, [] {
        std::puts("shown");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
