#include "widgets/FigureChoice.h"

#include <QComboBox>

void fillWithFigures(QComboBox* box)
{
    for (rivet::Figure figure : rivet::allFigures()) {
        box->addItem(QString::fromUtf8(rivet::describe(figure).caption));
    }
    box->setMaxVisibleItems(rivet::kFigureCount);
}

rivet::Figure chosenFigure(const QComboBox* box)
{
    return rivet::figureAt(static_cast<std::size_t>(qMax(0, box->currentIndex())));
}

void chooseFigure(QComboBox* box, rivet::Figure figure)
{
    box->setCurrentIndex(static_cast<int>(rivet::figureIndex(figure)));
}
