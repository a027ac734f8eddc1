#pragma once

#include "evaluation/FigureNumbers.h"
#include "evaluation/MachineEvaluation.h"

#include <optional>
#include <string>
#include <vector>

namespace rivet {

// One figure of two machines side by side: the texts their value labels show, whether each
// is drawn in the warning colour, other − base, and which machine the figure favours.
struct FigureComparison
{
    std::string base;
    std::string other;
    bool baseWarning = false;
    bool otherWarning = false;
    std::optional<double> difference; // none when either machine has no number for it
    Better better = Better::Neither;
};

// A selector whose shown text differs between the machines.
struct PartDifference
{
    Selector selector;
    std::string base;
    std::string other;
};

// An option box ticked on one of the machines only.
struct OptionDifference
{
    int n;
    std::string name;
    bool base;
    bool other;
};

struct MachineComparison
{
    PerFigure<FigureComparison> figures;
    std::vector<PartDifference> parts; // in selector order
    std::vector<OptionDifference> options; // in box order
};

// Both machines of the same catalogue, each as its last evaluation left it.
MachineComparison compareMachines(const PartsTable& table, const MachineEvaluation& base,
                                  const MachineEvaluation& other);

// A difference as the tool writes it: "+8600", "-0.9", "0"; empty for none.
std::string differenceText(const std::optional<double>& difference);

} // namespace rivet
