#include "persist/lesson_settings.h"

#include <array>

namespace {

std::optional<bool> ParseFlag(const QString& text) {
    const QString word = text.trimmed().toLower();
    if (word == "true" || word == "yes" || word == "on" || word == "1") {
        return true;
    }
    if (word == "false" || word == "no" || word == "off" || word == "0") {
        return false;
    }
    return std::nullopt;
}

std::optional<int> ParseWhole(const QString& text, int lowest, int highest) {
    bool whole = false;
    const int value = text.trimmed().toInt(&whole);
    if (!whole || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

template <bool LessonSettings::*flag>
bool setFlag(LessonSettings& s, const QString& text) {
    const std::optional<bool> value = ParseFlag(text);
    if (value) {
        s.*flag = *value;
    }
    return value.has_value();
}

template <bool LessonSettings::*flag>
QString flagText(const LessonSettings& s) {
    return s.*flag ? QStringLiteral("true") : QStringLiteral("false");
}

bool setVolume(LessonSettings& s, const QString& text) {
    const std::optional<int> value = ParseWhole(text, 0, 100);
    if (value) {
        s.volume = *value;
    }
    return value.has_value();
}

QString volumeText(const LessonSettings& s) {
    return QString::number(s.volume);
}

bool setScale(LessonSettings& s, const QString& text) {
    if (text.trimmed().isEmpty()) {
        s.scale.reset();
        return true;
    }
    const std::optional<int> value = ParseWhole(text, 1, 8);
    if (value) {
        s.scale = value;
    }
    return value.has_value();
}

QString scaleText(const LessonSettings& s) {
    return s.scale ? QString::number(*s.scale) : QString();
}

// A list of levels, at least one: "1,3".
bool setLevels(LessonSettings& s, const QString& text) {
    std::set<int> levels;
    for (const QString& part : text.split(',')) {
        const std::optional<int> level = ParseWhole(part, 1, 3);
        if (!level) {
            return false;
        }
        levels.insert(*level);
    }
    s.levels = levels;
    return true;
}

QString levelsText(const LessonSettings& s) {
    QStringList parts;
    for (int level : s.levels) {
        parts << QString::number(level);
    }
    return parts.join(',');
}

struct SettingRule {
    const char* name;
    bool (*set)(LessonSettings&, const QString&);
    QString (*text)(const LessonSettings&);
};

constexpr std::array kRules{
    SettingRule{"mute", setFlag<&LessonSettings::mute>, flagText<&LessonSettings::mute>},
    SettingRule{"volume", setVolume, volumeText},
    SettingRule{"levels", setLevels, levelsText},
    SettingRule{"practice", setFlag<&LessonSettings::practice>,
                flagText<&LessonSettings::practice>},
    SettingRule{"show-answer", setFlag<&LessonSettings::showAnswer>,
                flagText<&LessonSettings::showAnswer>},
    SettingRule{"calm", setFlag<&LessonSettings::calm>, flagText<&LessonSettings::calm>},
    SettingRule{"keypad", setFlag<&LessonSettings::keypad>, flagText<&LessonSettings::keypad>},
    SettingRule{"fullscreen", setFlag<&LessonSettings::fullscreen>,
                flagText<&LessonSettings::fullscreen>},
    SettingRule{"scale", setScale, scaleText},
    SettingRule{"ask-name", setFlag<&LessonSettings::askName>, flagText<&LessonSettings::askName>},
};

const SettingRule* ruleFor(const QString& name) {
    for (const SettingRule& rule : kRules) {
        if (name == QLatin1String(rule.name)) {
            return &rule;
        }
    }
    return nullptr;
}

}  // namespace

QStringList SettingNames() {
    QStringList names;
    for (const SettingRule& rule : kRules) {
        names << QString::fromLatin1(rule.name);
    }
    return names;
}

bool SetSetting(LessonSettings& settings, const QString& name, const QString& text) {
    const SettingRule* rule = ruleFor(name);
    return rule && rule->set(settings, text);
}

QString SettingText(const LessonSettings& settings, const QString& name) {
    const SettingRule* rule = ruleFor(name);
    return rule ? rule->text(settings) : QString();
}
