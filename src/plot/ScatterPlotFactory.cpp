#include "plot/ScatterPlotFactory.h"

#include "plot/ScatterPlot.h"

TradeOffPlot* ScatterPlotFactory::createPlot(QWidget* parent)
{
    return new ScatterPlot(parent);
}
