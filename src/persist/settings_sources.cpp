#include "persist/settings_sources.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <array>
#include <cstdio>
#include <map>

namespace {

const QString kLockedKey = QStringLiteral("locked");

struct SwitchHelp {
    const char* name;
    const char* description;
    const char* valueName;  // nullptr: a switch without a value, which sets the setting on
};

constexpr std::array kSwitches{
    SwitchHelp{"mute", "No sound at all, music and effects.", nullptr},
    SwitchHelp{"volume", "Volume of effects and music together (0-100).", "0-100"},
    SwitchHelp{"levels", "The levels a child may choose, e.g. 1,2.", "list"},
    SwitchHelp{"practice", "No time pressure: the invaders stay and a miss costs nothing.",
               nullptr},
    SwitchHelp{"show-answer", "After a miss, show the right angle and how far off the shot was.",
               nullptr},
    SwitchHelp{"calm", "No flashing.", nullptr},
    SwitchHelp{"keypad", "Large on-screen keys for touch screens.", nullptr},
    SwitchHelp{"fullscreen", "Start full screen.", nullptr},
    SwitchHelp{"scale", "Draw every window N times larger (1-8).", "N"},
    SwitchHelp{"ask-name", "Ask each child's name.", nullptr},
};

// A list in the file (levels=1,2) reaches us as QSettings' string list.
QString valueText(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(',')
                                                    : value.toString();
}

struct FileSettings {
    std::map<QString, QString> values;  // the keys that fit their setting, as text
    QStringList locked;
};

// The settings a file sets; with `mayLock`, also the settings it locks.
FileSettings readSettingsFile(const QString& path, bool mayLock, const WarningSink& warn) {
    FileSettings read;
    const QFileInfo info(path);
    if (!info.exists()) {
        return read;
    }
    // A folder, a pipe or a device: QSettings would take it for an empty file, and the teacher
    // would never learn why the settings do not count.
    if (!info.isFile() || !info.isReadable()) {
        warn(QStringLiteral("%1: ignored, it is no readable settings file").arg(path));
        return read;
    }
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        warn(QStringLiteral("%1: ignored, it cannot be read as a settings file").arg(path));
        return read;
    }
    const QStringList names = SettingNames();
    for (const QString& key : file.allKeys()) {
        const QString text = valueText(file.value(key));
        if (mayLock && key == kLockedKey) {
            for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
                const QString name = part.trimmed();
                if (names.contains(name)) {
                    read.locked << name;
                } else {
                    warn(QStringLiteral("%1: locked: \"%2\" is no setting, ignored")
                             .arg(path, name));
                }
            }
        } else if (!names.contains(key)) {
            warn(QStringLiteral("%1: %2: no such setting, ignored").arg(path, key));
        } else if (LessonSettings check; !SetSetting(check, key, text)) {
            warn(QStringLiteral("%1: %2: \"%3\" does not fit this setting, ignored")
                     .arg(path, key, text));
        } else {
            read.values[key] = text;
        }
    }
    return read;
}

void apply(LessonSettings& settings, const FileSettings& file) {
    for (const auto& [name, text] : file.values) {
        SetSetting(settings, name, text);
    }
}

}  // namespace

SettingsFiles DefaultSettingsFiles() {
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(configHome)) {
        configHome = QDir::homePath() + QStringLiteral("/.config");
    }
    return {configHome + QStringLiteral("/Tezra/tezra.conf"),
            QStringLiteral("/etc/xdg/Tezra/tezra.conf")};
}

void WarnOnStandardError(const QString& line) {
    std::fprintf(stderr, "tezra: %s\n", qPrintable(line));
}

void AddSettingSwitches(QCommandLineParser& parser) {
    for (const SwitchHelp& s : kSwitches) {
        parser.addOption(s.valueName ? QCommandLineOption(s.name, s.description, s.valueName)
                                     : QCommandLineOption(s.name, s.description));
    }
}

ResolvedSettings ResolveSettings(const SettingsFiles& files, const QCommandLineParser& switches,
                                 const WarningSink& warn) {
    ResolvedSettings resolved;
    const FileSettings user = readSettingsFile(files.user, false, warn);
    const FileSettings school = readSettingsFile(files.school, true, warn);
    apply(resolved.settings, user);
    apply(resolved.settings, school);
    for (const SwitchHelp& s : kSwitches) {
        if (!switches.isSet(s.name)) {
            continue;
        }
        const QString text = s.valueName ? switches.value(s.name) : QStringLiteral("true");
        // An empty value would quietly mean "unset" for the scale: on the command line it is a
        // mistake.
        if (text.trimmed().isEmpty() || !SetSetting(resolved.settings, s.name, text)) {
            resolved.switchError =
                QStringLiteral("--%1: \"%2\" is not a valid value.").arg(s.name, text);
        }
    }
    resolved.locked = school.locked;
    resolved.locked.removeDuplicates();
    const LessonSettings defaults;
    for (const QString& name : resolved.locked) {
        const auto fixed = school.values.find(name);
        SetSetting(resolved.settings, name,
                   fixed != school.values.end() ? fixed->second : SettingText(defaults, name));
    }
    return resolved;
}
