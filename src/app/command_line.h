#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include "persist/settings_sources.h"

// The program's switches, read once from the whole command line before anything else is made.
// Anything unknown (a desktop launcher may pass files or options of its own) is ignored.
class GameCommandLine {
  public:
    explicit GameCommandLine(const QStringList& args);

    bool helpAsked() const;
    bool versionAsked() const;
    QString helpText() const;
    // The lesson's settings from the files, under the switches of the same names.
    ResolvedSettings settings(const SettingsFiles& files) const;
    // --level N --stage M: whether either was given; each value becomes the nearest of 1-3.
    bool startsAtPlay() const;
    int level() const;
    int stage() const;
    // Why the game cannot start at play with these settings (a level the lesson does not
    // allow), as a line for standard error; empty when it can, or when it starts at the title.
    QString playStartRefusal(const LessonSettings& settings) const;

  private:
    QCommandLineParser parser_;
};

// The arguments as given, before Qt takes its own out of them.
QStringList ArgumentsOf(int argc, char** argv);
