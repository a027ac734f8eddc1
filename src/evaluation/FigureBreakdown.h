#pragma once

#include "evaluation/Figure.h"
#include "evaluation/MachineEvaluation.h"

#include <optional>
#include <string>
#include <vector>

namespace rivet {

// One share of a figure: what a selector's part or a ticked option adds, or one of the
// numbers the figure is worked out from.
struct BreakdownTerm
{
    std::string source; // the selector "cb4", the option box "chk8", or a word: "ed1", "mass"
    std::string label; // what the window calls the source: "脚", "オプション", "AP"
    std::string part; // the part's or the option's name; for a word, what the number is
    double value = 0;

    bool operator==(const BreakdownTerm& other) const
    {
        return source == other.source && label == other.label && part == other.part && value == other.value;
    }
};

// Why a figure of a machine is what it is.
//
// Sums (AP, price, weight, stability), the spare figures and the energy uses: the terms add up
// to the number; a spare's capacity counts for it, what uses it against it. A defence
// coefficient: the parts' defence and a screen's addition, adding up to the defence total it
// is worked out from. A durability: the AP and the coefficient. A boost figure: the thrust and
// the mass it moves. Terms come largest first (what counts for the number before what counts
// against it), parts in selector order among equals; what adds nothing is left out.
struct FigureBreakdown
{
    Figure figure = Figure::Ap;
    std::string text; // as the value label shows it
    std::optional<std::string> verdict;
    std::optional<double> number; // figureNumber
    std::vector<BreakdownTerm> terms;
    // How the number follows from the terms, and for a warning how far it is over its limit
    // and what weighs most in it: a line each, in the window's words.
    std::vector<std::string> steps;
    // What the figure is judged against: 0 for a spare (below it is a warning), the
    // generator's output for an energy use, the boost figures' limits; none elsewhere.
    std::optional<double> limit;
    bool warning = false; // figureWarns
};

FigureBreakdown explainFigure(const PartsTable& table, const MachineEvaluation& machine, Figure figure);

} // namespace rivet
