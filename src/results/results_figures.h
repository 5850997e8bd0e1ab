#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "core/angle_grid.h"
#include "persist/shot_row.h"

// What the record of shots says, summed for the results screen: plain functions, no widgets.

enum class ResultsPeriod { Today, ThisWeek, Everything };

struct ResultsFilter {
    ResultsPeriod period = ResultsPeriod::Everything;
    std::optional<QString> name;  // nullopt: everyone; an empty name: shots of no name
};

// The shots at one right angle.
struct AngleFigures {
    int angle = 0;  // an angle of the grid
    int shots = 0;
    int hits = 0;
    double averageError = 0;  // typed minus right; 0 without shots

    double hitShare() const { return shots ? double(hits) / shots : 0; }
};

// One name's shots.
struct NameFigures {
    QString name;
    int shots = 0;
    int hits = 0;
    double averageError = 0;
    std::vector<int> mostMissed;  // up to three right angles, most misses first
};

struct ResultsFigures {
    AngleGrid grid;
    std::vector<AngleFigures> angles;  // one per angle of the grid, the lowest first
    std::vector<NameFigures> names;    // sorted by name
    int shots = 0;
};

// Whether the shot falls in the filter; a week begins on Monday.
bool InFilter(const ShotRow& row, const ResultsFilter& filter, QDate today);

// Shots at right angles the grid does not have count for their names only.
ResultsFigures ComputeResultsFigures(const std::vector<ShotRow>& rows, const ResultsFilter& filter,
                                     QDate today, const AngleGrid& grid);

// Every name in the record, sorted, each once (the empty name too, when a shot has it).
QStringList NamesInRecord(const std::vector<ShotRow>& rows);
