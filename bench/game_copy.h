#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// The game's folder copied into `dir` (without its data files, so that each run starts as a
// first run and nothing is written into the build), returning the copied program.
QString CopyOfGame(const QString& program, const QTemporaryDir& dir);

// The environment the benchmarks start programs in: this one, offscreen unless QT_QPA_PLATFORM
// names a display.
QProcessEnvironment BenchEnvironment();
