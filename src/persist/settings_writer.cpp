#include "persist/settings_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

SaveFailure SaveUserSettings(const QString& path, const LessonSettings& settings,
                             const QStringList& locked) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        return SaveFailure::Link;
    }
    if (info.exists() && !info.isFile()) {
        return SaveFailure::NotAFile;
    }
    if (info.exists() && !info.isReadable()) {
        return SaveFailure::Unreadable;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        return SaveFailure::NoFolder;
    }
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        return SaveFailure::Unreadable;
    }
    const LessonSettings defaults;
    for (const QString& name : SettingNames()) {
        if (locked.contains(name)) {
            continue;
        }
        const QString text = SettingText(settings, name);
        if (text == SettingText(defaults, name)) {
            file.remove(name);
        } else {
            // A list is written as one (levels=1, 3), as a teacher would write it by hand.
            const QStringList parts = text.split(',');
            file.setValue(name, parts.size() > 1 ? QVariant(parts) : QVariant(text));
        }
    }
    file.sync();
    return file.status() == QSettings::NoError ? SaveFailure::None : SaveFailure::NotWritten;
}
