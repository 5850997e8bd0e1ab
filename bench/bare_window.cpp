// The reference for the start-up benchmark: the least a Qt Widgets program does to show a window.
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
    QTimer::singleShot(0, [] {
        std::puts("shown");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
