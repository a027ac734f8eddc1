#include "plot/ScatterPlot.h"

#include <QEvent>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kPointSize = 9;
constexpr qreal kChosenSize = 17;

bool dark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

// The span of the numbers with a little room on both sides, so no point sits on the frame.
std::pair<double, double> paddedRange(double low, double high, bool tenths)
{
    const double unit = tenths ? 0.1 : 1.0;
    const double room = std::max((high - low) * 0.06, unit);
    // Numbers that are never negative keep the axis at 0 or above.
    return {low >= 0 ? std::max(0.0, low - room) : low - room, high + room};
}

} // namespace

ScatterPlot::ScatterPlot(QWidget* parent)
    : QChartView(parent)
{
    setObjectName("tradeOffPlot");
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    // The view's own chart: one set in its place would leave the view's first chart to no one.
    QChart* chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));

    m_steps = new QLineSeries(chart);
    m_machines = new QScatterSeries(chart);
    m_machines->setMarkerSize(kPointSize);
    m_machines->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_chosenMark = new QScatterSeries(chart);
    m_chosenMark->setMarkerSize(kChosenSize);
    m_chosenMark->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_xAxis = new QValueAxis(chart);
    m_yAxis = new QValueAxis(chart);
    chart->addAxis(m_xAxis, Qt::AlignBottom);
    chart->addAxis(m_yAxis, Qt::AlignLeft);
    // The ring under the points, so a click on the chosen one reaches its point.
    for (QXYSeries* series : std::initializer_list<QXYSeries*> {m_steps, m_chosenMark, m_machines}) {
        chart->addSeries(series);
        series->attachAxis(m_xAxis);
        series->attachAxis(m_yAxis);
    }
    connect(m_machines, &QScatterSeries::hovered, this, [this](const QPointF& value, bool entered) {
        const int index = indexOf(value);
        if (entered && index >= 0) {
            QToolTip::showText(QCursor::pos(), m_points[index].hint, this);
        } else {
            QToolTip::hideText();
        }
    });
    connect(m_machines, &QScatterSeries::clicked, this, [this](const QPointF& value) {
        const int index = indexOf(value);
        if (index >= 0 && pointClicked) {
            pointClicked(index);
        }
    });
    followPalette();
}

void ScatterPlot::showPoints(const PlotAxes& axes, const QVector<PlotPoint>& points)
{
    m_axes = axes;
    m_points = points;
    m_chosen = -1;
    QList<QPointF> values;
    for (const PlotPoint& point : points) {
        values << QPointF(point.x, point.y);
    }
    m_steps->replace(values);
    m_machines->replace(values);
    m_chosenMark->clear();
    m_xAxis->setTitleText(axes.x);
    m_yAxis->setTitleText(axes.y);
    m_xAxis->setLabelFormat(axes.xTenths ? "%.1f" : "%.0f");
    m_yAxis->setLabelFormat(axes.yTenths ? "%.1f" : "%.0f");
    fitAxes();
}

void ScatterPlot::choose(int index)
{
    m_chosen = index >= 0 && index < m_points.size() ? index : -1;
    m_chosenMark->clear();
    if (m_chosen >= 0) {
        m_chosenMark->append(m_points[m_chosen].x, m_points[m_chosen].y);
    }
}

QPoint ScatterPlot::pointPosition(int index) const
{
    if (index < 0 || index >= m_points.size()) {
        return {};
    }
    const QPointF inChart = chart()->mapToPosition(QPointF(m_points[index].x, m_points[index].y), m_machines);
    return mapFromScene(chart()->mapToScene(inChart));
}

void ScatterPlot::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        followPalette();
    }
}

int ScatterPlot::indexOf(const QPointF& value) const
{
    for (int i = 0; i < m_points.size(); ++i) {
        if (m_points[i].x == value.x() && m_points[i].y == value.y()) {
            return i;
        }
    }
    return -1;
}

void ScatterPlot::followPalette()
{
    const QPalette colours = palette();
    chart()->setTheme(dark(colours) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart()->setBackgroundBrush(colours.color(QPalette::Base));
    chart()->setBackgroundRoundness(0);
    const QColor text = colours.color(QPalette::Text);
    const QColor accent = colours.color(QPalette::Highlight);
    for (QValueAxis* axis : {m_xAxis, m_yAxis}) {
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        QColor grid = text;
        grid.setAlpha(40);
        axis->setGridLineColor(grid);
        axis->setLinePenColor(grid);
    }
    QColor line = text;
    line.setAlpha(90);
    m_steps->setPen(QPen(line, 1));
    m_machines->setColor(accent);
    m_machines->setBorderColor(colours.color(QPalette::Base));
    m_chosenMark->setColor(Qt::transparent);
    m_chosenMark->setBorderColor(text);
    QPen ring(text, 2);
    m_chosenMark->setPen(ring);
}

void ScatterPlot::fitAxes()
{
    if (m_points.isEmpty()) {
        return;
    }
    const auto [xLow, xHigh] = std::minmax_element(m_points.begin(), m_points.end(),
                                                   [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; });
    const auto [yLow, yHigh] = std::minmax_element(m_points.begin(), m_points.end(),
                                                   [](const PlotPoint& a, const PlotPoint& b) { return a.y < b.y; });
    const auto [x0, x1] = paddedRange(xLow->x, xHigh->x, m_axes.xTenths);
    const auto [y0, y1] = paddedRange(yLow->y, yHigh->y, m_axes.yTenths);
    m_xAxis->setRange(x0, x1);
    m_yAxis->setRange(y0, y1);
    m_xAxis->applyNiceNumbers();
    m_yAxis->applyNiceNumbers();
}
