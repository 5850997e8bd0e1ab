#include "results/protractor_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

#include "kit/fonts.h"

namespace {
const QColor kNoShots(205, 205, 205);
const QColor kNoneHit(220, 60, 50);
const QColor kHalfHit(240, 205, 50);
const QColor kAllHit(60, 170, 75);
constexpr double kLabelledRadius = 170;

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace

QColor HitShareColour(const AngleFigures& figures) {
    if (figures.shots == 0) {
        return kNoShots;
    }
    const double share = figures.hitShare();
    return share < 0.5 ? Mix(kNoneHit, kHalfHit, share * 2) : Mix(kHalfHit, kAllHit, share * 2 - 1);
}

QString SignedDegrees(double degrees) {
    const int rounded = qRound(degrees);
    return (rounded > 0 ? QStringLiteral("+%1°") : QStringLiteral("%1°")).arg(rounded);
}

QString SectorText(const AngleFigures& figures) {
    return figures.shots ? QStringLiteral("%1回 %2")
                               .arg(figures.shots)
                               .arg(SignedDegrees(figures.averageError))
                         : QStringLiteral("0回");
}

ProtractorChart::ProtractorChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("角度ごとの命中のわりあい"));
}

void ProtractorChart::setFigures(const std::vector<AngleFigures>& angles, const AngleGrid& grid) {
    angles_ = angles;
    grid_ = grid;
    QStringList description;
    for (const AngleFigures& a : angles_) {
        description.append(QStringLiteral("%1°: %2").arg(a.angle).arg(SectorText(a)));
    }
    setAccessibleDescription(description.join(QStringLiteral("、")));
    update();
}

QPointF ProtractorChart::centre() const {
    return {width() / 2.0, height() - 24.0};
}

double ProtractorChart::radius() const {
    return std::min(width() / 2.0 - 30, height() - 50.0);
}

void ProtractorChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QPointF c = centre();
    const double r = radius();
    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    // Below the radius the labels were made for, they shrink with it, so that none runs into
    // its neighbours near the middle.
    p.setFont(PGothicFont(9 * std::min(1.0, r / kLabelledRadius)));
    for (const AngleFigures& a : angles_) {
        // Qt's angles run anticlockwise from 3 o'clock in sixteenths of a degree: the
        // protractor's own way round.
        QPainterPath sector(c);
        sector.arcTo(disc, a.angle - grid_.step, grid_.step);
        sector.closeSubpath();
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(HitShareColour(a));
        p.drawPath(sector);

        // The label runs along the sector's middle, read from the centre outwards on the right
        // half and from the rim inwards on the left, so that none stands upside down.
        p.save();
        p.translate(c);
        const double middle = a.angle - grid_.step / 2.0;
        p.rotate(-middle);
        const QRectF along(r * kChartInnerShare, -8, r * (1 - kChartInnerShare) - 4, 16);
        const QString text = QStringLiteral("%1°  %2").arg(a.angle).arg(SectorText(a));
        p.setPen(Qt::black);
        if (middle > 90) {
            p.rotate(180);
            p.drawText(along.translated(-along.right() - along.left(), 0),
                       Qt::AlignLeft | Qt::AlignVCenter, text);
        } else {
            p.drawText(along, Qt::AlignRight | Qt::AlignVCenter, text);
        }
        p.restore();
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPie(QRectF(c.x() - r * kChartInnerShare, c.y() - r * kChartInnerShare,
                     2 * r * kChartInnerShare, 2 * r * kChartInnerShare),
              0, 180 * 16);
    p.setPen(QPen(Qt::red, 2));  // the red line, where the angles are counted from
    p.drawLine(c, c + QPointF(r + 12, 0));
    p.setPen(Qt::black);
    p.drawText(QRectF(c.x() + r - 20, c.y() + 4, 40, 18), Qt::AlignCenter, QStringLiteral("0°"));
    p.drawText(QRectF(c.x() - r - 20, c.y() + 4, 40, 18), Qt::AlignCenter, QStringLiteral("180°"));
}
