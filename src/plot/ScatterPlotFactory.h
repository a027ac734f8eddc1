#pragma once

#include "windows/TradeOffPlot.h"

#include <QObject>

// The plugin's entry: the window loads it the first time it shows a trade-off.
class ScatterPlotFactory : public QObject, public TradeOffPlotFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RIVET_TRADE_OFF_PLOT_IID)
    Q_INTERFACES(TradeOffPlotFactory)

public:
    TradeOffPlot* createPlot(QWidget* parent) override;
};
