#pragma once

#include "windows/TradeOffPlot.h"

#include <QString>

class QWidget;

// The trade-off's plot from its plugin, which is loaded (once) on the first call: beside the
// program, then where an install puts it. Null when the plugin cannot be loaded, with the
// reason in `problem`.
TradeOffPlot* createTradeOffPlot(QWidget* parent, QString& problem);
