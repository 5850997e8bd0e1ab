#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

QTranslator* InstallQtJapanese(QCoreApplication& app, const QString& folder) {
    // Only the base module's: the game shows no words of Qt's other modules.
    auto translator = std::make_unique<QTranslator>(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), folder) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator.release();
}
