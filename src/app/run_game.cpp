#include "app/run_game.h"

#include <QCoreApplication>

#include "kit/navigator.h"

int RunUntilEnd(Navigator& nav) {
    nav.onEnd([] { QCoreApplication::exit(0); });
    // QCoreApplication::exit() before exec() does nothing: the loop would never end.
    if (!nav.ended()) {
        QCoreApplication::exec();
    }
    return 0;
}
