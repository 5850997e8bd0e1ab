#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>

#include "results/results_figures.h"

// The colour of a sector: red where no shot hit, through yellow, to green where all hit; grey
// where there were no shots.
QColor HitShareColour(const AngleFigures& figures);
// A sector's label: its shots and average error ("12回 -8°"), or "0回".
QString SectorText(const AngleFigures& figures);
// An error in degrees with its sign, rounded ("+8°", "-8°", "0°").
QString SignedDegrees(double degrees);

// A half-disc protractor, 0° on the right as in stage 1, with one sector for each right angle
// from 10° to 180°, coloured by its share of hits and labelled with its figures.
class ProtractorChart : public QWidget {
  public:
    explicit ProtractorChart(QWidget* parent);

    void setFigures(const std::array<AngleFigures, kChartAngles>& angles);
    // The point where a sector is coloured, for those that look at the picture.
    QPoint sectorPoint(int angle) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPointF centre() const;
    double radius() const;

    std::array<AngleFigures, kChartAngles> angles_{};
};
