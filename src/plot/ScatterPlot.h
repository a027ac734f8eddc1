#pragma once

#include "windows/TradeOffPlot.h"

#include <QChartView>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The trade-off as Qt Charts draws it: every machine a point, joined in order by a thin line
// that shows where one goal is given up for the other; the chosen machine ringed. Hovering a
// point shows its hint, clicking it reports it. Follows the desktop's colours, light or dark.
class ScatterPlot : public QChartView, public TradeOffPlot
{
    Q_OBJECT

public:
    explicit ScatterPlot(QWidget* parent);

    QWidget* widget() override { return this; }
    void showPoints(const PlotAxes& axes, const QVector<PlotPoint>& points) override;
    void choose(int index) override;
    QPoint pointPosition(int index) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    int indexOf(const QPointF& value) const;
    void followPalette();
    void fitAxes();

    QVector<PlotPoint> m_points;
    PlotAxes m_axes;
    int m_chosen = -1;
    QLineSeries* m_steps = nullptr;
    QScatterSeries* m_machines = nullptr;
    QScatterSeries* m_chosenMark = nullptr;
    QValueAxis* m_xAxis = nullptr;
    QValueAxis* m_yAxis = nullptr;
};
