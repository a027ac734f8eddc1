#pragma once

#include <QPoint>
#include <QString>
#include <QVector>
#include <QtPlugin>

#include <functional>

class QWidget;

// One machine of a trade-off as the plot shows it: its two goal numbers and the text its hint
// shows (the parts and the figures).
struct PlotPoint
{
    double x = 0;
    double y = 0;
    QString hint;
};

// The axes: each goal's caption with its direction, and whether its numbers have tenths.
struct PlotAxes
{
    QString x;
    QString y;
    bool xTenths = false;
    bool yTenths = false;
};

// The scatter plot of a trade-off. It lives in a plugin of its own that is loaded the first
// time a plot is shown, so the charts cost the program's start nothing; the window sees only
// this interface, which is all inline.
class TradeOffPlot
{
public:
    virtual ~TradeOffPlot() = default;

    // The plot's widget, owned by the parent it was made with.
    virtual QWidget* widget() = 0;
    virtual void showPoints(const PlotAxes& axes, const QVector<PlotPoint>& points) = 0;
    // Marks one point as the chosen one (-1: none).
    virtual void choose(int index) = 0;
    // Where a point is drawn in the widget's coordinates, as the pointer would click it.
    virtual QPoint pointPosition(int index) const = 0;

    // Called when the player clicks a point.
    std::function<void(int)> pointClicked;
};

// What the plugin offers: plots, made for a parent widget that owns them.
class TradeOffPlotFactory
{
public:
    virtual ~TradeOffPlotFactory() = default;
    virtual TradeOffPlot* createPlot(QWidget* parent) = 0;
};

#define RIVET_TRADE_OFF_PLOT_IID "org.example.RivetTool.TradeOffPlotFactory/1"
Q_DECLARE_INTERFACE(TradeOffPlotFactory, RIVET_TRADE_OFF_PLOT_IID)
