#include "windows/TradeOffPlotLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

constexpr const char* kPluginFile = "rivet-trade-off-plot.so";

QStringList pluginCandidates()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(kPluginFile),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(RIVET_PLUGIN_PATH) + "/" + kPluginFile))};
}

} // namespace

TradeOffPlot* createTradeOffPlot(QWidget* parent, QString& problem)
{
    static TradeOffPlotFactory* factory = nullptr;
    static QString loadProblem;
    if (!factory && loadProblem.isEmpty()) {
        for (const QString& path : pluginCandidates()) {
            if (!QFileInfo::exists(path)) {
                continue;
            }
            // Kept loaded for the rest of the run: the plots it makes live in its code.
            auto* loader = new QPluginLoader(path, QCoreApplication::instance());
            factory = qobject_cast<TradeOffPlotFactory*>(loader->instance());
            if (factory) {
                break;
            }
            loadProblem = loader->errorString();
        }
        if (!factory && loadProblem.isEmpty()) {
            loadProblem = QString("%1 が見つかりません").arg(kPluginFile);
        }
    }
    if (!factory) {
        problem = loadProblem;
        return nullptr;
    }
    return factory->createPlot(parent);
}
