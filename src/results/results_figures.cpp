#include "results/results_figures.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>

namespace {
double Average(qint64 sum, int count) {
    return count ? double(sum) / count : 0;
}

struct NameSums {
    int shots = 0;
    int hits = 0;
    qint64 errorSum = 0;
    std::map<int, int> missesByAngle;
};

std::vector<int> MostMissed(const std::map<int, int>& missesByAngle) {
    std::vector<std::pair<int, int>> misses(missesByAngle.begin(), missesByAngle.end());
    // Most misses first; among equals the smaller angle, so the order never depends on chance.
    std::stable_sort(misses.begin(), misses.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<int> angles;
    for (size_t i = 0; i < misses.size() && i < 3; ++i) {
        angles.push_back(misses[i].first);
    }
    return angles;
}
}  // namespace

bool InFilter(const ShotRow& row, const ResultsFilter& filter, QDate today) {
    if (filter.name && row.name != *filter.name) {
        return false;
    }
    switch (filter.period) {
        case ResultsPeriod::Today:
            return row.day == today;
        case ResultsPeriod::ThisWeek: {
            const QDate monday = today.addDays(1 - today.dayOfWeek());
            return row.day >= monday && row.day <= monday.addDays(6);
        }
        case ResultsPeriod::Everything:
            return true;
    }
    return true;
}

ResultsFigures ComputeResultsFigures(const std::vector<ShotRow>& rows, const ResultsFilter& filter,
                                     QDate today, const AngleGrid& grid) {
    ResultsFigures figures;
    figures.grid = grid;
    figures.angles.resize(std::size_t(grid.count()));
    std::vector<qint64> errorSums(figures.angles.size());
    QHash<QString, NameSums> byName;
    for (const ShotRow& row : rows) {
        if (!InFilter(row, filter, today)) {
            continue;
        }
        ++figures.shots;
        if (const int slot = grid.indexOf(row.rightAngle); slot >= 0) {
            ++figures.angles[slot].shots;
            figures.angles[slot].hits += row.hit;
            errorSums[slot] += row.error();
        }
        NameSums& sums = byName[row.name];
        ++sums.shots;
        sums.hits += row.hit;
        sums.errorSum += row.error();
        if (!row.hit) {
            ++sums.missesByAngle[row.rightAngle];
        }
    }
    for (int slot = 0; slot < grid.count(); ++slot) {
        AngleFigures& angle = figures.angles[slot];
        angle.angle = grid.angleAt(slot);
        angle.averageError = Average(errorSums[slot], angle.shots);
    }
    QStringList names = byName.keys();
    names.sort();
    for (const QString& name : names) {
        const NameSums& sums = byName[name];
        figures.names.push_back({name, sums.shots, sums.hits, Average(sums.errorSum, sums.shots),
                                 MostMissed(sums.missesByAngle)});
    }
    return figures;
}

QStringList NamesInRecord(const std::vector<ShotRow>& rows) {
    QSet<QString> names;
    for (const ShotRow& row : rows) {
        names.insert(row.name);
    }
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
}
