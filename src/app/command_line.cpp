#include "app/command_line.h"

#include <algorithm>

#include "persist/settings_sources.h"

namespace {
// Every switch of the program, in the order --help lists them: a new one is added here.
void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Tezra: read how large each invader's angle is and shoot it down."));
    parser.addOption({"level", "Start playing at level N (1-3), skipping the title.", "N", "1"});
    parser.addOption({"stage", "Start playing at stage N (1-3), skipping the title.", "N", "1"});
    // The lesson's settings, --scale among them.
    AddSettingSwitches(parser);
    parser.addHelpOption();
    parser.addVersionOption();
}

int OneToThree(const QString& value) {
    return std::clamp(value.toInt(), 1, 3);
}
}  // namespace

GameCommandLine::GameCommandLine(const QStringList& args) {
    // Qt's own switches (-platform, -reverse, -stylesheet) are whole words, not bundled letters.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddOptions(parser_);
    parser_.parse(args);
}

bool GameCommandLine::helpAsked() const {
    return parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all"));
}

bool GameCommandLine::versionAsked() const {
    return parser_.isSet(QStringLiteral("version"));
}

QString GameCommandLine::helpText() const {
    return parser_.helpText();
}

ResolvedSettings GameCommandLine::settings(const SettingsFiles& files) const {
    return ResolveSettings(files, parser_);
}

bool GameCommandLine::startsAtPlay() const {
    return parser_.isSet(QStringLiteral("level")) || parser_.isSet(QStringLiteral("stage"));
}

int GameCommandLine::level() const {
    return OneToThree(parser_.value(QStringLiteral("level")));
}

int GameCommandLine::stage() const {
    return OneToThree(parser_.value(QStringLiteral("stage")));
}

QString GameCommandLine::playStartRefusal(const LessonSettings& settings) const {
    if (!startsAtPlay() || settings.levels.contains(level())) {
        return {};
    }
    return QStringLiteral("--level: level %1 is not among the lesson's levels (%2).")
        .arg(level())
        .arg(SettingText(settings, QStringLiteral("levels")));
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    return args;
}
