#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;
class QTranslator;

// Qt's own words, the buttons of its standard dialogs and its folder chooser, in Japanese like
// every word of the game, whatever language the desktop speaks. The translator belongs to the
// application; nullptr when the folder holds no Japanese translation of Qt (Debian's
// qt6-translations-l10n is missing), and Qt's words stay English.
QTranslator* InstallQtJapanese(QCoreApplication& app, const QString& folder = QLibraryInfo::path(
                                                          QLibraryInfo::TranslationsPath));
