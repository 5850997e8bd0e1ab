#pragma once

#include <QApplication>
#include <QSize>
#include <QStringList>
#include <memory>
#include <optional>

// The one line the program says when it has no display to show its windows on.
inline constexpr char kNoDisplayLine[] = "no display: Tezra needs a graphical desktop\n";

// Whether a display is named for the platform Qt will use: the X and Wayland platforms need
// one; any other platform chosen by QT_QPA_PLATFORM or -platform is taken to need none.
bool DisplayNamed(const QStringList& args);

// Makes the application object at the whole factor the command line asks for, capped to what
// fits the screen for a play window of client size `play` (saying so in one line). When the
// platform cannot start at all (a display that does not answer), the program ends with the
// no-display line and exit code 1.
std::unique_ptr<QApplication> MakeApplication(int& argc, char** argv, std::optional<int> askedScale,
                                              QSize play);
