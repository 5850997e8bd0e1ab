#include "app/application_start.h"

#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "app/display_scale.h"

namespace {
QtMessageHandler previousHandler = nullptr;

// Qt ends a platform that fails to start with a fatal message, an abort and advice to reinstall
// the program; the player is better served by one plain line and an exit code.
void LeaveOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fflush(stdout);
        std::fputs(kNoDisplayLine, stderr);
        std::_Exit(1);
    }
    if (previousHandler) {
        previousHandler(type, context, message);
    }
}

std::unique_ptr<QApplication> Construct(int& argc, char** argv) {
    previousHandler = qInstallMessageHandler(LeaveOnFatal);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    return app;
}
}  // namespace

bool DisplayNamed(const QStringList& args) {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (args.contains(QStringLiteral("-platform")) || args.contains(QStringLiteral("--platform")) ||
        !(platform.isEmpty() || platform == QLatin1String("xcb"))) {
        return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

std::unique_ptr<QApplication> MakeApplication(int& argc, char** argv, std::optional<int> askedScale,
                                              QSize play) {
    ApplyWholeScaling(askedScale);
    auto app = Construct(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!askedScale || !screen) {
        return app;
    }
    // Qt takes its factor only while the application is made, and the screen's size is known
    // only once it is made; so an application made at too large a factor is made again at the
    // largest one that fits. Only --scale costs this; an X call of our own beforehand would
    // work on X alone.
    const int fits =
        FittingScale(*askedScale, screen->availableGeometry().size() * *askedScale, play);
    if (fits == *askedScale) {
        return app;
    }
    std::fprintf(stderr, "--scale %d does not fit this screen: using %d\n", *askedScale, fits);
    app.reset();
    qputenv("QT_SCALE_FACTOR", QByteArray::number(fits));
    return Construct(argc, argv);
}
