#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "persist/shot_row.h"

// What the record of shots says, summed for the results screen: plain functions, no widgets.

enum class ResultsPeriod { Today, ThisWeek, Everything };

struct ResultsFilter {
    ResultsPeriod period = ResultsPeriod::Everything;
    std::optional<QString> name;  // nullopt: everyone; an empty name: shots of no name
};

// The shots at one right angle.
struct AngleFigures {
    int angle = 0;  // 10 to 180
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

inline constexpr int kChartAngles = 18;

struct ResultsFigures {
    std::array<AngleFigures, kChartAngles> angles;  // 10°, 20°, ... 180°
    std::vector<NameFigures> names;                 // sorted by name
    int shots = 0;
};

// Whether the shot falls in the filter; a week begins on Monday.
bool InFilter(const ShotRow& row, const ResultsFilter& filter, QDate today);

ResultsFigures ComputeResultsFigures(const std::vector<ShotRow>& rows, const ResultsFilter& filter,
                                     QDate today);

// Every name in the record, sorted, each once (the empty name too, when a shot has it).
QStringList NamesInRecord(const std::vector<ShotRow>& rows);
