#include "evaluation/FigureNumbers.h"

#include "common/Numbers.h"

namespace rivet {

std::optional<double> figureNumber(const MachineTotals& t, Figure f)
{
    const FigureDescriptor& figure = describe(f);
    switch (figure.kind) {
    case FigureKind::Durability:
        if (const auto& durability = figure.durability(t)) {
            return *durability;
        }
        return std::nullopt;
    case FigureKind::Boost:
        // A machine with nothing to move has no boost figures to speak of.
        return t.boostMass == 0 ? std::nullopt : std::optional<double>(t.*figure.tenths);
    default:
        return t.*figure.whole;
    }
}

PerFigure<std::optional<double>> figureNumbers(const MachineTotals& totals)
{
    PerFigure<std::optional<double>> numbers;
    for (Figure figure : allFigures()) {
        numbers[figure] = figureNumber(totals, figure);
    }
    return numbers;
}

std::optional<double> figureDifference(Figure figure, std::optional<double> base, std::optional<double> other)
{
    if (!base || !other) {
        return std::nullopt;
    }
    const double difference = *other - *base;
    if (!describe(figure).decimal()) {
        return difference;
    }
    return static_cast<double>(evenRound(difference * 10)) / 10.0;
}

Better betterOf(Figure figure, std::optional<double> base, std::optional<double> other)
{
    return favouredBy(figureDifference(figure, base, other), describe(figure).better);
}

Better favouredBy(std::optional<double> difference, Direction direction)
{
    if (!difference || *difference == 0) {
        return Better::Neither;
    }
    const bool otherHigher = *difference > 0;
    return otherHigher == (direction == Direction::Higher) ? Better::Other : Better::Base;
}

} // namespace rivet
