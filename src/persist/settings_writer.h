#pragma once

#include <QString>
#include <QStringList>

#include "persist/lesson_settings.h"

// Why the user's settings file was not saved.
enum class SaveFailure {
    None,
    Link,        // the file is a link: writing would change the file it points to
    NotAFile,    // a folder, a pipe or a device is where the file should be
    Unreadable,  // the file is there but cannot be read, so what else it holds would be lost
    NoFolder,    // its folder cannot be made
    NotWritten,  // the file cannot be written
};

// Saves the settings to the user's file with QSettings: a setting that differs from the
// default is written, one that does not is removed, so the file says just what the teacher
// changed. Locked settings and keys this game does not know are left as they are in the file.
// The file is replaced as a whole, so a failure leaves the old one.
SaveFailure SaveUserSettings(const QString& path, const LessonSettings& settings,
                             const QStringList& locked);
