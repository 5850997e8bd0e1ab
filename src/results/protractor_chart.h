#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "results/results_figures.h"

// The colour of a sector: red where no shot hit, through yellow, to green where all hit; grey
// where there were no shots.
QColor HitShareColour(const AngleFigures& figures);
// A sector's label: its shots and average error ("12回 -8°"), or "0回".
QString SectorText(const AngleFigures& figures);
// An error in degrees with its sign, rounded ("+8°", "-8°", "0°").
QString SignedDegrees(double degrees);

// The share of the radius left white in the middle, where the sectors would be too narrow.
inline constexpr double kChartInnerShare = 0.18;

// A half-disc protractor, 0° on the right as in stage 1, with one sector for each angle of the
// grid, ending at it, coloured by its share of hits and labelled with its figures.
class ProtractorChart : public QWidget {
  public:
    explicit ProtractorChart(QWidget* parent);

    // Drawn at the size it is given, from the size it is designed for down to one where the
    // sectors' labels, made smaller, still fit.
    QSize sizeHint() const override { return {640, 330}; }
    QSize minimumSizeHint() const override { return {300, 170}; }

    void setFigures(const std::vector<AngleFigures>& angles, const AngleGrid& grid);
    // Where the protractor stands: the middle of its straight edge, and its radius.
    QPointF centre() const;
    double radius() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<AngleFigures> angles_;
    AngleGrid grid_;
};
