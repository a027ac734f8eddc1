#pragma once

#include "optimiser/Optimiser.h"

#include <string>
#include <vector>

namespace rivet {

// Why a repair changes one selector: what the repaired machine would be with that selector back
// at the start's item.
struct ChangeReason
{
    Selector selector = HeadSelector;
    bool noItem = false; // the start has no item there
    bool partRequired = false; // the start has NO EQUIP where a part is asked for
    bool rules = false; // the rules or the back-weapon pairing would not leave it standing
    // Figures that would warn again, or run short of output, with the verdict they would show.
    std::vector<std::pair<Figure, std::string>> warnings;
    std::vector<Requirement> unmet; // requirements that would fail again
    bool goal = false; // nothing of that: the change serves the goals and the price
};

// One reason for every selector the repaired machine changes, in selector order.
std::vector<ChangeReason> explainRepair(const PartsTable& table, const OptimiserRequest& request,
                                        const Selection& repaired);

// "余剰積載量 (基準違反)、価格 ≤ 300000": what the change removes, in the window's words.
std::string reasonText(const ChangeReason& reason);

} // namespace rivet
