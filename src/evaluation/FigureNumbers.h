#pragma once

#include "evaluation/Figure.h"

#include <optional>

namespace rivet {

// Which of two machines a figure favours.
enum class Better { Base, Other, Neither };

// The number a figure stands for: the figure itself, the first number of an "a/b" figure, and
// for the ground boost speed the computed speed, also where the text shows the legs' code.
// None where the figure has no number: an unbounded durability, or a boost figure of a machine
// with nothing to move.
std::optional<double> figureNumber(const MachineTotals& totals, Figure figure);
PerFigure<std::optional<double>> figureNumbers(const MachineTotals& totals);

// other − base, none when either is missing. The boost figures are multiples of 0.1, so
// their difference is rounded to one decimal (half to even) to shed the doubles' noise.
std::optional<double> figureDifference(Figure figure, std::optional<double> base, std::optional<double> other);

// The machine the figure favours; Neither when the numbers are equal or either is missing.
Better betterOf(Figure figure, std::optional<double> base, std::optional<double> other);

// The machine a difference other − base favours when the figure counts as better in
// `direction` (which a search's goal may turn against the figure's own); Neither without a
// difference.
Better favouredBy(std::optional<double> difference, Direction direction);

} // namespace rivet
