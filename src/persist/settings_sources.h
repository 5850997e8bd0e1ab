#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "persist/lesson_settings.h"

class QCommandLineParser;

// The two settings files, in Qt's INI format with the settings in [General]: the user's own, and
// the school-wide one whose `locked` key lists the settings nothing below it may change.
struct SettingsFiles {
    QString user;
    QString school;
};

// $XDG_CONFIG_HOME/Tezra/tezra.conf (~/.config when that is unset or relative) and
// /etc/xdg/Tezra/tezra.conf. The school's file is not moved by XDG_CONFIG_DIRS: a lock a
// pupil's environment could move is no lock.
SettingsFiles DefaultSettingsFiles();

// The settings as the game uses them, and which of them the school fixes.
struct ResolvedSettings {
    LessonSettings settings;
    QStringList locked;
    // A switch given a value out of range or of the wrong kind, for the usage text; empty when
    // every switch was good.
    QString switchError;
};

// One line for standard error, naming the file and the key it skips.
using WarningSink = std::function<void(const QString& line)>;
void WarnOnStandardError(const QString& line);

// Adds a switch of the same name for every setting: --mute, --volume 40, --levels 1,2, ...
void AddSettingSwitches(QCommandLineParser& parser);

// The user's file, over it the school's file, over that the switches of a parser that has
// parsed the command line; a locked setting keeps the school file's value (or the default when
// that file does not set it). A file that is missing or cannot be read counts as empty; a key
// that is no setting, or a value that does not fit its setting, is skipped with one warning.
ResolvedSettings ResolveSettings(const SettingsFiles& files, const QCommandLineParser& switches,
                                 const WarningSink& warn = WarnOnStandardError);
